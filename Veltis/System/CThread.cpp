#include "Veltis/System/CThread.h"

namespace Veltis {
namespace System {

CThread::CThread(Routine routine, void* userData, bool start)
    : m_Handle(), m_HasHandle(false), m_UserData(userData), m_Routine(routine), m_CancelRequested(false)
{
    pthread_mutex_init(&m_HandleMutex, nullptr);
    if (start)
        Start();
}

CThread::~CThread()
{
    m_Routine = nullptr;
    // Never joined: let the system reclaim the thread when it ends instead of leaking it.
    if (m_HasHandle)
        pthread_detach(m_Handle);
    pthread_mutex_destroy(&m_HandleMutex);
}

bool CThread::Start()
{
    pthread_mutex_lock(&m_HandleMutex);
    // A previous run that was never joined is released rather than leaked.
    if (m_HasHandle) {
        pthread_detach(m_Handle);
        m_HasHandle = false;
    }
    m_CancelRequested.store(false);
    m_HasHandle = pthread_create(&m_Handle, nullptr, &CThread::ThreadEntry, this) == 0;
    const bool started = m_HasHandle;
    pthread_mutex_unlock(&m_HandleMutex);
    return started;
}

void CThread::Cancel()
{
    m_CancelRequested.store(true);
}

bool CThread::IsCurrentThread()
{
    pthread_mutex_lock(&m_HandleMutex);
    const bool current = m_HasHandle && pthread_equal(m_Handle, pthread_self()) != 0;
    pthread_mutex_unlock(&m_HandleMutex);
    return current;
}

bool CThread::Join(int timeoutMs)
{
    if (timeoutMs != -1)
        return false;
    pthread_mutex_lock(&m_HandleMutex);
    const bool joinable = m_HasHandle && pthread_equal(m_Handle, pthread_self()) == 0;
    const pthread_t handle = m_Handle;
    pthread_mutex_unlock(&m_HandleMutex);
    if (!joinable)
        return false;
    if (pthread_join(handle, nullptr) != 0)
        return false;
    pthread_mutex_lock(&m_HandleMutex);
    if (m_HasHandle && pthread_equal(m_Handle, handle) != 0)
        m_HasHandle = false;
    pthread_mutex_unlock(&m_HandleMutex);
    return true;
}

void* CThread::ThreadEntry(void* argument)
{
    CThread* thread = static_cast<CThread*>(argument);
    if (thread && thread->m_Routine)
        thread->m_Routine(thread->m_UserData);
    return nullptr;
}

} // namespace System
} // namespace Veltis
