#include "Veltis/Audio/DSP/COutputDataSync.h"

#include "Veltis/Core/SaturatingCast.h"

#include <climits>

namespace Veltis {
namespace Audio {
namespace DSP {

namespace {

// A refresh rate of 0 asks for no refresh at all, not for an endless period.
int ComputePeriod(double sampleRate, double refreshRate)
{
    return refreshRate == 0.0 ? 0 : Core::TruncateToLength(sampleRate / refreshRate);
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
