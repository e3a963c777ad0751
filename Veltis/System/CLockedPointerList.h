#pragma once

#include "Veltis/System/CCriticalSection.h"

#include <list>

namespace Veltis {
namespace System {

// A list of pointers (not owned) behind one lock, for registries of the native GUI layer. Users hold
// the lock around every insertion, removal and walk of the list.
class CLockedPointerList {
public:
    CLockedPointerList() {}
    CLockedPointerList(const CLockedPointerList&) = delete;
    CLockedPointerList& operator=(const CLockedPointerList&) = delete;

    CCriticalSection& GetLock() { return m_Lock; }
    std::list<void*>& GetList() { return m_List; }
    const std::list<void*>& GetList() const { return m_List; }

private:
    CCriticalSection m_Lock;
    std::list<void*> m_List;
};

} // namespace System
} // namespace Veltis
