#pragma once

#include "Veltis/Audio/DSP/Filters/CBiquadFilter.h"

namespace Veltis {
namespace Audio {
namespace DSP {
namespace Filters {

// Low shelf of slope 1; parameters: frequency in Hz, gain in dB.
class CLowShelfFilter : public TBiquadKindFilter<Algorithm::CShelfTerms, &Algorithm::DesignLowShelf> {
public:
    CLowShelfFilter();
    CLowShelfFilter(const CLowShelfFilter& other) = default;
    CLowShelfFilter& operator=(const CLowShelfFilter& other) = default;

    IFilter* Clone() const override { return new CLowShelfFilter(*this); }
    const DataModel::Objects::IConstProductInfo& GetObjectInfo() const override;
};

} // namespace Filters
} // namespace DSP
} // namespace Audio
} // namespace Veltis
