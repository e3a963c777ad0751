#pragma once

#include <pthread.h>
#include <time.h>

// Timed waits of the events measure against the monotonic clock, so that a change of the wall-clock
// time neither stretches nor cuts a wait.
namespace Veltis {
namespace System {
namespace ConditionClock {

inline void InitCondition(pthread_cond_t* condition)
{
    pthread_condattr_t attributes;
    pthread_condattr_init(&attributes);
    pthread_condattr_setclock(&attributes, CLOCK_MONOTONIC);
    pthread_cond_init(condition, &attributes);
    pthread_condattr_destroy(&attributes);
}

// Now plus ms (not negative), nanoseconds normalised below one second.
inline timespec GetDeadline(int ms)
{
    timespec deadline;
    clock_gettime(CLOCK_MONOTONIC, &deadline);
    deadline.tv_sec += ms / 1000;
    deadline.tv_nsec += static_cast<long>(ms % 1000) * 1000000L;
    if (deadline.tv_nsec >= 1000000000L) {
        deadline.tv_sec += 1;
        deadline.tv_nsec -= 1000000000L;
    }
    return deadline;
}

} // namespace ConditionClock
} // namespace System
} // namespace Veltis
