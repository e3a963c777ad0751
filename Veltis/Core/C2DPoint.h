#pragma once

#include <cstdint>
#include <limits>

namespace Veltis {
namespace Core {

namespace Detail {
// Geometry from skins may be extreme; sums are made wide and clamped instead of overflowing.
inline int32_t SaturateInt32(int64_t value)
{
    if (value < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    if (value > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(value);
}
} // namespace Detail

class C2DRectangle;

// An integer pixel position; y grows downwards.
class C2DPoint {
public:
    C2DPoint() : x(0), y(0) {}
    C2DPoint(int32_t x_, int32_t y_) : x(x_), y(y_) {}

    void Set(int32_t x_, int32_t y_)
    {
        x = x_;
        y = y_;
    }

    bool operator!=(const C2DPoint& other) const { return x != other.x || y != other.y; }

    // Both saturate at the 32-bit limits.
    C2DPoint& operator+=(const C2DPoint& other);
    void Negate();

    // The left and top edges belong to the rectangle, the right and bottom edges do not.
    bool IsInside(const C2DRectangle& rectangle) const;

    int32_t x;
    int32_t y;
};

} // namespace Core
} // namespace Veltis
