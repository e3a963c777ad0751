#pragma once

#include "Veltis/Containers/IIterator.h"
#include "Veltis/Containers/TIConst2WaysIterator.h"

namespace Veltis {
namespace Containers {

// A two-way iterator whose current element may be changed.
template <class X>
class I2WaysIterator : public virtual IIterator<X>, public virtual TIConst2WaysIterator<X> {
public:
    using IIterator<X>::GetCurrent;
};

} // namespace Containers
} // namespace Veltis
