#pragma once

#include <atomic>

#include "Veltis/System/CEvent.h"

namespace VeltisTest {

// A signal between threads that a bounded wait can tell apart from a timeout (an event's timed wait
// returns true either way).
class CRaisedFlag {
public:
    static constexpr int kPatienceMs = 5000;

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
    // True once raised; false when kPatienceMs passed first.
    bool Wait()
    {
        m_Event.Wait(kPatienceMs);
        return m_Raised.load();
    }

private:
    std::atomic<bool> m_Raised{false};
    Veltis::System::CEvent m_Event;
};

} // namespace VeltisTest
