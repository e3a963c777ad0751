#pragma once

// The framework's random values, drawn from the C library's process-wide generator (rand). Not
// synchronised: callers use them from one thread.
namespace Veltis {
namespace CoreUtilities {

// Seeds the generator from the processor clock and stirs it a little.
void InitRandom();

// A value in [min, max).
float GetRandomValue(float min, float max);

} // namespace CoreUtilities
} // namespace Veltis
