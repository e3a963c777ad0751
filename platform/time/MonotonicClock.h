#pragma once

#include <stdint.h>

namespace Veltis {
namespace Platform {

// The high-resolution tick counter of the stopwatches: a clock that never jumps, whose ticks are
// nanoseconds (timebase 1/1).
uint64_t GetMonotonicTicks();

// Ticks x numerator / denominator are nanoseconds.
void GetMonotonicTimebase(uint32_t& numerator, uint32_t& denominator);

} // namespace Platform
} // namespace Veltis
