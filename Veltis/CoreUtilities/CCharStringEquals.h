#pragma once

#include "Veltis/Core/CCharString.h"

namespace Veltis {
namespace CoreUtilities {

// Byte-exact equality of CCharString keys in hash maps.
struct CCharStringEquals {
    bool operator()(const Core::CCharString& first, const Core::CCharString& second) const
    {
        return first == second;
    }
};

} // namespace CoreUtilities
} // namespace Veltis
