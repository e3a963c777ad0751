#include "Veltis/System/CEvent.h"

#include <errno.h>

#include "Veltis/System/ConditionClock.h"

namespace Veltis {
namespace System {

CEvent::CEvent(bool signalled) : m_Signalled(signalled)
{
    ConditionClock::InitCondition(&m_Condition);
    pthread_mutex_init(&m_Mutex, nullptr);
}

CEvent::~CEvent()
{
    pthread_cond_destroy(&m_Condition);
    pthread_mutex_destroy(&m_Mutex);
}

bool CEvent::Set()
{
    pthread_mutex_lock(&m_Mutex);
    m_Signalled = true;
    const bool result = pthread_cond_broadcast(&m_Condition) == 0;
    pthread_mutex_unlock(&m_Mutex);
    return result;
}

bool CEvent::Reset()
{
    pthread_mutex_lock(&m_Mutex);
    m_Signalled = false;
    pthread_mutex_unlock(&m_Mutex);
    return true;
}

bool CEvent::Wait(int ms)
{
    bool result = true;
    pthread_mutex_lock(&m_Mutex);
    if (ms < 0) {
        while (!m_Signalled && result)
            result = pthread_cond_wait(&m_Condition, &m_Mutex) == 0;
    } else {
        const timespec deadline = ConditionClock::GetDeadline(ms);
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
