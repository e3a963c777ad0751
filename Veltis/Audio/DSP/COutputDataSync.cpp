#include "Veltis/Audio/DSP/COutputDataSync.h"

#include <climits>

namespace Veltis {
namespace Audio {
namespace DSP {

namespace {

// Truncated towards zero and saturated to 0..INT_MAX; 0 for a refresh rate of 0 or an unordered result.
int ComputePeriod(double sampleRate, double refreshRate)
{
    if (refreshRate == 0.0)
        return 0;
    const double period = sampleRate / refreshRate;
    if (!(period > 0.0))
        return 0;
    if (period >= static_cast<double>(INT_MAX))
        return INT_MAX;
    return static_cast<int>(period);
}

} // namespace

void COutputDataSync::SetRefreshRate(double hz)
{
    m_RefreshRate = hz;
    m_Period = ComputePeriod(m_SampleRate, hz);
}

void COutputDataSync::AddSamples(int count)
{
    if (count <= 0)
        return;
    m_Counter = m_Counter > INT_MAX - count ? INT_MAX : m_Counter + count;
}

void COutputDataSync::SetSampleRate(double rate)
{
    m_SampleRate = rate;
    m_Period = ComputePeriod(rate, m_RefreshRate);
    m_Counter = m_Period;
}

} // namespace DSP
} // namespace Audio
} // namespace Veltis
