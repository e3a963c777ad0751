#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/aax/IACFUnknown.h"
#include "platform/aax/host/CReferenceLedger.h"
#include "platform/aax/host/SHostFaults.h"
#include "platform/aax/host/SModuleDescription.h"
#include "platform/aax/host/THostObject.h"

namespace Veltis {
namespace Platform {
namespace AAXHost {

class CHostComponentFactory;
class CHostUnknown;

// The host's side of start-up and registration: the host unknown with its component factory, the
// host objects the module creates through it (collection, descriptors, property maps, services), the
// description they record, the faults they play and the ledger of the module's references. Owns
// every host object it made until it is destroyed.
class CHostEnvironment {
public:
    explicit CHostEnvironment(const SHostFaults& faults = SHostFaults());
    ~CHostEnvironment();
    CHostEnvironment(const CHostEnvironment&) = delete;
    CHostEnvironment& operator=(const CHostEnvironment&) = delete;

    // Null when the faults ask for a null host unknown.
    IACFUnknown* GetHostUnknown();
    const SModuleDescription& GetDescription() const { return m_Description; }
    SModuleDescription& GetDescription() { return m_Description; }
    CReferenceLedger& GetLedger() { return m_Ledger; }
    const SHostFaults& GetFaults() const { return m_Faults; }
    SHostFaults& GetFaults() { return m_Faults; }

    // For the host objects: keeps object alive with the environment and returns it.
    template <class T> T* Keep(std::unique_ptr<T> object)
    {
        T* kept = object.get();
        m_Objects.push_back(std::move(object));
        return kept;
    }
    std::string NextName(const char* kind);
    void RecordCall(const std::string& call) { m_Description.m_Calls.push_back(call); }
    // For the entries the module never calls: recorded all the same, answered with success.
    int32_t RecordReservedCall(const char* call)
    {
        RecordCall(call);
        return 0;
    }

private:
    SHostFaults m_Faults;
    CReferenceLedger m_Ledger;
    SModuleDescription m_Description;
    std::vector<std::unique_ptr<CHostObjectBase>> m_Objects;
    CHostUnknown* m_HostUnknown = nullptr;
    int m_NextObjectNumber = 1;
};

} // namespace AAXHost
} // namespace Platform
} // namespace Veltis
