#pragma once

#include "Veltis/Core/CCharString.h"

#include <cstddef>

namespace Veltis {
namespace CoreUtilities {

// Hash of hash maps keyed by CCharString: h = h * 5 + c over the characters taken as signed bytes.
struct CCharStringHash {
    std::size_t operator()(const Core::CCharString& key) const
    {
        std::size_t h = 0;
        for (const char* c = key.GetString(); *c; ++c)
            h = h * 5 + static_cast<std::size_t>(static_cast<long>(static_cast<signed char>(*c)));
        return h;
    }
};

} // namespace CoreUtilities
} // namespace Veltis
