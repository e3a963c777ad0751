#pragma once

#include <pthread.h>

namespace Veltis {
namespace System {

// The signalled flag and its condition behind both event kinds; they differ only in how many
// waiters a Set wakes and whether a wait clears the signal.
class CEventState {
public:
    explicit CEventState(bool signalled);
    ~CEventState();

    CEventState(const CEventState&) = delete;
    CEventState& operator=(const CEventState&) = delete;

    bool Set(bool wakeAll);
    void Reset();
    // ms < 0 waits without limit. True when signalled or when the time ran out; false only when
    // waiting failed. Auto reset clears a signal that was already set or that ended an unlimited
    // wait; one that ends a timed wait stays for the next Wait.
    bool Wait(int ms, bool autoReset);

private:
    bool m_Signalled;
    pthread_cond_t m_Condition;
    pthread_mutex_t m_Mutex;
};

} // namespace System
} // namespace Veltis
