#pragma once

#include <pthread.h>

#include <atomic>

namespace Veltis {
namespace System {

// A POSIX thread that runs one routine with its user data. It must be joined (or known to have
// ended) before it is destroyed, because the running thread reads the routine and the user data.
class CThread {
public:
    typedef void (*Routine)(void* userData);

    CThread(Routine routine, void* userData, bool start);
    virtual ~CThread();

    CThread(const CThread&) = delete;
    CThread& operator=(const CThread&) = delete;

    // Returns false when the thread could not be created.
    virtual bool Start();
    // Only records the request (see IsCancelRequested): forced cancellation would unwind C++ frames
    // that do not expect it.
    virtual void Cancel();
    virtual bool IsCurrentThread();
    // -1 waits for the thread to end; any other value returns at once (timed joins are not
    // supported). Returns true when the thread has been joined.
    virtual bool Join(int timeoutMs);

    // For routines that poll for Cancel.
    bool IsCancelRequested() const { return m_CancelRequested.load(); }

private:
    static void* ThreadEntry(void* argument);

    pthread_t m_Handle;
    bool m_HasHandle;
    void* m_UserData;
    Routine m_Routine;
    std::atomic<bool> m_CancelRequested;
    // Guards the handle: the new thread may ask IsCurrentThread before pthread_create has returned.
    pthread_mutex_t m_HandleMutex;
};

} // namespace System
} // namespace Veltis
