#pragma once

#include "Veltis/Containers/IConstVector.h"

namespace Veltis {
namespace Containers {

// A sequence whose elements may be changed in place. Indexes are not tested.
template <class I>
class IVector : public virtual IConstVector<I> {
public:
    using IConstVector<I>::GetAt;
    virtual I& GetAt(int index) = 0;
};

} // namespace Containers
} // namespace Veltis
