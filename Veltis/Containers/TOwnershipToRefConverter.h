#pragma once

#include "Veltis/Core/TOwnership.h"

namespace Veltis {
namespace Containers {

// Converter for containers of pointers to ownership holders: a reference to the held object.
template <class X>
struct TOwnershipToRefConverter {
    static X& Convert(Core::TOwnership<X>* element) { return *element->Get(); }
};

} // namespace Containers
} // namespace Veltis
