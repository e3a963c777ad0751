#pragma once

#include <atomic>

#include "platform/aax/IACFUnknown.h"

// The reference-counted base of every module object the host holds. Derived host-facing interfaces
// forward QueryInterface, AddRef and Release to GetOuterUnknown(), so the inner unknown decides; the
// module-wide live-object count tells the host when the module may be unloaded.
class CACFUnknown {
public:
    CACFUnknown();
    CACFUnknown(const CACFUnknown&) = delete;
    CACFUnknown& operator=(const CACFUnknown&) = delete;
    virtual ~CACFUnknown();

    virtual int32_t FinalConstruct() { return 0; }
    virtual void FinalRelease() {}
    virtual void DeleteThis();
    virtual int32_t InternalQueryInterface(const ACFIdentifier& iid, void** out);
    virtual uint32_t InternalAddRef();
    virtual uint32_t InternalRelease();

    static int32_t GetLiveObjectCount();

protected:
    IACFUnknown* GetOuterUnknown() const { return m_OuterUnknown; }

private:
    class PrivateUnknown : public IACFUnknown {
    public:
        explicit PrivateUnknown(CACFUnknown* owner) : m_Owner(owner) {}
        int32_t QueryInterface(const ACFIdentifier& iid, void** out) override;
        uint32_t AddRef() override;
        uint32_t Release() override;

    private:
        CACFUnknown* m_Owner;
    };

    std::atomic<int32_t> m_ReferenceCount;
    IACFUnknown* m_OuterUnknown;
    PrivateUnknown m_InnerUnknown;
};
