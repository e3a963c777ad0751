#pragma once

#include "Veltis/Containers/IConstCount.h"

namespace Veltis {
namespace Containers {

// A read-only sequence of elements seen through their interface I. Indexes are not tested.
template <class I>
class IConstVector : public virtual IConstCount {
public:
    virtual const I& GetAt(int index) const = 0;
};

} // namespace Containers
} // namespace Veltis
