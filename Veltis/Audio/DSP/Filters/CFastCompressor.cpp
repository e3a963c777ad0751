#include "Veltis/Audio/DSP/Filters/CFastCompressor.h"

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
    static const CFilterDescriptors descriptors(
        "Fast Compressor", "1", "",
        {CParamInfo(2, "Attack Time", "ms", "", nullptr, 0.0f, 5000.0f, 100.0f),
         CParamInfo(2, "Decay Time", "ms", "", nullptr, 0.0f, 5000.0f, 700.0f),
         CParamInfo(2, "Threshold", "dB", "", nullptr, -60.0f, 0.0f, 0.0f),
         CParamInfo(2, "Knee", "dB", "", nullptr, 0.0f, 30.0f, 0.0f), CParamInfo(2, "", "", "", nullptr, 0.0f, 0.0f, 0.0f)},
        {CParamInfo(2, "Compression", "dB", "", nullptr, -60.0f, 0.0f, 0.0f)});
    return descriptors;
}

} // namespace

CFastCompressor::CFastCompressor()
    : m_Steps(), m_Follower(1), m_Slope(1.0f), m_KneeWidth(0.0f), m_Threshold(1.0f), m_Gain(1.0f),
      m_OutputParamsValues(1), m_Mode(0)
{
    Core::GetDecibelTable();
    SetInputParamsInfo(Descriptors().m_Inputs);
    SetOutputParamsInfo(Descriptors().m_Outputs);
}

CFastCompressor::CFastCompressor(const CFastCompressor& other)
    : IFilter(), CBaseCoreDSPFilter(other), m_Follower(other.m_Follower), m_Slope(other.m_Slope),
      m_KneeWidth(other.m_KneeWidth), m_Threshold(other.m_Threshold), m_Gain(other.m_Gain),
      m_OutputParamsValues(other.m_OutputParamsValues), m_Mode(other.m_Mode)
{
    for (int i = 0; i < 3; ++i)
        m_Steps[i] = other.m_Steps[i];
}

CFastCompressor& CFastCompressor::operator=(const CFastCompressor& other)
{
    if (this == &other)
        return *this;
    CBaseCoreDSPFilter::operator=(other);
    for (int i = 0; i < 3; ++i)
        m_Steps[i] = other.m_Steps[i];
    m_Follower = other.m_Follower;
    m_Slope = other.m_Slope;
    m_KneeWidth = other.m_KneeWidth;
    m_Threshold = other.m_Threshold;
    m_Gain = other.m_Gain;
    m_OutputParamsValues.SetValue(0, other.m_OutputParamsValues.GetValue(0));
    m_Mode = other.m_Mode;
    return *this;
}

const DataModel::Objects::IConstProductInfo& CFastCompressor::GetObjectInfo() const { return Descriptors().m_Info; }

const IProcessInfo& CFastCompressor::GetProcessInfo() const { return Descriptors().m_ProcessInfo; }

void CFastCompressor::FillEntry(CEntry& entry, const IConstValues& values) const
{
    entry.m_Attack = static_cast<float>(static_cast<double>(GetValueOrZero(values, 0)) * m_SampleRate);
    entry.m_Decay = static_cast<float>(static_cast<double>(GetValueOrZero(values, 1)) * m_SampleRate);
    entry.m_Threshold = FromdB(GetValueOrZero(values, 2));
    entry.m_Slope = GetValueOrZero(values, 3);
    entry.m_Knee = FromdB(GetValueOrZero(values, 4));
}

void CFastCompressor::ApplyEntry(const CEntry& entry)
{
    m_Follower.SetTimes(entry.m_Attack, entry.m_Decay, 0);
    m_Slope = entry.m_Slope;
    m_Threshold = entry.m_Threshold;
    m_KneeWidth = entry.m_Threshold - entry.m_Threshold / entry.m_Knee;
}

void CFastCompressor::SetParamsValues(const IConstValues& values)
{
    if (m_SampleRate == 0.0)
        return;
    FillEntry(m_Steps[0], values);
    ApplyEntry(m_Steps[0]);
}

void CFastCompressor::UpdateOutputParams() { m_OutputParamsValues.SetValue(0, Core::GetDecibelTable().GetValue(m_Gain)); }

void CFastCompressor::Reset()
{
    m_Follower.ResetEnvelopes();
    m_Gain = 1.0f;
}

void CFastCompressor::DoProcess(const Containers::IConstVector<IAudioStream>& inputs,
                                Containers::IVector<IAudioStream>& outputs, int count,
                                const IParamsVariations* variations)
{
    CMonoBlock block;
    if (!block.Open(inputs, outputs, variations))
        return;
    const int sets = block.ApplyVariations(*this, m_SampleRate != 0.0, variations,
                                           [this](int k, const IConstValues& set) { FillEntry(m_Steps[k], set); });
    const unsigned mask = (1u << (static_cast<unsigned>(m_Mode) & 31u)) - 1u;
    auto law = [this](float e) { return Algorithm::GetCompressorGain(e, m_Threshold, m_KneeWidth, m_Slope); };
    Algorithm::ProcessDynamics(m_Follower, law, m_Steps, sets, mask, [this](const CEntry& entry) { ApplyEntry(entry); },
                               block.m_Input, block.m_InputStep, block.m_Output, block.m_OutputStep, count, m_Gain);
}

} // namespace Filters
} // namespace DSP
} // namespace Audio
} // namespace Veltis
