#include "Veltis/Audio/DSP/Filters/CFastCompressor.h"

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

CFastCompressor::CFastCompressor() : m_Slope(1.0f), m_KneeWidth(0.0f), m_Threshold(1.0f), m_Mode(0)
{
    SetInputParamsInfo(Descriptors().m_Inputs);
    SetOutputParamsInfo(Descriptors().m_Outputs);
}

CFastCompressor::CFastCompressor(const CFastCompressor& other)
    : IFilter(), TDynamicsFilter(other), m_Slope(other.m_Slope), m_KneeWidth(other.m_KneeWidth),
      m_Threshold(other.m_Threshold), m_Mode(other.m_Mode)
{
}

CFastCompressor& CFastCompressor::operator=(const CFastCompressor& other)
{
    TDynamicsFilter::operator=(other);
    m_Slope = other.m_Slope;
    m_KneeWidth = other.m_KneeWidth;
    m_Threshold = other.m_Threshold;
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

} // namespace Filters
} // namespace DSP
} // namespace Audio
} // namespace Veltis
