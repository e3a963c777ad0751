#include "Veltis/Core/C2DRectangle.h"

#include <algorithm>

namespace Veltis {
namespace Core {

namespace {

using Detail::SaturateInt32;

int64_t Right(const C2DRectangle& r) { return int64_t(r.x) + r.width; }
int64_t Bottom(const C2DRectangle& r) { return int64_t(r.y) + r.height; }

// Subtract along one axis, once the other rectangle spans the other axis: a cut from the far side
// only when it reaches the end, a cut from the near side whenever it overlaps.
void CutAlong(int32_t& start, int32_t& size, int64_t otherStart, int64_t otherEnd)
{
    const int64_t end = int64_t(start) + size;
    if (otherStart > start) {
        if (otherEnd >= end && end - otherStart > 0)
            size = SaturateInt32(size - (end - otherStart));
        return;
    }
    const int64_t overlap = otherEnd - start;
    if (overlap > 0) {
        start = SaturateInt32(otherEnd);
        size = SaturateInt32(size - overlap);
    }
}

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
    if (other.x <= x && Right(other) >= Right(*this))
        CutAlong(y, height, other.y, Bottom(other));
    else if (other.y <= y && Bottom(other) >= Bottom(*this))
        CutAlong(x, width, other.x, Right(other));
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
