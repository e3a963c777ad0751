#pragma once

#include "Veltis/Core/IValueChangedEventProvider.h"
#include "Veltis/Core/TValueTraits.h"

namespace Veltis {
namespace Core {

// A value source that hands out copies the caller owns: array-new text (null for none), or a clone.
template <class V>
class TIConstValueFactory : public virtual IValueChangedEventProvider {
public:
    virtual typename TValueTraits<V>::Created CreateValue() const = 0;
};

} // namespace Core
} // namespace Veltis
