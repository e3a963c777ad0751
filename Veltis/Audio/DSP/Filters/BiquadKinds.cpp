#include "Veltis/Audio/DSP/Filters/CHighPassFilter.h"
#include "Veltis/Audio/DSP/Filters/CHighShelfFilter.h"
#include "Veltis/Audio/DSP/Filters/CLowPassFilter.h"
#include "Veltis/Audio/DSP/Filters/CLowShelfFilter.h"
#include "Veltis/Audio/DSP/Filters/CPeakFilter.h"
#include "Veltis/Audio/DSP/Filters/CFilterDescriptors.h"

// The info records and parameter descriptors of the five biquad kinds, built once and shared.

namespace Veltis {
namespace Audio {
namespace DSP {
namespace Filters {

using DataModel::Objects::CParamInfo;
using DataModel::Objects::IConstProductInfo;

namespace {

CParamInfo ShelfFrequency() { return CParamInfo(2, "Frequency", "Hz", "", nullptr, 10.0f, 22000.0f, 500.0f); }

CParamInfo Gain() { return CParamInfo(2, "Gain", "dB", "", nullptr, -40.0f, 40.0f, 0.0f); }

const CFilterDescriptors& LowPass()
{
    static const CFilterDescriptors descriptors("Low Pass Filter", "1.0", "", {ShelfFrequency()});
    return descriptors;
}

const CFilterDescriptors& HighPass()
{
    static const CFilterDescriptors descriptors("High Pass Filter", "1.0", "", {ShelfFrequency()});
    return descriptors;
}

const CFilterDescriptors& LowShelf()
{
    static const CFilterDescriptors descriptors("Low Shelf Filter", "1.0", "", {ShelfFrequency(), Gain()});
    return descriptors;
}

const CFilterDescriptors& HighShelf()
{
    static const CFilterDescriptors descriptors("High Shelf Filter", "1.0", "", {ShelfFrequency(), Gain()});
    return descriptors;
}

const CFilterDescriptors& Peak()
{
    static const CFilterDescriptors descriptors(
        "Peak Filter", "1.0", "", {CParamInfo(2, "Frequency", "Hz", "", nullptr, 20.0f, 16000.0f, 500.0f),
                        CParamInfo(2, "Bandwidth", "Octave", "", nullptr, 0.01f, 5.0f, 1.0f), Gain()});
    return descriptors;
}

} // namespace

CLowPassFilter::CLowPassFilter() { SetInputParamsInfo(LowPass().m_Inputs); }
const IConstProductInfo& CLowPassFilter::GetObjectInfo() const { return LowPass().m_Info; }

CHighPassFilter::CHighPassFilter() { SetInputParamsInfo(HighPass().m_Inputs); }
const IConstProductInfo& CHighPassFilter::GetObjectInfo() const { return HighPass().m_Info; }

CLowShelfFilter::CLowShelfFilter() { SetInputParamsInfo(LowShelf().m_Inputs); }
const IConstProductInfo& CLowShelfFilter::GetObjectInfo() const { return LowShelf().m_Info; }

CHighShelfFilter::CHighShelfFilter() { SetInputParamsInfo(HighShelf().m_Inputs); }
const IConstProductInfo& CHighShelfFilter::GetObjectInfo() const { return HighShelf().m_Info; }

CPeakFilter::CPeakFilter() { SetInputParamsInfo(Peak().m_Inputs); }
const IConstProductInfo& CPeakFilter::GetObjectInfo() const { return Peak().m_Info; }

} // namespace Filters
} // namespace DSP
} // namespace Audio
} // namespace Veltis
