#pragma once

#include <stdint.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/aax/AAXStemFormat.h"
#include "platform/aax/IAAXHostRunTime.h"
#include "platform/aax/host/CHostEnvironment.h"
#include "platform/aax/host/SModuleDescription.h"
#include "platform/aax/host/THostObject.h"
#include "platform/aax/host/TLockFreeQueue.h"

namespace Veltis {
namespace Platform {
namespace AAXHost {

// What the host tells an instance at initialisation.
struct SInstanceSettings {
    float m_SampleRate = 48000.0f;
    uint32_t m_InputStemFormat = AAXStemFormat::FromChannelCount(2);
    uint32_t m_OutputStemFormat = AAXStemFormat::FromChannelCount(2);
};

// A request of the module's automation delegate, as recorded.
struct SAutomationRequest {
    enum EKind { kRegister, kUnregister, kTouch, kSetValue, kRelease, kCurrentValue };
    EKind m_Kind = kTouch;
    // Cut to 63 bytes.
    char m_ParameterId[64] = {};
    double m_Value = 0.0;
};

class CHostController;
class CHostAutomationDelegate;
class CHostTransport;

// The controller unknown handed to an instance's initialisation: it offers the controller (settings,
// latency, packets into the private-data fields), the automation delegate (recording without
// blocking) and the transport. It owns the private-data blocks of the component's fields: packets
// land in a staging copy and reach the live blocks at the start of the next render.
class CHostControllerUnknown : public THostObject<IACFUnknown> {
public:
    CHostControllerUnknown(CHostEnvironment& host, const SComponentDescription& component,
                           const SInstanceSettings& settings, size_t requestCapacity = 4096);
    ~CHostControllerUnknown();

    const SInstanceSettings& GetSettings() const { return m_Settings; }
    int32_t GetLatency() const { return m_Latency.load(); }
    void SetLatency(int32_t latency) { m_Latency.store(latency); }
    int32_t GetPostedPacketCount() const { return m_PostedPackets.load(); }
    int32_t GetRejectedPacketCount() const { return m_RejectedPackets.load(); }

    // Copies data into the staging block of a private-data field; -20004 for another field or a packet
    // larger than the field.
    int32_t PostPacket(uint32_t field, const void* data, uint32_t size);
    // Audio side: moves posted packets into the live blocks unless the main thread is posting right now
    // (then they arrive one block later). Never waits, never allocates.
    void ApplyPostedPackets();
    // The live block of a private-data field, or null.
    void* GetPrivateData(uint32_t field);

    TLockFreeQueue<SAutomationRequest>& GetRequests() { return m_Requests; }

    // Answers the controller, automation delegate and transport, which take the references.
    IACFUnknown* Find(const ACFIdentifier& iid) override;
    // Also while the module holds one of the objects it answers.
    bool IsReferenced() const override;

private:
    struct SPrivateField {
        uint32_t m_Field;
        size_t m_Size;
        std::unique_ptr<uint64_t[]> m_Live;
        std::unique_ptr<uint64_t[]> m_Staging;
        bool m_Dirty = false;
    };

    CHostEnvironment& m_Host;
    SInstanceSettings m_Settings;
    std::atomic<int32_t> m_Latency{0};
    std::atomic<int32_t> m_PostedPackets{0};
    std::atomic<int32_t> m_RejectedPackets{0};
    std::vector<SPrivateField> m_Fields;
    std::mutex m_StagingMutex;
    TLockFreeQueue<SAutomationRequest> m_Requests;
    std::unique_ptr<CHostController> m_Controller;
    std::unique_ptr<CHostAutomationDelegate> m_AutomationDelegate;
    std::unique_ptr<CHostTransport> m_Transport;
};

// A view container of the host for the effect GUI; records the sizes the editor asks for.
class CHostViewContainer : public THostObject<IAAXHostViewContainer> {
public:
    CHostViewContainer(CReferenceLedger& ledger, const std::string& name, int32_t type, void* nativeView);

    int32_t GetViewType() override { return m_Type; }
    void* GetNativeView() override { return m_NativeView; }
    int32_t Reserved1(void*) override { return AAXResult::kSuccess; }
    int32_t SetViewSize(const AAXViewSize* size) override;
    int32_t Reserved2(void*) override { return AAXResult::kSuccess; }
    int32_t Reserved3(void*) override { return AAXResult::kSuccess; }
    int32_t Reserved4(void*) override { return AAXResult::kSuccess; }

    const std::vector<AAXViewSize>& GetRequestedSizes() const { return m_RequestedSizes; }

protected:
    IACFUnknown* Find(const ACFIdentifier& iid) override;

private:
    int32_t m_Type;
    void* m_NativeView;
    std::vector<AAXViewSize> m_RequestedSizes;
};

} // namespace AAXHost
} // namespace Platform
} // namespace Veltis
