#pragma once

#include "Veltis/Containers/IConstValueVector.h"

namespace Veltis {
namespace Audio {
namespace DSP {

// The parameter changes of one block: set 0 the values at its first sample, optional set 1 the
// per-sample increments, optional set 2 the per-sample change of the increments. No set: no change.
class IParamsVariations {
public:
    virtual int GetCount() const = 0;
    // Indexes are not tested.
    virtual const Containers::IConstValueVector<float>& GetAt(int index) const = 0;
    virtual ~IParamsVariations() {}
};

} // namespace DSP
} // namespace Audio
} // namespace Veltis
