#include "Veltis/Core/C2DRectangle.h"

#include <algorithm>

namespace Veltis {
namespace Core {

namespace {

using Detail::SaturateInt32;

int64_t Right(const C2DRectangle& r) { return int64_t(r.x) + r.width; }
int64_t Bottom(const C2DRectangle& r) { return int64_t(r.y) + r.height; }

} // namespace

C2DRectangle::C2DRectangle(const C2DPoint& first, const C2DPoint& last)
    : x(first.x), y(first.y), width(SaturateInt32(int64_t(last.x) - first.x + 1)),
      height(SaturateInt32(int64_t(last.y) - first.y + 1))
{
}

void C2DRectangle::Offset(const C2DPoint& delta)
{
    x = SaturateInt32(int64_t(x) + delta.x);
    y = SaturateInt32(int64_t(y) + delta.y);
}

void C2DRectangle::Normalize()
{
    if (width < 0) {
        x = SaturateInt32(int64_t(x) + width);
        width = SaturateInt32(-int64_t(width));
    }
    if (height < 0) {
        y = SaturateInt32(int64_t(y) + height);
        height = SaturateInt32(-int64_t(height));
    }
}

void C2DRectangle::Subtract(const C2DRectangle& other)
{
    const int64_t right = Right(*this);
    const int64_t bottom = Bottom(*this);
    if (other.x <= x && Right(other) >= right) {
        if (other.y > y) {
            if (Bottom(other) >= bottom && bottom - other.y > 0)
                height = SaturateInt32(height - (bottom - other.y));
        } else {
            const int64_t d = Bottom(other) - y;
            if (d > 0) {
                y = SaturateInt32(Bottom(other));
                height = SaturateInt32(height - d);
            }
        }
    } else if (other.y <= y && Bottom(other) >= bottom) {
        if (other.x > x) {
            if (Right(other) >= right && right - other.x > 0)
                width = SaturateInt32(width - (right - other.x));
        } else {
            const int64_t d = Right(other) - x;
            if (d > 0) {
                x = SaturateInt32(Right(other));
                width = SaturateInt32(width - d);
            }
        }
    }
}

C2DRectangle C2DRectangle::Intersect(const C2DRectangle& a, const C2DRectangle& b)
{
    const int32_t x = std::max(a.x, b.x);
    const int32_t y = std::max(a.y, b.y);
    const int64_t width = std::min(Right(a), Right(b)) - x;
    const int64_t height = std::min(Bottom(a), Bottom(b)) - y;
    return C2DRectangle(x, y, SaturateInt32(std::max<int64_t>(width, 0)), SaturateInt32(std::max<int64_t>(height, 0)));
}

} // namespace Core
} // namespace Veltis
