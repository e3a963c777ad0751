#pragma once

#include "Veltis/Core/IValueChangedEventProvider.h"

namespace Veltis {
namespace Core {

// A readable observable value.
template <class V>
class TIConstValue : public virtual IValueChangedEventProvider {
public:
    virtual V GetValue() const = 0;
};

} // namespace Core
} // namespace Veltis
