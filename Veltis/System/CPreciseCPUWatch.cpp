#include "Veltis/System/CPreciseCPUWatch.h"

#include "platform/time/MonotonicClock.h"

namespace Veltis {
namespace System {

CPreciseCPUWatch::CPreciseCPUWatch() : m_StartTicks(0), m_StopTicks(0), m_Running(false), m_Numerator(1), m_Denominator(1)
{
    Platform::GetMonotonicTimebase(m_Numerator, m_Denominator);
    // A broken timebase would divide by zero in every conversion.
    if (m_Numerator == 0 || m_Denominator == 0)
        m_Numerator = m_Denominator = 1;
}

uint64_t CPreciseCPUWatch::GetCurrentTicks()
{
    return Platform::GetMonotonicTicks();
}

void CPreciseCPUWatch::Start()
{
    m_StartTicks = GetCurrentTicks();
    m_Running = true;
}

void CPreciseCPUWatch::Stop()
{
    if (!m_Running)
        return;
    m_StopTicks = GetCurrentTicks();
    m_Running = false;
}

void CPreciseCPUWatch::Reset()
{
    m_StartTicks = m_StopTicks = GetCurrentTicks();
    m_Running = false;
}

uint64_t CPreciseCPUWatch::GetElapsedTicks() const
{
    const uint64_t end = m_Running ? GetCurrentTicks() : m_StopTicks;
    return end > m_StartTicks ? end - m_StartTicks : 0;
}

double CPreciseCPUWatch::GetElapsedMilliseconds() const
{
    return TicksToMilliseconds(GetElapsedTicks());
}

uint64_t CPreciseCPUWatch::MillisecondsToTicks(double milliseconds) const
{
    const double ticks = milliseconds * 1000000.0 * static_cast<double>(m_Denominator) / static_cast<double>(m_Numerator);
    if (!(ticks > 0.0))
        return 0;
    // 2^64 as a double: anything at or above it does not fit.
    if (ticks >= 18446744073709551616.0)
        return UINT64_MAX;
    return static_cast<uint64_t>(ticks);
}

double CPreciseCPUWatch::TicksToMilliseconds(uint64_t ticks) const
{
    return static_cast<double>(ticks) * static_cast<double>(m_Numerator) / (static_cast<double>(m_Denominator) * 1000000.0);
}

} // namespace System
} // namespace Veltis
