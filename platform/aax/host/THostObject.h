#pragma once

#include <memory>
#include <string>

#include "platform/aax/AAXIdentifiers.h"
#include "platform/aax/AAXResult.h"
#include "platform/aax/host/CReferenceLedger.h"

namespace Veltis {
namespace Platform {
namespace AAXHost {

// What the host keeps of every host object it made, whatever its interfaces.
class CHostObjectBase {
public:
    virtual ~CHostObjectBase() = default;
    // Whether the module still holds a reference: such an object must outlive its owner.
    virtual bool IsReferenced() const = 0;
};

// A host object implementing one or more host interfaces. The host owns it; the module's references are
// only counted in the ledger, so a module that releases too often is caught instead of crashing.
template <class... Interfaces> class THostObject : public CHostObjectBase, public Interfaces... {
public:
    THostObject(CReferenceLedger& ledger, const std::string& name) : m_Ledger(ledger), m_Entry(ledger.Add(name)) {}
    ~THostObject() override { m_Ledger.Retire(m_Entry); }
    THostObject(const THostObject&) = delete;
    THostObject& operator=(const THostObject&) = delete;

    int32_t QueryInterface(const ACFIdentifier& iid, void** out) override
    {
        if (!out)
            return AAXResult::kHostObjectMissing;
        IACFUnknown* found = Find(iid);
        *out = found;
        if (!found)
            return AAXResult::kNoInterface;
        found->AddRef();
        return AAXResult::kSuccess;
    }
    uint32_t AddRef() override
    {
        m_Entry->m_AddRefs.fetch_add(1);
        return static_cast<uint32_t>(m_Entry->m_References.fetch_add(1) + 1);
    }
    uint32_t Release() override
    {
        m_Entry->m_Releases.fetch_add(1);
        const int32_t count = m_Entry->m_References.fetch_sub(1) - 1;
        if (count < 0)
            m_Entry->m_OverReleased.store(true);
        return static_cast<uint32_t>(count < 0 ? 0 : count);
    }

    // The module's references, for handing the object out: taken as QueryInterface would.
    template <class T> T* HandOut(T* object)
    {
        AddRef();
        return object;
    }
    const std::string& GetName() const { return m_Entry->m_Name; }
    bool IsReferenced() const override { return m_Entry->m_References.load() > 0; }

protected:
    // The interface answering iid, or null.
    virtual IACFUnknown* Find(const ACFIdentifier& iid) = 0;

private:
    CReferenceLedger& m_Ledger;
    std::shared_ptr<CReferenceLedger::Entry> m_Entry;
};

} // namespace AAXHost
} // namespace Platform
} // namespace Veltis
