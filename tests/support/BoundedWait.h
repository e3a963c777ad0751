#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include "Veltis/System/CEvent.h"

// Bounded waits for tests: WaitFor(event, "what") and WaitUntil(condition, "what") give up after kWaitMs,
// record a failure naming what was awaited and return false (use ASSERT_TRUE), so a fault fails instead of hangs.
namespace VeltisTest {

constexpr int kWaitMs = 5000;

// CEvent::Wait reports a time-out as success, so the elapsed time tells a time-out apart.
inline bool WaitFor(Veltis::System::CEvent& event, const char* what, int ms = kWaitMs)
{
    const auto start = std::chrono::steady_clock::now();
    event.Wait(ms);
    if (std::chrono::steady_clock::now() - start < std::chrono::milliseconds(ms))
        return true;
    ADD_FAILURE() << "timed out after " << ms << " ms waiting for " << what;
    return false;
}

inline bool WaitUntil(const std::function<bool()>& condition, const char* what, int ms = kWaitMs)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= end) {
            ADD_FAILURE() << "timed out after " << ms << " ms waiting for " << what;
            return false;
        }
        std::this_thread::yield();
    }
    return true;
}

// A signal between threads that a bounded wait tells apart from a time-out.
class CRaisedFlag {
public:
    void Raise()
    {
        m_Raised.store(true);
        m_Event.Set();
    }
    void Lower()
    {
        m_Raised.store(false);
        m_Event.Reset();
    }
    bool IsRaised() const { return m_Raised.load(); }
    // True once raised; false when ms passed first. Tests call WaitFor(flag, "what"), which reports it.
    bool Wait(int ms)
    {
        m_Event.Wait(ms);
        return m_Raised.load();
    }

private:
    std::atomic<bool> m_Raised{false};
    Veltis::System::CEvent m_Event;
};

inline bool WaitFor(CRaisedFlag& flag, const char* what, int ms = kWaitMs)
{
    if (flag.Wait(ms))
        return true;
    ADD_FAILURE() << "timed out after " << ms << " ms waiting for " << what;
    return false;
}

} // namespace VeltisTest
