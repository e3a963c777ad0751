#pragma once

#include "Veltis/Core/TIConstValueFactory.h"

namespace Veltis {
namespace Core {

// A value source that can be set.
template <class V>
class TIValueFactory : public virtual TIConstValueFactory<V> {
public:
    virtual void SetValue(V value) = 0;
};

} // namespace Core
} // namespace Veltis
