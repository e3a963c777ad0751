#pragma once

#include <stdint.h>

namespace Veltis {
namespace Platform {

// The high-resolution tick counter of the stopwatches: a clock that never jumps, whose ticks are
// nanoseconds (timebase 1/1).
uint64_t GetMonotonicTicks();

// Ticks x numerator / denominator are nanoseconds.
void GetMonotonicTimebase(uint32_t& numerator, uint32_t& denominator);

// Replaces the tick counter (for clocks that move only when a test says so); null brings back the real
// clock. Returns the source it replaced (null for the real clock). Safe to read from any thread.
typedef uint64_t (*MonotonicTickSource)();
MonotonicTickSource SetMonotonicTickSource(MonotonicTickSource source);

} // namespace Platform
} // namespace Veltis
