#pragma once

#include "Veltis/Containers/IConstCount.h"

namespace Veltis {
namespace Containers {

// A read-only sequence of values of type V (texts, or references to shared objects).
template <class V>
class IConstValueVector : public virtual IConstCount {
public:
    virtual V GetValue(int index) const = 0;
};

} // namespace Containers
} // namespace Veltis
