#pragma once

#include <stdint.h>

#include "platform/aax/AAXResult.h"

// Runs a host-facing entry's body; an exception (allocation) becomes 0x8000FFFF instead of reaching
// the host.
template <class F> int32_t AAXGuard(F body) noexcept
{
    try {
        return body();
    } catch (...) {
        return AAXResult::kUnexpected;
    }
}
