#pragma once

#include "Veltis/Containers/IConstValueVector.h"

namespace Veltis {
namespace Containers {

// A sequence of values that may be replaced one by one.
template <class V>
class IValueVector : public virtual IConstValueVector<V> {
public:
    virtual void SetValue(int index, V value) = 0;
};

} // namespace Containers
} // namespace Veltis
