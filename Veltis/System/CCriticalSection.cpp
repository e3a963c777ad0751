#include "Veltis/System/CCriticalSection.h"

namespace Veltis {
namespace System {

CCriticalSection::CCriticalSection()
{
    pthread_mutexattr_t attributes;
    pthread_mutexattr_init(&attributes);
    pthread_mutexattr_settype(&attributes, PTHREAD_MUTEX_RECURSIVE);
    pthread_mutex_init(&m_Mutex, &attributes);
    pthread_mutexattr_destroy(&attributes);
}

CCriticalSection::~CCriticalSection()
{
    pthread_mutex_destroy(&m_Mutex);
}

void CCriticalSection::Lock()
{
    pthread_mutex_lock(&m_Mutex);
}

void CCriticalSection::Unlock()
{
    pthread_mutex_unlock(&m_Mutex);
}

} // namespace System
} // namespace Veltis
