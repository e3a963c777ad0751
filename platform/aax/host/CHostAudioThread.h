#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace Veltis {
namespace Platform {
namespace AAXHost {

// The host's audio thread: runs the jobs posted to it one after another, for rendering off the main
// thread while the main thread automates, saves and restores.
class CHostAudioThread {
public:
    CHostAudioThread();
    // Finishes the posted jobs, then joins.
    ~CHostAudioThread();
    CHostAudioThread(const CHostAudioThread&) = delete;
    CHostAudioThread& operator=(const CHostAudioThread&) = delete;

    void Post(std::function<void()> job);
    // True once every job posted so far has run; false when timeoutMs passed first.
    bool WaitIdle(int timeoutMs);
    // Post and WaitIdle.
    bool Run(std::function<void()> job, int timeoutMs);
    bool IsAudioThread() const { return std::this_thread::get_id() == m_Thread.get_id(); }

private:
    void Loop();

    std::mutex m_Mutex;
    std::condition_variable m_Changed;
    std::vector<std::function<void()>> m_Jobs;
    size_t m_Posted = 0;
    size_t m_Done = 0;
    bool m_Stopping = false;
    std::thread m_Thread;
};

} // namespace AAXHost
} // namespace Platform
} // namespace Veltis
