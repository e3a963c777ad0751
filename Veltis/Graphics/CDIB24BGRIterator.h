#pragma once

#include "Veltis/Core/CColor.h"

#include <cstdint>

namespace Veltis {
namespace Graphics {

// Packed 24-bit pixels: bytes b, g, r each, rows padded to 4 bytes.
class CDIB24BGRIterator {
public:
    using Unit = uint8_t;
    static constexpr int kBitsPerPixel = 24;
    static int64_t GetStride(int64_t width) { return (width * 24 + 31) / 32 * 4; }
    static Unit* PixelAt(Unit* bits, int64_t stride, int32_t x, int32_t y) { return bits + y * stride + x * 3; }
    static Core::CColor Read(const Unit* pixel) { return Core::CColor(pixel[2], pixel[1], pixel[0]); }
    static void Write(Unit* pixel, const Core::CColor& color)
    {
        pixel[0] = color.b;
        pixel[1] = color.g;
        pixel[2] = color.r;
    }
    static void Blend(Unit* pixel, const Core::CColor& color, int coverage)
    {
        const uint8_t pen[3] = {color.b, color.g, color.r};
        for (int i = 0; i < 3; ++i)
            pixel[i] = static_cast<Unit>(pixel[i] + (((pen[i] - pixel[i]) * coverage) >> 8));
    }
};

} // namespace Graphics
} // namespace Veltis
