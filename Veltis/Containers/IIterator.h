#pragma once

#include "Veltis/Containers/IConstIterator.h"

namespace Veltis {
namespace Containers {

// An iterator whose current element may be changed.
template <class X>
class IIterator : public virtual IConstIterator<X> {
public:
    using IConstIterator<X>::GetCurrent;
    virtual X& GetCurrent() = 0;
};

} // namespace Containers
} // namespace Veltis
