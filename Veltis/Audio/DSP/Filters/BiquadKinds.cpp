#include "Veltis/Audio/DSP/Filters/CHighPassFilter.h"
#include "Veltis/Audio/DSP/Filters/CHighShelfFilter.h"
#include "Veltis/Audio/DSP/Filters/CLowPassFilter.h"
#include "Veltis/Audio/DSP/Filters/CLowShelfFilter.h"
#include "Veltis/Audio/DSP/Filters/CPeakFilter.h"
#include "Veltis/DataModel/Objects/CProductInfo.h"

// The info records and parameter descriptors of the five biquad kinds, built once and shared.

namespace Veltis {
namespace Audio {
namespace DSP {
namespace Filters {

using DataModel::Objects::CParamInfo;
using DataModel::Objects::CProductInfo;
using DataModel::Objects::IConstProductInfo;

namespace {

const char kCopyright[] = "Copyright Veltis";

struct CKindDescriptors {
    CKindDescriptors(const char* name, std::initializer_list<CParamInfo> params)
        : m_Info(name, "1.0", kCopyright, ""), m_Params(static_cast<int>(params.size()))
    {
        int i = 0;
        for (const CParamInfo& param : params)
            m_Params.GetStorage()[i++] = param;
    }

    CProductInfo m_Info;
    CBaseCoreDSPFilter::CParamsInfo m_Params;
};

CParamInfo ShelfFrequency() { return CParamInfo(2, "Frequency", "Hz", "", nullptr, 10.0f, 22000.0f, 500.0f); }

CParamInfo Gain() { return CParamInfo(2, "Gain", "dB", "", nullptr, -40.0f, 40.0f, 0.0f); }

const CKindDescriptors& LowPass()
{
    static const CKindDescriptors descriptors("Low Pass Filter", {ShelfFrequency()});
    return descriptors;
}

const CKindDescriptors& HighPass()
{
    static const CKindDescriptors descriptors("High Pass Filter", {ShelfFrequency()});
    return descriptors;
}

const CKindDescriptors& LowShelf()
{
    static const CKindDescriptors descriptors("Low Shelf Filter", {ShelfFrequency(), Gain()});
    return descriptors;
}

const CKindDescriptors& HighShelf()
{
    static const CKindDescriptors descriptors("High Shelf Filter", {ShelfFrequency(), Gain()});
    return descriptors;
}

const CKindDescriptors& Peak()
{
    static const CKindDescriptors descriptors(
        "Peak Filter", {CParamInfo(2, "Frequency", "Hz", "", nullptr, 20.0f, 16000.0f, 500.0f),
                        CParamInfo(2, "Bandwidth", "Octave", "", nullptr, 0.01f, 5.0f, 1.0f), Gain()});
    return descriptors;
}

} // namespace

CLowPassFilter::CLowPassFilter() { SetInputParamsInfo(LowPass().m_Params); }
const IConstProductInfo& CLowPassFilter::GetObjectInfo() const { return LowPass().m_Info; }

CHighPassFilter::CHighPassFilter() { SetInputParamsInfo(HighPass().m_Params); }
const IConstProductInfo& CHighPassFilter::GetObjectInfo() const { return HighPass().m_Info; }

CLowShelfFilter::CLowShelfFilter() { SetInputParamsInfo(LowShelf().m_Params); }
const IConstProductInfo& CLowShelfFilter::GetObjectInfo() const { return LowShelf().m_Info; }

CHighShelfFilter::CHighShelfFilter() { SetInputParamsInfo(HighShelf().m_Params); }
const IConstProductInfo& CHighShelfFilter::GetObjectInfo() const { return HighShelf().m_Info; }

CPeakFilter::CPeakFilter() { SetInputParamsInfo(Peak().m_Params); }
const IConstProductInfo& CPeakFilter::GetObjectInfo() const { return Peak().m_Info; }

} // namespace Filters
} // namespace DSP
} // namespace Audio
} // namespace Veltis
