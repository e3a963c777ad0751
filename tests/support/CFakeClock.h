#pragma once

#include <atomic>
#include <stdint.h>

#include "platform/time/MonotonicClock.h"
#include "support/CManualTimerProvider.h"

namespace VeltisTest {

// Makes the stopwatches' clock move only when the test advances it, for as long as it lives. One at a
// time; it starts at an arbitrary non-zero time.
class CFakeClock {
public:
    CFakeClock() : m_Previous(Veltis::Platform::SetMonotonicTickSource(&Now)) { s_Now.store(1000000000ULL); }
    ~CFakeClock() { Veltis::Platform::SetMonotonicTickSource(m_Previous); }
    CFakeClock(const CFakeClock&) = delete;
    CFakeClock& operator=(const CFakeClock&) = delete;

    void AdvanceMs(double milliseconds) { s_Now.fetch_add(static_cast<uint64_t>(milliseconds * 1000000.0)); }

private:
    static uint64_t Now() { return s_Now.load(); }

    static inline std::atomic<uint64_t> s_Now{0};
    Veltis::Platform::MonotonicTickSource m_Previous;
};

// count times: the clock moves on by ms, then the timer ticks.
inline void TickAfter(CFakeClock& clock, CManualTimerProvider& timer, double ms, int count = 1)
{
    for (int i = 0; i < count; ++i) {
        clock.AdvanceMs(ms);
        timer.Tick();
    }
}

} // namespace VeltisTest
