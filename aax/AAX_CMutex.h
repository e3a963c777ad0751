#pragma once

#include <pthread.h>

#include <atomic>

// The interface library's lock: not recursive, but it knows its owner, so a second Lock by the holding
// thread returns false instead of deadlocking. A caller unlocks only when its own Lock returned true.
class AAX_CMutex {
public:
    AAX_CMutex();
    ~AAX_CMutex();
    AAX_CMutex(const AAX_CMutex&) = delete;
    AAX_CMutex& operator=(const AAX_CMutex&) = delete;

    // False without a working mutex or when the calling thread already holds it.
    bool Lock();
    // Does nothing unless the calling thread holds the mutex.
    void Unlock();

private:
    struct Record {
        // Written only by the holder; read by others only to compare with their own identity.
        std::atomic<bool> m_Owned{false};
        std::atomic<pthread_t> m_Owner{};
        pthread_mutex_t m_Mutex;
    };

    bool IsOwnedByCaller() const;

    Record* m_Record;
};
