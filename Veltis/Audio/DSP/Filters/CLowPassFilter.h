#pragma once

#include "Veltis/Audio/DSP/Filters/CBiquadFilter.h"

namespace Veltis {
namespace Audio {
namespace DSP {
namespace Filters {

// Low pass, Butterworth (Q = 1/sqrt 2); parameter 0 the cut-off frequency in Hz.
class CLowPassFilter : public TBiquadKindFilter<Algorithm::CPassTerms, &Algorithm::DesignLowPass> {
public:
    CLowPassFilter();
    CLowPassFilter(const CLowPassFilter& other) = default;
    CLowPassFilter& operator=(const CLowPassFilter& other) = default;

    IFilter* Clone() const override { return new CLowPassFilter(*this); }
    const DataModel::Objects::IConstProductInfo& GetObjectInfo() const override;
};

} // namespace Filters
} // namespace DSP
} // namespace Audio
} // namespace Veltis
