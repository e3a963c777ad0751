#pragma once

#include <cstdint>

namespace Veltis {
namespace Core {

// An integer pixel extent. Negative values are allowed here; the users that care clamp them.
class C2DSize {
public:
    C2DSize() : width(0), height(0) {}
    C2DSize(int32_t width_, int32_t height_) : width(width_), height(height_) {}

    bool operator==(const C2DSize& other) const { return width == other.width && height == other.height; }
    bool operator!=(const C2DSize& other) const { return !(*this == other); }

    int32_t width;
    int32_t height;
};

} // namespace Core
} // namespace Veltis
