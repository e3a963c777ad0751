#include "Veltis/Audio/DSP/Filters/CBrickwallLimiter.h"

#include "Veltis/Audio/DSP/Algorithm/DynamicsGainLaws.h"
#include "Veltis/Audio/DSP/Filters/CFilterDescriptors.h"
#include "Veltis/Audio/DSP/Filters/CMonoBlock.h"
#include "Veltis/Core/TLookupTable.h"
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

CBrickwallLimiter::CBrickwallLimiter(int /*channels*/)
    : m_Steps(), m_Knee(1.0f), m_Follower(1), m_Gain(1.0f), m_OutputParamsValues(1)
{
    Core::GetDecibelTable();
    SetInputParamsInfo(Descriptors().m_Inputs);
    SetOutputParamsInfo(Descriptors().m_Outputs);
}

CBrickwallLimiter::CBrickwallLimiter(const CBrickwallLimiter& other)
    : IFilter(), CBaseCoreDSPFilter(other), m_Knee(other.m_Knee), m_Follower(other.m_Follower),
      m_Gain(other.m_Gain), m_OutputParamsValues(other.m_OutputParamsValues)
{
    for (int i = 0; i < 3; ++i)
        m_Steps[i] = other.m_Steps[i];
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

void CBrickwallLimiter::SetParamsValues(const IConstValues& values)
{
    if (m_SampleRate == 0.0)
        return;
    FillEntry(m_Steps[0], values);
    ApplyEntry(m_Steps[0]);
}

void CBrickwallLimiter::UpdateOutputParams()
{
    m_OutputParamsValues.SetValue(0, Core::GetDecibelTable().GetValue(m_Gain));
}

void CBrickwallLimiter::Reset()
{
    m_Follower.ResetEnvelopes();
    m_Gain = 1.0f;
}

void CBrickwallLimiter::DoProcess(const Containers::IConstVector<IAudioStream>& inputs,
                                  Containers::IVector<IAudioStream>& outputs, int count,
                                  const IParamsVariations* variations)
{
    CMonoBlock block;
    if (!block.Open(inputs, outputs, variations))
        return;
    const int sets = block.ApplyVariations(*this, m_SampleRate != 0.0, variations,
                                           [this](int k, const IConstValues& set) { FillEntry(m_Steps[k], set); });
    Algorithm::ProcessDynamics(
        m_Follower, [this](float e) { return Algorithm::GetLimiterGain(e, m_Knee); }, m_Steps, sets, 0u,
        [this](const CEntry& entry) { ApplyEntry(entry); }, block.m_Input, block.m_InputStep, block.m_Output,
        block.m_OutputStep, count, m_Gain);
}

} // namespace Filters
} // namespace DSP
} // namespace Audio
} // namespace Veltis
