#pragma once

#include "Veltis/Core/C2DPoint.h"

#include <cmath>
#include <cstdint>
#include <limits>

// Sizes, margins, spacings, positions and fractions come from skins unchecked: sums are made in 64
// bits and saturated to 32 when stored, and every float-to-int conversion saturates, NaN giving 0.
namespace Veltis {
namespace Layout {
namespace Detail {

using Core::Detail::SaturateInt32;

// Truncates toward zero as a cast does, within the 32-bit range.
inline int32_t SaturateToInt32(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    if (value <= static_cast<double>(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

// Sizes that the layout makes are never negative.
inline int32_t NonNegative(int64_t value)
{
    return SaturateInt32(value < 0 ? 0 : value);
}

// (int)((float)available x fraction), never negative.
inline int32_t ScaleExtent(int64_t available, float fraction)
{
    const float scaled = static_cast<float>(available) * fraction;
    return NonNegative(SaturateToInt32(scaled));
}

// Half away from zero, in double precision.
inline int32_t RoundHalfAwayFromZero(float value)
{
    const double wide = value;
    return SaturateToInt32(value >= 0.0f ? wide + 0.5 : wide - 0.5);
}

// Where a child of the given size starts along an extent: after the margin, before the far margin,
// or centred (margins not subtracted) for any alignment but 0 and 2.
inline int64_t AlignedStart(int64_t start, int64_t extent, int64_t size, int64_t margin, int align)
{
    if (align == 0)
        return start + margin;
    if (align == 2)
        return start + extent - size - margin;
    return start + (extent - size) / 2;
}

// How far an internal alignment moves content of the natural extent inside a different extent.
inline int64_t InternalShift(int64_t extent, int64_t natural, int align)
{
    if (extent == natural || align == 0)
        return 0;
    if (align == 2)
        return extent - natural;
    return (extent - natural) / 2;
}

} // namespace Detail
} // namespace Layout
} // namespace Veltis
