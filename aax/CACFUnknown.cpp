#include "aax/CACFUnknown.h"

#include "platform/aax/AAXIdentifiers.h"
#include "platform/aax/AAXResult.h"

namespace {
std::atomic<int32_t> gLiveObjectCount{0};
}

CACFUnknown::CACFUnknown() : m_ReferenceCount(0), m_OuterUnknown(&m_InnerUnknown), m_InnerUnknown(this)
{
    gLiveObjectCount.fetch_add(1);
}

CACFUnknown::~CACFUnknown() { gLiveObjectCount.fetch_sub(1); }

void CACFUnknown::DeleteThis() { delete this; }

int32_t CACFUnknown::InternalQueryInterface(const ACFIdentifier& iid, void** out)
{
    *out = nullptr;
    if (iid != AAXIdentifiers::kUnknown)
        return AAXResult::kNoInterface;
    *out = static_cast<IACFUnknown*>(&m_InnerUnknown);
    m_InnerUnknown.AddRef();
    return AAXResult::kSuccess;
}

uint32_t CACFUnknown::InternalAddRef() { return static_cast<uint32_t>(m_ReferenceCount.fetch_add(1) + 1); }

uint32_t CACFUnknown::InternalRelease()
{
    // Only the thread whose own decrement reached zero deletes.
    const int32_t count = m_ReferenceCount.fetch_sub(1) - 1;
    if (count == 0) {
        FinalRelease();
        DeleteThis();
    }
    return static_cast<uint32_t>(count);
}

int32_t CACFUnknown::GetLiveObjectCount() { return gLiveObjectCount.load(); }

int32_t CACFUnknown::PrivateUnknown::QueryInterface(const ACFIdentifier& iid, void** out)
{
    return m_Owner->InternalQueryInterface(iid, out);
}

uint32_t CACFUnknown::PrivateUnknown::AddRef() { return m_Owner->InternalAddRef(); }

uint32_t CACFUnknown::PrivateUnknown::Release() { return m_Owner->InternalRelease(); }
