#pragma once

#include "Veltis/Containers/IConstIterator.h"

namespace Veltis {
namespace Containers {

// A read-only iterator that also walks backwards. Previous from the first element goes to the end.
template <class X>
class TIConst2WaysIterator : public virtual IConstIterator<X> {
public:
    virtual void Last() = 0;
    virtual void Previous() = 0;
};

} // namespace Containers
} // namespace Veltis
