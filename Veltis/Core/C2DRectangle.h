#pragma once

#include "Veltis/Core/C2DPoint.h"
#include "Veltis/Core/C2DSize.h"

#include <cstdint>

namespace Veltis {
namespace Core {

// An integer pixel rectangle: columns x .. x + width - 1 and rows y .. y + height - 1. A width or
// height of 0 covers nothing. Values come from skins, so the arithmetic is done wide and saturated
// to 32 bits instead of overflowing.
class C2DRectangle {
public:
    C2DRectangle() : x(0), y(0), width(0), height(0) {}
    C2DRectangle(int32_t x_, int32_t y_, int32_t width_, int32_t height_)
        : x(x_), y(y_), width(width_), height(height_)
    {
    }
    C2DRectangle(const C2DPoint& topLeft, const C2DSize& size)
        : x(topLeft.x), y(topLeft.y), width(size.width), height(size.height)
    {
    }
    // Both corners are covered.
    C2DRectangle(const C2DPoint& first, const C2DPoint& last);

    void Offset(const C2DPoint& delta);

    // Makes width and height non-negative, keeping the covered area.
    void Normalize();

    // Cuts away what other covers, but only where the rest is still one rectangle: other must span
    // this rectangle's full width or full height. Otherwise this rectangle is left as it is.
    void Subtract(const C2DRectangle& other);

    // Never of negative size; an empty result keeps the corner where the two would meet.
    static C2DRectangle Intersect(const C2DRectangle& a, const C2DRectangle& b);

    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
};

} // namespace Core
} // namespace Veltis
