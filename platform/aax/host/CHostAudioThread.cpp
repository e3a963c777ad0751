#include "platform/aax/host/CHostAudioThread.h"

#include <chrono>

namespace Veltis {
namespace Platform {
namespace AAXHost {

CHostAudioThread::CHostAudioThread() : m_Thread(&CHostAudioThread::Loop, this) {}

CHostAudioThread::~CHostAudioThread()
{
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_Stopping = true;
    }
    m_Changed.notify_all();
    m_Thread.join();
}

void CHostAudioThread::Post(std::function<void()> job)
{
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_Jobs.push_back(std::move(job));
        ++m_Posted;
    }
    m_Changed.notify_all();
}

bool CHostAudioThread::WaitIdle(int timeoutMs)
{
    std::unique_lock<std::mutex> lock(m_Mutex);
    return m_Changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return m_Done == m_Posted; });
}

bool CHostAudioThread::Run(std::function<void()> job, int timeoutMs)
{
    Post(std::move(job));
    return WaitIdle(timeoutMs);
}

void CHostAudioThread::Loop()
{
    std::unique_lock<std::mutex> lock(m_Mutex);
    for (;;) {
        m_Changed.wait(lock, [this] { return m_Stopping || !m_Jobs.empty(); });
        if (m_Jobs.empty())
            return;
        std::vector<std::function<void()>> jobs;
        jobs.swap(m_Jobs);
        lock.unlock();
        for (std::function<void()>& job : jobs)
            job();
        lock.lock();
        m_Done += jobs.size();
        m_Changed.notify_all();
    }
}

} // namespace AAXHost
} // namespace Platform
} // namespace Veltis
