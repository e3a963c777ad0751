#pragma once

#include <pthread.h>

#include "Veltis/Core/ILock.h"

namespace Veltis {
namespace System {

// The one lock type of the system: recursive, so a holder may re-enter it from a listener or a
// nested call and must unlock it as often as it locked it.
class CCriticalSection : public virtual Core::ILock {
public:
    CCriticalSection();
    ~CCriticalSection() override;

    CCriticalSection(const CCriticalSection&) = delete;
    CCriticalSection& operator=(const CCriticalSection&) = delete;

    void Lock() override;
    void Unlock() override;

private:
    pthread_mutex_t m_Mutex;
};

} // namespace System
} // namespace Veltis
