#pragma once

#include "Veltis/Core/ILock.h"

namespace Veltis {
namespace Core {

// Holds a lock for the lifetime of the object.
class CAutoLock {
public:
    explicit CAutoLock(ILock* lock) : m_Lock(lock) { m_Lock->Lock(); }
    virtual ~CAutoLock() { m_Lock->Unlock(); }

    CAutoLock(const CAutoLock&) = delete;
    CAutoLock& operator=(const CAutoLock&) = delete;

private:
    ILock* m_Lock;
};

} // namespace Core
} // namespace Veltis
