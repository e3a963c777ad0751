#include "platform/aax/host/CHostInstance.h"

#include <string.h>

#include "platform/aax/AAXIdentifiers.h"
#include "platform/aax/AAXResult.h"

namespace Veltis {
namespace Platform {
namespace AAXHost {

namespace {

// The largest chunk the host sets aside memory for.
const uint32_t kMaxChunkSize = 256u * 1024u * 1024u;

// The host unknown of an effect GUI: the instance's effect-parameters object, and the controller's
// interfaces for everything else.
class CHostGUIUnknown : public THostObject<IACFUnknown> {
public:
    CHostGUIUnknown(CHostEnvironment& host, AAX_IACFEffectParameters* effect, CHostControllerUnknown* controller)
        : THostObject(host.GetLedger(), host.NextName("GUIUnknown")), m_Effect(effect), m_Controller(controller)
    {
    }

protected:
    IACFUnknown* Find(const ACFIdentifier& iid) override
    {
        if (iid == AAXIdentifiers::kUnknown)
            return static_cast<IACFUnknown*>(this);
        if (iid == AAXIdentifiers::kEffectParameters || iid == AAXIdentifiers::kEffectParametersV2)
            return m_Effect;
        return m_Controller->Find(iid);
    }

private:
    AAX_IACFEffectParameters* m_Effect;
    CHostControllerUnknown* m_Controller;
};

// The iid interface of an object a creation procedure made, or null: an object without it goes.
void* QueryCreated(IACFUnknown* object, const ACFIdentifier& iid)
{
    void* out = nullptr;
    if (object->QueryInterface(iid, &out) == AAXResult::kSuccess && out)
        return out;
    // A reference-counted object handed over at count 0 goes with one AddRef/Release pair.
    object->AddRef();
    object->Release();
    return nullptr;
}

} // namespace

CHostInstance::CHostInstance(CHostEnvironment& host, const SEffectDescription& effect,
                             const SComponentDescription& component)
    : m_Host(host), m_EffectDescription(effect), m_Component(component)
{
    uint32_t fieldCount = kAAXRenderContextFieldCount;
    for (const SFieldDescription& field : m_Component.m_Fields)
        if (field.m_Field + 1 > fieldCount)
            fieldCount = field.m_Field + 1;
    m_Context.assign(fieldCount, nullptr);
    m_MIDIInput = Own(std::make_unique<CHostMIDIInputNode>(host));
    m_MIDIOutput = Own(std::make_unique<CHostMIDIOutputNode>(host));
}

CHostInstance::~CHostInstance()
{
    Teardown();
    // An object the module still references stays with the host, where the ledger names it, rather than
    // being freed under the module.
    for (std::unique_ptr<CHostObjectBase>& object : m_Objects)
        if (object->IsReferenced())
            m_Host.Keep(std::move(object));
}

bool CHostInstance::Create()
{
    AAXCreationProcedure create = m_EffectDescription.FindProcedure(0);
    if (!create) {
        m_LastError = "the effect registered no creation procedure 0";
        return false;
    }
    IACFUnknown* object = create();
    if (!object) {
        m_LastError = "creation procedure 0 made no object";
        return false;
    }
    void* effect = QueryCreated(object, AAXIdentifiers::kEffectParameters);
    if (!effect) {
        m_LastError = "the object of procedure 0 offers no effect-parameters interface";
        return false;
    }
    m_Effect = static_cast<AAX_IACFEffectParameters*>(effect);
    return true;
}

int32_t CHostInstance::Initialize(const SInstanceSettings& settings)
{
    if (!m_Effect)
        return AAXResult::kHostObjectMissing;
    m_Controller = Own(std::make_unique<CHostControllerUnknown>(m_Host, m_Component, settings));
    const int32_t result = m_Effect->Initialize(m_Controller);
    m_Initialized = true;
    AnswerAutomationRequests();
    if (result != AAXResult::kSuccess)
        return result;
    m_Effect->PostDirtyPackets();
    m_Rendering = true;
    return result;
}

bool CHostInstance::CheckBlock(const SAudioBlock& block)
{
    const SInstanceSettings& settings = m_Controller->GetSettings();
    const int32_t inputs = AAXStemFormat::ChannelCount(settings.m_InputStemFormat);
    const int32_t outputs = AAXStemFormat::ChannelCount(settings.m_OutputStemFormat);
    const int32_t givenInputs = block.m_Inputs ? block.m_InputChannels : 0;
    const int32_t givenOutputs = block.m_Outputs ? block.m_OutputChannels : 0;
    if (givenInputs < inputs || givenOutputs < outputs) {
        m_LastError = "a block of " + std::to_string(givenInputs) + " input and " + std::to_string(givenOutputs) +
                      " output buffers for an instance of " + std::to_string(inputs) + " inputs and " +
                      std::to_string(outputs) + " outputs";
        return false;
    }
    return true;
}

AAXRenderContext* CHostInstance::PrepareBlock(const SAudioBlock& block)
{
    if (!m_Rendering || !CheckBlock(block))
        return nullptr;
    m_Controller->ApplyPostedPackets();
    m_BufferLength = block.m_Frames;
    for (const SFieldDescription& field : m_Component.m_Fields) {
        void* value = nullptr;
        switch (field.m_Kind) {
        case SFieldDescription::kPrivateData:
            value = m_Controller->GetPrivateData(field.m_Field);
            break;
        case SFieldDescription::kAudioIn:
            value = const_cast<float**>(block.m_Inputs);
            break;
        case SFieldDescription::kAudioOut:
            value = const_cast<float**>(block.m_Outputs);
            break;
        case SFieldDescription::kBufferLength:
            value = &m_BufferLength;
            break;
        case SFieldDescription::kMIDINode:
            value = field.m_NodeType == 0 ? static_cast<IAAXHostMIDIInputNode*>(m_MIDIInput)
                                          : static_cast<void*>(static_cast<IAAXHostMIDIOutputNode*>(m_MIDIOutput));
            break;
        }
        m_Context[field.m_Field] = value;
    }
    if (m_NullProcessingField)
        m_Context[1] = nullptr;
    return reinterpret_cast<AAXRenderContext*>(m_Context.data());
}

int32_t CHostInstance::Render(const SAudioBlock& block)
{
    AAXRenderContext* context = PrepareBlock(block);
    if (!context)
        return AAXResult::kHostObjectMissing;
    if (m_Component.m_RenderProcedure)
        m_Component.m_RenderProcedure(&context, &context + 1);
    return AAXResult::kSuccess;
}

bool CHostInstance::SetMIDIInput(const std::vector<AAXMIDIPacket>& packets)
{
    return m_MIDIInput->SetPackets(packets.data(), packets.size());
}

std::vector<AAXMIDIPacket> CHostInstance::TakeMIDIOutput() { return m_MIDIOutput->Take(); }

int32_t CHostInstance::Automate(const char* parameterId, double normalizedValue)
{
    if (!m_Effect)
        return AAXResult::kHostObjectMissing;
    const int32_t result = m_Effect->UpdateParameterNormalizedValue(parameterId, normalizedValue, 0);
    m_Effect->PostDirtyPackets();
    return result;
}

std::vector<SAutomationRequest> CHostInstance::AnswerAutomationRequests()
{
    std::vector<SAutomationRequest> requests;
    if (!m_Controller)
        return requests;
    SAutomationRequest request;
    while (m_Controller->GetRequests().Pop(request))
        requests.push_back(request);
    bool answered = false;
    for (const SAutomationRequest& r : requests) {
        m_RequestHistory.push_back(r);
        if (r.m_Kind == SAutomationRequest::kRegister)
            m_Registered.insert(r.m_ParameterId);
        else if (r.m_Kind == SAutomationRequest::kUnregister)
            m_Registered.erase(r.m_ParameterId);
        else if (r.m_Kind == SAutomationRequest::kSetValue && m_Effect && m_Initialized) {
            m_Effect->UpdateParameterNormalizedValue(r.m_ParameterId, r.m_Value, 0);
            answered = true;
        }
    }
    if (answered)
        m_Effect->PostDirtyPackets();
    return requests;
}

int32_t CHostInstance::GetChunkIds(std::vector<uint32_t>& ids)
{
    ids.clear();
    if (!m_Effect)
        return AAXResult::kHostObjectMissing;
    int32_t count = 0;
    const int32_t result = m_Effect->GetChunkCount(&count);
    if (result != AAXResult::kSuccess)
        return result;
    for (int32_t index = 0; index < count && index < 1024; ++index) {
        uint32_t id = 0;
        if (m_Effect->GetChunkIDFromIndex(index, &id) == AAXResult::kSuccess)
            ids.push_back(id);
    }
    return AAXResult::kSuccess;
}

int32_t CHostInstance::SaveChunk(uint32_t chunkId, std::vector<unsigned char>& chunk)
{
    chunk.clear();
    if (!m_Effect)
        return AAXResult::kHostObjectMissing;
    uint32_t size = 0;
    int32_t result = m_Effect->GetChunkSize(chunkId, &size);
    if (result != AAXResult::kSuccess)
        return result;
    if (size > kMaxChunkSize) {
        m_LastError = "the module announced a chunk of " + std::to_string(size) + " bytes";
        return AAXResult::kHostObjectMissing;
    }
    const size_t bytes = kAAXChunkHeaderSize + size;
    std::vector<uint64_t> record((bytes + 7) / 8, 0);
    AAXChunkRecord* header = reinterpret_cast<AAXChunkRecord*>(record.data());
    header->m_Identifier = chunkId;
    result = m_Effect->GetChunk(chunkId, header);
    if (result != AAXResult::kSuccess)
        return result;
    if (header->m_Size < 0 || static_cast<uint32_t>(header->m_Size) > size) {
        m_LastError = "the module wrote a chunk declaring " + std::to_string(header->m_Size) + " bytes after announcing " +
                      std::to_string(size);
        return AAXResult::kHostObjectMissing;
    }
    const unsigned char* begin = reinterpret_cast<const unsigned char*>(record.data());
    chunk.assign(begin, begin + kAAXChunkHeaderSize + static_cast<size_t>(header->m_Size));
    return AAXResult::kSuccess;
}

bool CHostInstance::CheckChunkBytes(const std::vector<unsigned char>& chunk, std::vector<uint64_t>& record)
{
    if (chunk.size() < kAAXChunkHeaderSize) {
        m_LastError = "a chunk of " + std::to_string(chunk.size()) + " bytes has no complete header";
        return false;
    }
    int32_t declared = 0;
    memcpy(&declared, chunk.data(), sizeof declared);
    if (declared < 0 || static_cast<uint64_t>(declared) > chunk.size() - kAAXChunkHeaderSize) {
        m_LastError = "the chunk declares " + std::to_string(declared) + " data bytes but holds " +
                      std::to_string(chunk.size() - kAAXChunkHeaderSize);
        return false;
    }
    record.assign((chunk.size() + 7) / 8, 0);
    memcpy(record.data(), chunk.data(), chunk.size());
    return true;
}

int32_t CHostInstance::RestoreChunk(const std::vector<unsigned char>& chunk)
{
    std::vector<uint64_t> record;
    if (!m_Effect || !CheckChunkBytes(chunk, record))
        return AAXResult::kHostObjectMissing;
    const AAXChunkRecord* header = reinterpret_cast<const AAXChunkRecord*>(record.data());
    return m_Effect->SetChunk(header->m_Identifier, header);
}

int32_t CHostInstance::CompareChunk(const std::vector<unsigned char>& chunk, bool& isEqual)
{
    isEqual = false;
    std::vector<uint64_t> record;
    if (!m_Effect || !CheckChunkBytes(chunk, record))
        return AAXResult::kHostObjectMissing;
    return m_Effect->CompareActiveChunk(reinterpret_cast<const AAXChunkRecord*>(record.data()), &isEqual);
}

int32_t CHostInstance::OpenGUI()
{
    if (!m_Effect || !m_Controller || m_GUI)
        return AAXResult::kHostObjectMissing;
    AAXCreationProcedure create = m_EffectDescription.FindProcedure(1);
    IACFUnknown* object = create ? create() : nullptr;
    if (!object) {
        m_LastError = "the effect offers no GUI object";
        return AAXResult::kHostObjectMissing;
    }
    void* gui = QueryCreated(object, AAXIdentifiers::kEffectGUI);
    if (!gui) {
        m_LastError = "the object of procedure 1 offers no effect-GUI interface";
        return AAXResult::kHostObjectMissing;
    }
    m_GUI = static_cast<AAX_IACFEffectGUI*>(gui);
    if (!m_GUIUnknown)
        m_GUIUnknown = Own(std::make_unique<CHostGUIUnknown>(m_Host, m_Effect, m_Controller));
    return m_GUI->Initialize(m_GUIUnknown);
}

int32_t CHostInstance::SetViewContainer(int32_t viewType)
{
    if (!m_GUI)
        return AAXResult::kHostObjectMissing;
    // The native view stands for the host's window; nothing reads through it here.
    CHostViewContainer* container = Own(std::make_unique<CHostViewContainer>(
        m_Host.GetLedger(), m_Host.NextName("ViewContainer"), viewType, &m_BufferLength));
    m_ViewContainer = container;
    return m_GUI->SetViewContainer(static_cast<IAAXHostViewContainer*>(container));
}

int32_t CHostInstance::ClearViewContainer()
{
    if (!m_GUI)
        return AAXResult::kHostObjectMissing;
    m_ViewContainer = nullptr;
    return m_GUI->SetViewContainer(nullptr);
}

int32_t CHostInstance::CloseGUI()
{
    if (!m_GUI)
        return AAXResult::kSuccess;
    if (m_ViewContainer)
        ClearViewContainer();
    const int32_t result = m_GUI->Uninitialize();
    m_GUI->Release();
    m_GUI = nullptr;
    return result;
}

void CHostInstance::Teardown()
{
    m_Rendering = false;
    std::fill(m_Context.begin(), m_Context.end(), nullptr);
    CloseGUI();
    if (m_Effect) {
        if (m_Initialized)
            m_Effect->Uninitialize();
        m_Initialized = false;
        // Records what the module unregistered; nothing is answered any more.
        AnswerAutomationRequests();
        m_Effect->Release();
        m_Effect = nullptr;
    }
    m_Initialized = false;
}

} // namespace AAXHost
} // namespace Platform
} // namespace Veltis
