#pragma once

#include <climits>

namespace Veltis {
namespace Core {

// Conversions of doubles that may come from skins, hosts or unchecked times and rates, where a plain cast
// of a value beyond the int range (or NaN) is undefined.

// Truncated towards zero and saturated to the int range; NaN gives INT_MIN.
inline int TruncateToInt(double value)
{
    if (!(value > static_cast<double>(INT_MIN) - 1.0))
        return INT_MIN;
    if (value >= static_cast<double>(INT_MAX) + 1.0)
        return INT_MAX;
    return static_cast<int>(value);
}

// A length or count: truncated, saturated to [0, INT_MAX], NaN giving 0. A negative length and 0 behave
// alike wherever a length is used.
inline int TruncateToLength(double value)
{
    if (!(value >= 1.0))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    return static_cast<int>(value);
}

} // namespace Core
} // namespace Veltis
