#pragma once

#include "Veltis/Audio/DSP/Filters/CBiquadFilter.h"

namespace Veltis {
namespace Audio {
namespace DSP {
namespace Filters {

// High pass, Butterworth (Q = 1/sqrt 2); parameter 0 the cut-off frequency in Hz.
class CHighPassFilter : public TBiquadKindFilter<Algorithm::CPassTerms, &Algorithm::DesignHighPass> {
public:
    CHighPassFilter();
    CHighPassFilter(const CHighPassFilter& other) = default;
    CHighPassFilter& operator=(const CHighPassFilter& other) = default;

    IFilter* Clone() const override { return new CHighPassFilter(*this); }
    const DataModel::Objects::IConstProductInfo& GetObjectInfo() const override;
};

} // namespace Filters
} // namespace DSP
} // namespace Audio
} // namespace Veltis
