#pragma once

#include "Veltis/Containers/TIdentityConverter.h"

namespace Veltis {
namespace Containers {

// Converter for containers that hold their objects by value: a reference to the element itself.
template <class X>
struct TPointerToRefConverter : TIdentityConverter<X> {
};

} // namespace Containers
} // namespace Veltis
