#include "Veltis/Audio/DSP/Filters/CBrickwallLimiter.h"

#include "Veltis/Audio/DSP/Filters/CFilterDescriptors.h"
#include "Veltis/Math/FunctionsLibrary.h"

namespace Veltis {
namespace Audio {
namespace DSP {
namespace Filters {

using DataModel::Objects::CParamInfo;
using Math::FunctionsLibrary::FromdB;

namespace {

const CFilterDescriptors& Descriptors()
{
    static const CFilterDescriptors descriptors("Brickwall Limiter", "1", "",
                                                {CParamInfo(2, "Decay Time", "s", "", nullptr, 0.0f, 5.0f, 0.7f),
                                                 CParamInfo(2, "Knee", "dB", "", nullptr, 0.0f, 30.0f, 0.0f)},
                                                {CParamInfo(2, "Attenuation", "dB", "", nullptr, -60.0f, 0.0f, 0.0f)});
    return descriptors;
}

} // namespace

CBrickwallLimiter::CBrickwallLimiter(int /*channels*/) : m_Knee(1.0f)
{
    SetInputParamsInfo(Descriptors().m_Inputs);
    SetOutputParamsInfo(Descriptors().m_Outputs);
}

CBrickwallLimiter::CBrickwallLimiter(const CBrickwallLimiter& other)
    : IFilter(), TDynamicsFilter(other), m_Knee(other.m_Knee)
{
}

const DataModel::Objects::IConstProductInfo& CBrickwallLimiter::GetObjectInfo() const { return Descriptors().m_Info; }

const IProcessInfo& CBrickwallLimiter::GetProcessInfo() const { return Descriptors().m_ProcessInfo; }

int CBrickwallLimiter::GetTailLength() const { return Algorithm::TruncateToLength(4.0f * m_Steps[0].m_Decay); }

void CBrickwallLimiter::FillEntry(CEntry& entry, const IConstValues& values) const
{
    entry.m_Decay = static_cast<float>(static_cast<double>(GetValueOrZero(values, 0)) * m_SampleRate);
    entry.m_Knee = FromdB(-GetValueOrZero(values, 1));
}

void CBrickwallLimiter::ApplyEntry(const CEntry& entry)
{
    m_Knee = entry.m_Knee;
    m_Follower.SetTimes(0.0f, entry.m_Decay, 0);
}

} // namespace Filters
} // namespace DSP
} // namespace Audio
} // namespace Veltis
