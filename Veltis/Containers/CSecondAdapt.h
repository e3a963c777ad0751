#pragma once

#include "Veltis/Core/CCharString.h"

#include <utility>

namespace Veltis {
namespace Containers {

// Converter for the entries of a hash map from names to texts: the text ("" when empty).
struct CSecondAdapt {
    static const char* Convert(const std::pair<const char* const, Core::CCharString>& entry)
    {
        return entry.second.GetString();
    }
};

} // namespace Containers
} // namespace Veltis
