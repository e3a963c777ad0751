#include "Veltis/System/CEventState.h"

#include <errno.h>
#include <time.h>

namespace Veltis {
namespace System {

namespace {

// Now plus ms on the monotonic clock, so that a change of the wall-clock time neither stretches nor
// cuts a wait.
timespec GetDeadline(int ms)
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

} // namespace

CEventState::CEventState(bool signalled) : m_Signalled(signalled)
{
    pthread_condattr_t attributes;
    pthread_condattr_init(&attributes);
    pthread_condattr_setclock(&attributes, CLOCK_MONOTONIC);
    pthread_cond_init(&m_Condition, &attributes);
    pthread_condattr_destroy(&attributes);
    pthread_mutex_init(&m_Mutex, nullptr);
}

CEventState::~CEventState()
{
    pthread_cond_destroy(&m_Condition);
    pthread_mutex_destroy(&m_Mutex);
}

bool CEventState::Set(bool wakeAll)
{
    pthread_mutex_lock(&m_Mutex);
    m_Signalled = true;
    const int error = wakeAll ? pthread_cond_broadcast(&m_Condition) : pthread_cond_signal(&m_Condition);
    pthread_mutex_unlock(&m_Mutex);
    return error == 0;
}

void CEventState::Reset()
{
    pthread_mutex_lock(&m_Mutex);
    m_Signalled = false;
    pthread_mutex_unlock(&m_Mutex);
}

bool CEventState::Wait(int ms, bool autoReset)
{
    bool result = true;
    pthread_mutex_lock(&m_Mutex);
    if (m_Signalled) {
        if (autoReset)
            m_Signalled = false;
    } else if (ms < 0) {
        while (!m_Signalled && result)
            result = pthread_cond_wait(&m_Condition, &m_Mutex) == 0;
        if (result && autoReset)
            m_Signalled = false;
    } else {
        const timespec deadline = GetDeadline(ms);
        while (!m_Signalled) {
            const int error = pthread_cond_timedwait(&m_Condition, &m_Mutex, &deadline);
            if (error == ETIMEDOUT)
                break;
            if (error != 0) {
                result = false;
                break;
            }
        }
    }
    pthread_mutex_unlock(&m_Mutex);
    return result;
}

} // namespace System
} // namespace Veltis
