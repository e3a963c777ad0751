#pragma once

#include "Veltis/Core/TIConstValue.h"

namespace Veltis {
namespace Core {

// A writable observable value.
template <class V>
class TIValue : public virtual TIConstValue<V> {
public:
    virtual void SetValue(V value) = 0;
};

} // namespace Core
} // namespace Veltis
