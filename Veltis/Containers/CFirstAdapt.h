#pragma once

#include "Veltis/Core/CCharString.h"

#include <utility>

namespace Veltis {
namespace Containers {

// Converter for the entries of a hash map from names to texts: the name.
struct CFirstAdapt {
    static const char* Convert(const std::pair<const char* const, Core::CCharString>& entry) { return entry.first; }
};

} // namespace Containers
} // namespace Veltis
