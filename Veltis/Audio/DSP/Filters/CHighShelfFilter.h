#pragma once

#include "Veltis/Audio/DSP/Filters/CBiquadFilter.h"

namespace Veltis {
namespace Audio {
namespace DSP {
namespace Filters {

// High shelf of slope 1; parameters: frequency in Hz, gain in dB.
class CHighShelfFilter : public TBiquadKindFilter<Algorithm::CShelfTerms, &Algorithm::DesignHighShelf> {
public:
    CHighShelfFilter();
    CHighShelfFilter(const CHighShelfFilter& other) = default;
    CHighShelfFilter& operator=(const CHighShelfFilter& other) = default;

    IFilter* Clone() const override { return new CHighShelfFilter(*this); }
    const DataModel::Objects::IConstProductInfo& GetObjectInfo() const override;
};

} // namespace Filters
} // namespace DSP
} // namespace Audio
} // namespace Veltis
