#pragma once

#include <stdint.h>

namespace Veltis {
namespace System {

// A stopwatch on the platform's high-resolution tick counter, for timer periods, transitions and
// time stamps. Not locked: one thread at a time uses a watch.
class CPreciseCPUWatch {
public:
    // At zero and not running; the timebase is read now.
    CPreciseCPUWatch();
    virtual ~CPreciseCPUWatch() {}

    // Running from now on.
    void Start();
    // Freezes the elapsed time; a watch that is not running stays as it is.
    void Stop();
    // Not running, with start and stop both now: the elapsed time stays 0 until the next Start.
    void Reset();
    bool IsRunning() const { return m_Running; }

    // (now while running, else the stop tick) minus the start tick; never below 0.
    uint64_t GetElapsedTicks() const;
    double GetElapsedMilliseconds() const;

    // Saturating: a negative or NaN time gives 0 ticks, a time beyond the counter's range the largest.
    uint64_t MillisecondsToTicks(double milliseconds) const;
    double TicksToMilliseconds(uint64_t ticks) const;

    static uint64_t GetCurrentTicks();

private:
    uint64_t m_StartTicks;
    uint64_t m_StopTicks;
    bool m_Running;
    uint32_t m_Numerator;
    uint32_t m_Denominator;
};

} // namespace System
} // namespace Veltis
