#include "VeltisExt/AAXPlugin/CAAXPluginParameters.h"

#include <string.h>

#include <memory>

#include "Veltis/Audio/DSP/IFilter.h"
#include "Veltis/Audio/Plugin/IPluginGUI.h"
#include "Veltis/Audio/Plugin/ProductEntry.h"
#include "Veltis/Serialization/CXmlDataObject.h"
#include "VeltisExt/AAXPlugin/CAAXPluginParameter.h"
#include "aax/AAXGuard.h"
#include "aax/AAX_CPacketHandler.h"
#include "aax/AAX_VController.h"
#include "platform/aax/AAXResult.h"
#include "platform/aax/AAXStemFormat.h"

namespace VeltisExt {
namespace AAXPlugin {

namespace {

const char kStateName[] = "Corvane Audio Plugin State";
const char kStateRoot[] = "Preset";
const uint32_t kEditorDataType = 0x69677569; // "igui"
// The header, the NUL and four bytes of the host's conventions beyond the text.
const int64_t kChunkOverhead = 61;

// The text bytes (NUL included) a 'crvn' record declares, or 0 when it declares none or too many.
int64_t DeclaredTextBytes(const AAXChunkRecord* chunk)
{
    const int64_t bytes = static_cast<int64_t>(chunk->m_Size) - 60;
    return bytes > 0 && bytes <= CAAXPluginParameters::kMaxChunkTextBytes ? bytes : 0;
}

} // namespace

// The product's parts, made in the order the product expects and owned until the core takes them.
struct CAAXPluginParameters::SProductParts {
    const Veltis::DataModel::Objects::IConstProductInfo* m_Info = nullptr;
    std::unique_ptr<Veltis::Audio::Plugin::IPluginGUI> m_GUI;
    double m_RefreshRate = 0.0;
    std::unique_ptr<Veltis::Audio::DSP::IFilter> m_Processor;

    static SProductParts Make()
    {
        SProductParts parts;
        parts.m_Info = GetProductInfo();
        parts.m_GUI.reset(CreatePluginGUI());
        parts.m_RefreshRate = GetDefaultOutputRefreshRate();
        parts.m_Processor.reset(CreateProcessor());
        return parts;
    }
};

IACFUnknown* CAAXPluginParameters::Create()
{
    try {
        return static_cast<AAX_IACFEffectParameters*>(new CAAXPluginParameters);
    } catch (...) {
        return nullptr;
    }
}

CAAXPluginParameters::CAAXPluginParameters() : CAAXPluginParameters(SProductParts::Make()) {}

CAAXPluginParameters::CAAXPluginParameters(SProductParts parts)
    : m_Internals(parts.m_Processor.release(), parts.m_GUI.release(), parts.m_Info, parts.m_RefreshRate),
      m_Processing(&m_Internals, &m_InputAdapters, &m_OutputAdapters)
{
    m_InputAdapters.SetParams(m_Internals.GetInputParamsInfo(), 0);
    m_OutputAdapters.SetParams(m_Internals.GetOutputParamsInfo(), m_Internals.GetInputParamsInfo().GetCount());
}

CAAXPluginParameters::~CAAXPluginParameters()
{
    m_Internals.Disconnect();
    // The host parameters go before the adapters they point at.
    GetParameterManager().RemoveAllParameters();
}

int32_t CAAXPluginParameters::EffectInit()
{
    AAX_CString bypassId;
    GetMasterBypassParameterID(&bypassId);
    m_InputAdapters.GetAdapter(0).SetId(bypassId.Get());
    for (int i = 0; i < m_InputAdapters.GetCount(); ++i)
        GetParameterManager().AddParameter(new CAAXPluginParameter(m_InputAdapters.GetAdapter(i), ""));
    for (int i = 0; i < m_OutputAdapters.GetCount(); ++i) {
        CAAXPluginParamAdapter& adapter = m_OutputAdapters.GetAdapter(i);
        GetParameterManager().AddParameter(new CAAXPluginParameter(adapter, "OUT:"));
        ExcludeParameterFromChunk(adapter.GetId().GetString());
    }
    GetPacketDispatcher().RegisterPacket(
        bypassId.Get(), 0,
        AAX_CPacketHandler<AAX_CPacketDispatcher>(&GetPacketDispatcher(), &AAX_CPacketDispatcher::GenerateSingleValuePacket));

    AAX_VController& controller = *GetController();
    uint32_t inputFormat = AAXStemFormat::kNone, outputFormat = AAXStemFormat::kNone;
    controller.GetInputStemFormat(&inputFormat);
    controller.GetOutputStemFormat(&outputFormat);
    m_Processing.SetChannelCounts(AAXStemFormat::ChannelCount(inputFormat), AAXStemFormat::ChannelCount(outputFormat));
    float sampleRate = 0.0f;
    controller.GetSampleRate(&sampleRate);
    m_Processing.SetSampleRate(sampleRate);
    m_Internals.Connect(&m_InputAdapters, &m_OutputAdapters);
    controller.SetSignalLatency(m_Internals.GetProcessor()->GetLatency());
    CAAXPluginProcessing* processing = &m_Processing;
    controller.PostPacket(1, &processing, sizeof processing);
    return AAXResult::kSuccess;
}

int32_t CAAXPluginParameters::GetChunkCount(int32_t* count) const
{
    const int32_t result = AAX_CEffectParameters::GetChunkCount(count);
    ++*count;
    return result;
}

int32_t CAAXPluginParameters::GetChunkIDFromIndex(int32_t index, uint32_t* chunkId) const
{
    int32_t baseCount = 0;
    AAX_CEffectParameters::GetChunkCount(&baseCount);
    if (index != baseCount)
        return AAX_CEffectParameters::GetChunkIDFromIndex(index, chunkId);
    *chunkId = kStateChunkId;
    return AAXResult::kSuccess;
}

bool CAAXPluginParameters::WriteStateText(std::string& text) const
{
    Veltis::Serialization::CXmlDataObject document(kStateRoot);
    char* raw = nullptr;
    if (!m_Internals.Serialize(document) || !document.GetText(raw) || !raw) {
        delete[] raw;
        return false;
    }
    std::unique_ptr<char[]> owned(raw);
    text.assign(raw);
    return true;
}

int32_t CAAXPluginParameters::GetChunkSize(uint32_t chunkId, uint32_t* size)
{
    if (chunkId != kStateChunkId)
        return AAX_CEffectParameters::GetChunkSize(chunkId, size);
    return AAXGuard([&] {
        *size = 0;
        m_HasMeasuredText = false;
        if (!WriteStateText(m_MeasuredText) ||
            static_cast<int64_t>(m_MeasuredText.size()) + kChunkOverhead > INT32_MAX)
            return AAXResult::kSuccess;
        m_HasMeasuredText = true;
        *size = static_cast<uint32_t>(m_MeasuredText.size() + kChunkOverhead);
        return AAXResult::kSuccess;
    });
}

int32_t CAAXPluginParameters::GetChunk(uint32_t chunkId, AAXChunkRecord* chunk)
{
    if (chunkId != kStateChunkId)
        return AAX_CEffectParameters::GetChunk(chunkId, chunk);
    if (!m_HasMeasuredText)
        return AAXResult::kChunkSizeMismatch;
    chunk->m_Size = static_cast<int32_t>(m_MeasuredText.size() + kChunkOverhead);
    memset(chunk->m_Name, 0, sizeof chunk->m_Name);
    memcpy(chunk->m_Name, kStateName, sizeof kStateName);
    memcpy(AAXChunkData(chunk), m_MeasuredText.c_str(), m_MeasuredText.size() + 1);
    return AAXResult::kSuccess;
}

int32_t CAAXPluginParameters::SetChunk(uint32_t chunkId, const AAXChunkRecord* chunk)
{
    if (chunkId != kStateChunkId || !chunk)
        return AAXResult::kSuccess;
    // A state that cannot be restored is an invalid request: a host that took it for restored would
    // carry on with the instance at its previous state.
    return AAXGuard([&] {
        const int64_t bytes = DeclaredTextBytes(chunk);
        Veltis::Serialization::CXmlDataObject document(kStateRoot);
        if (bytes == 0 ||
            !document.LoadFromMemory(reinterpret_cast<const char*>(AAXChunkData(chunk)), static_cast<int>(bytes)) ||
            !m_Internals.DeSerialize(document))
            return AAXResult::kHostObjectMissing;
        return AAXResult::kSuccess;
    });
}

int32_t CAAXPluginParameters::CompareActiveChunk(const AAXChunkRecord* chunk, bool* isEqual)
{
    const int32_t result = AAX_CEffectParameters::CompareActiveChunk(chunk, isEqual);
    if (result != AAXResult::kSuccess || !isEqual || !*isEqual || chunk->m_Identifier != kStateChunkId)
        return result;
    return AAXGuard([&] {
        *isEqual = false;
        const int64_t bytes = DeclaredTextBytes(chunk);
        std::string current;
        if (bytes == 0 || !WriteStateText(current))
            return AAXResult::kSuccess;
        const char* text = reinterpret_cast<const char*>(AAXChunkData(chunk));
        if (text[bytes - 1] == '\0')
            *isEqual = strcmp(current.c_str(), text) == 0;
        return AAXResult::kSuccess;
    });
}

int32_t CAAXPluginParameters::GetCustomData(uint32_t type, uint32_t size, void* data, uint32_t* written)
{
    if (type != kEditorDataType)
        return AAX_CEffectParameters::GetCustomData(type, size, data, written);
    Veltis::Audio::Plugin::IPluginGUI* editor = m_Internals.GetGUI();
    if (size != sizeof editor || !data) {
        *written = 0;
        return AAXResult::kHostObjectMissing;
    }
    memcpy(data, &editor, sizeof editor);
    *written = sizeof editor;
    return AAXResult::kSuccess;
}

} // namespace AAXPlugin
} // namespace VeltisExt
