#pragma once

#include "Veltis/Audio/DSP/Filters/CBiquadFilter.h"

namespace Veltis {
namespace Audio {
namespace DSP {
namespace Filters {

// Peak (bell); parameters: centre frequency in Hz, bandwidth in octaves (1/Q), gain in dB.
class CPeakFilter : public TBiquadKindFilter<Algorithm::CPeakTerms, &Algorithm::DesignPeak> {
public:
    CPeakFilter();
    CPeakFilter(const CPeakFilter& other) = default;
    CPeakFilter& operator=(const CPeakFilter& other) = default;

    IFilter* Clone() const override { return new CPeakFilter(*this); }
    const DataModel::Objects::IConstProductInfo& GetObjectInfo() const override;
};

} // namespace Filters
} // namespace DSP
} // namespace Audio
} // namespace Veltis
