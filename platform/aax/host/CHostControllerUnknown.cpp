#include "platform/aax/host/CHostControllerUnknown.h"

#include <string.h>

namespace Veltis {
namespace Platform {
namespace AAXHost {

class CHostController : public THostObject<IAAXHostController, IAAXHostControllerV2> {
public:
    CHostController(CHostEnvironment& host, CHostControllerUnknown& owner)
        : THostObject(host.GetLedger(), host.NextName("Controller")), m_Host(host), m_Owner(owner)
    {
    }

    int32_t Reserved1(void*) override { return AAXResult::kSuccess; }
    int32_t GetSampleRate(float* sampleRate) override
    {
        if (!sampleRate)
            return AAXResult::kHostObjectMissing;
        *sampleRate = m_Owner.GetSettings().m_SampleRate;
        return AAXResult::kSuccess;
    }
    int32_t GetInputStemFormat(uint32_t* format) override
    {
        if (!format)
            return AAXResult::kHostObjectMissing;
        *format = m_Owner.GetSettings().m_InputStemFormat;
        return AAXResult::kSuccess;
    }
    int32_t GetOutputStemFormat(uint32_t* format) override
    {
        if (!format)
            return AAXResult::kHostObjectMissing;
        *format = m_Owner.GetSettings().m_OutputStemFormat;
        return AAXResult::kSuccess;
    }
    int32_t Reserved2(void*) override { return AAXResult::kSuccess; }
    int32_t Reserved3(uint32_t, void*) override { return AAXResult::kSuccess; }
    int32_t Reserved4(void*) override { return AAXResult::kSuccess; }
    int32_t SetSignalLatency(int32_t samples) override
    {
        m_Owner.SetLatency(samples);
        return AAXResult::kSuccess;
    }
    int32_t Reserved5(void*, void*, uint32_t) override { return AAXResult::kSuccess; }
    int32_t PostPacket(uint32_t field, const void* data, uint32_t size) override
    {
        return m_Owner.PostPacket(field, data, size);
    }
    int32_t Reserved6(uint32_t, void*, uint32_t) override { return AAXResult::kSuccess; }
    int32_t Reserved7(uint32_t, void*) override { return AAXResult::kSuccess; }
    int32_t Reserved8(uint32_t, void*) override { return AAXResult::kSuccess; }
    int32_t Reserved9(uint32_t) override { return AAXResult::kSuccess; }
    int32_t Reserved10(void*) override { return AAXResult::kSuccess; }
    int32_t Reserved11(uint32_t, void*) override { return AAXResult::kSuccess; }
    int32_t Reserved12(uint32_t) override { return AAXResult::kSuccess; }
    int32_t Reserved13(void*, void*) override { return AAXResult::kSuccess; }
    int32_t Reserved14(void*) override { return AAXResult::kSuccess; }
    int32_t Reserved15(void** out) override
    {
        if (out)
            *out = nullptr;
        return AAXResult::kSuccess;
    }
    int32_t Reserved16(void*) override { return AAXResult::kSuccess; }

    IACFUnknown* Find(const ACFIdentifier& iid) override
    {
        if (iid == AAXIdentifiers::kController)
            return static_cast<IAAXHostController*>(this);
        if (iid == AAXIdentifiers::kControllerV2 && !m_Host.GetFaults().m_NoSecondVersions)
            return static_cast<IAAXHostControllerV2*>(this);
        return nullptr;
    }

private:
    CHostEnvironment& m_Host;
    CHostControllerUnknown& m_Owner;
};

class CHostAutomationDelegate : public THostObject<IAAXHostAutomationDelegate> {
public:
    CHostAutomationDelegate(CHostEnvironment& host, TLockFreeQueue<SAutomationRequest>& requests)
        : THostObject(host.GetLedger(), host.NextName("AutomationDelegate")), m_Requests(requests)
    {
    }

    int32_t RegisterParameter(const char* id) override { return Record(SAutomationRequest::kRegister, id, 0.0); }
    int32_t UnregisterParameter(const char* id) override { return Record(SAutomationRequest::kUnregister, id, 0.0); }
    int32_t PostSetValueRequest(const char* id, double value) override
    {
        return Record(SAutomationRequest::kSetValue, id, value);
    }
    int32_t PostCurrentValue(const char* id, double value) override
    {
        return Record(SAutomationRequest::kCurrentValue, id, value);
    }
    int32_t PostTouchRequest(const char* id) override { return Record(SAutomationRequest::kTouch, id, 0.0); }
    int32_t PostReleaseRequest(const char* id) override { return Record(SAutomationRequest::kRelease, id, 0.0); }
    int32_t Reserved1(void*, void*) override { return AAXResult::kSuccess; }

    IACFUnknown* Find(const ACFIdentifier& iid) override
    {
        return iid == AAXIdentifiers::kAutomationDelegate ? static_cast<IAAXHostAutomationDelegate*>(this) : nullptr;
    }

private:
    int32_t Record(SAutomationRequest::EKind kind, const char* id, double value)
    {
        if (!id)
            return AAXResult::kParameterNotFound;
        SAutomationRequest request;
        request.m_Kind = kind;
        strncpy(request.m_ParameterId, id, sizeof request.m_ParameterId - 1);
        request.m_Value = value;
        return m_Requests.Push(request) ? AAXResult::kSuccess : AAXResult::kHostObjectMissing;
    }

    TLockFreeQueue<SAutomationRequest>& m_Requests;
};

class CHostTransport : public THostObject<IAAXHostTransport, IAAXHostTransportV2> {
public:
    CHostTransport(CHostEnvironment& host)
        : THostObject(host.GetLedger(), host.NextName("Transport")), m_Host(host)
    {
    }

    int32_t Reserved1(void*) override { return AAXResult::kSuccess; }
    int32_t Reserved2(void*, void*) override { return AAXResult::kSuccess; }
    int32_t Reserved3(void*) override { return AAXResult::kSuccess; }
    int32_t Reserved4(void*) override { return AAXResult::kSuccess; }
    int32_t Reserved5(void*, void*, void*) override { return AAXResult::kSuccess; }
    int32_t Reserved6(void*) override { return AAXResult::kSuccess; }
    int32_t Reserved7(void*, void*) override { return AAXResult::kSuccess; }
    int32_t Reserved8(void*, void*, void*, void*) override { return AAXResult::kSuccess; }
    int32_t Reserved9(void*) override { return AAXResult::kSuccess; }
    int32_t Reserved10(void*) override { return AAXResult::kSuccess; }
    int32_t Reserved11(void*) override { return AAXResult::kSuccess; }
    int32_t Reserved12(void*, void*) override { return AAXResult::kSuccess; }
    int32_t Reserved13(void*, void*) override { return AAXResult::kSuccess; }

    IACFUnknown* Find(const ACFIdentifier& iid) override
    {
        if (iid == AAXIdentifiers::kTransport)
            return static_cast<IAAXHostTransport*>(this);
        if (iid == AAXIdentifiers::kTransportV2 && !m_Host.GetFaults().m_NoSecondVersions)
            return static_cast<IAAXHostTransportV2*>(this);
        return nullptr;
    }

private:
    CHostEnvironment& m_Host;
};

CHostControllerUnknown::CHostControllerUnknown(CHostEnvironment& host, const SComponentDescription& component,
                                               const SInstanceSettings& settings, size_t requestCapacity)
    : THostObject(host.GetLedger(), host.NextName("ControllerUnknown")),
      m_Host(host),
      m_Settings(settings),
      m_Requests(requestCapacity)
{
    for (const SFieldDescription& field : component.m_Fields) {
        if (field.m_Kind != SFieldDescription::kPrivateData)
            continue;
        SPrivateField block;
        block.m_Field = field.m_Field;
        block.m_Size = static_cast<size_t>(field.m_Size);
        const size_t words = (block.m_Size + 7) / 8;
        block.m_Live.reset(new uint64_t[words]());
        block.m_Staging.reset(new uint64_t[words]());
        m_Fields.push_back(std::move(block));
    }
    m_Controller = std::make_unique<CHostController>(host, *this);
    m_AutomationDelegate = std::make_unique<CHostAutomationDelegate>(host, m_Requests);
    m_Transport = std::make_unique<CHostTransport>(host);
}

CHostControllerUnknown::~CHostControllerUnknown() = default;

bool CHostControllerUnknown::IsReferenced() const
{
    return THostObject::IsReferenced() || m_Controller->IsReferenced() || m_AutomationDelegate->IsReferenced() ||
           m_Transport->IsReferenced();
}

IACFUnknown* CHostControllerUnknown::Find(const ACFIdentifier& iid)
{
    const SHostFaults& faults = m_Host.GetFaults();
    if (iid == AAXIdentifiers::kUnknown)
        return static_cast<IACFUnknown*>(this);
    if (iid == AAXIdentifiers::kController || iid == AAXIdentifiers::kControllerV2)
        return faults.m_NoController ? nullptr : m_Controller->Find(iid);
    if (iid == AAXIdentifiers::kAutomationDelegate)
        return faults.m_NoAutomationDelegate ? nullptr : m_AutomationDelegate->Find(iid);
    if (iid == AAXIdentifiers::kTransport || iid == AAXIdentifiers::kTransportV2)
        return m_Transport->Find(iid);
    return nullptr;
}

int32_t CHostControllerUnknown::PostPacket(uint32_t field, const void* data, uint32_t size)
{
    for (SPrivateField& block : m_Fields) {
        if (block.m_Field != field)
            continue;
        if (!data || size > block.m_Size)
            break;
        std::lock_guard<std::mutex> lock(m_StagingMutex);
        memcpy(block.m_Staging.get(), data, size);
        block.m_Dirty = true;
        m_PostedPackets.fetch_add(1);
        return AAXResult::kSuccess;
    }
    m_RejectedPackets.fetch_add(1);
    return AAXResult::kHostObjectMissing;
}

void CHostControllerUnknown::ApplyPostedPackets()
{
    std::unique_lock<std::mutex> lock(m_StagingMutex, std::try_to_lock);
    if (!lock.owns_lock())
        return;
    for (SPrivateField& block : m_Fields) {
        if (!block.m_Dirty)
            continue;
        memcpy(block.m_Live.get(), block.m_Staging.get(), block.m_Size);
        block.m_Dirty = false;
    }
}

void* CHostControllerUnknown::GetPrivateData(uint32_t field)
{
    for (SPrivateField& block : m_Fields)
        if (block.m_Field == field)
            return block.m_Live.get();
    return nullptr;
}

CHostViewContainer::CHostViewContainer(CReferenceLedger& ledger, const std::string& name, int32_t type, void* nativeView)
    : THostObject(ledger, name), m_Type(type), m_NativeView(nativeView)
{
}

int32_t CHostViewContainer::SetViewSize(const AAXViewSize* size)
{
    if (!size)
        return AAXResult::kHostObjectMissing;
    m_RequestedSizes.push_back(*size);
    return AAXResult::kSuccess;
}

IACFUnknown* CHostViewContainer::Find(const ACFIdentifier& iid)
{
    return iid == AAXIdentifiers::kUnknown || iid == AAXIdentifiers::kViewContainer
               ? static_cast<IAAXHostViewContainer*>(this)
               : nullptr;
}

} // namespace AAXHost
} // namespace Platform
} // namespace Veltis
