#pragma once

#include "Veltis/Core/SaturatingCast.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace Veltis {
namespace Audio {
namespace DSP {
namespace Algorithm {

// Exponent bits of a 32-bit float: 0 for zero and subnormals, 255 for infinities and NaN.
inline uint32_t GetExponentBits(float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return (bits >> 23) & 0xFFu;
}

// One unsigned comparison covers both rare classes, so the sample loops pay a single branch.
inline bool IsZeroSubnormalOrNotFinite(float value) { return GetExponentBits(value) - 1u >= 254u; }

inline bool IsZeroOrSubnormal(float value) { return GetExponentBits(value) == 0u; }

// The exponent bits from which a filter's output is no signal but a state running away: 2^17, about
// 102 dB above full scale, which no chain of real gains reaches.
constexpr uint32_t kRunawayExponentBits = 127u + 17u;

// Zero, subnormal, a runaway or not finite: still one unsigned comparison for the sample loops.
inline bool IsZeroSubnormalOrRunaway(float value)
{
    return GetExponentBits(value) - 1u >= kRunawayExponentBits - 1u;
}

// Sample counts are made from times and rates that callers may hand over unchecked.
using Core::TruncateToLength;

// The per-sample coefficient of a time constant of T samples: the distance to the target shrinks to a
// tenth in T samples; 0 (instant) for a time of 0.
constexpr double kMinusLn10 = -2.302585092994045684;

inline float TimeToCoefficient(float samples)
{
    return samples != 0.0f ? static_cast<float>(std::exp(kMinusLn10 / static_cast<double>(samples))) : 0.0f;
}

} // namespace Algorithm
} // namespace DSP
} // namespace Audio
} // namespace Veltis
