#include "aax/AAX_CMutex.h"

#include <new>

AAX_CMutex::AAX_CMutex() : m_Record(new (std::nothrow) Record)
{
    if (m_Record && pthread_mutex_init(&m_Record->m_Mutex, nullptr) != 0) {
        delete m_Record;
        m_Record = nullptr;
    }
}

AAX_CMutex::~AAX_CMutex()
{
    if (!m_Record)
        return;
    pthread_mutex_destroy(&m_Record->m_Mutex);
    delete m_Record;
}

bool AAX_CMutex::IsOwnedByCaller() const
{
    return m_Record->m_Owned.load(std::memory_order_relaxed) &&
           pthread_equal(m_Record->m_Owner.load(std::memory_order_relaxed), pthread_self());
}

bool AAX_CMutex::Lock()
{
    if (!m_Record || IsOwnedByCaller())
        return false;
    if (pthread_mutex_lock(&m_Record->m_Mutex) != 0)
        return false;
    m_Record->m_Owner.store(pthread_self(), std::memory_order_relaxed);
    m_Record->m_Owned.store(true, std::memory_order_relaxed);
    return true;
}

void AAX_CMutex::Unlock()
{
    if (!m_Record || !IsOwnedByCaller())
        return;
    m_Record->m_Owned.store(false, std::memory_order_relaxed);
    pthread_mutex_unlock(&m_Record->m_Mutex);
}
