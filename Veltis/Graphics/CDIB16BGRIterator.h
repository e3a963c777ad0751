#pragma once

#include "Veltis/Core/CColor.h"

#include <cstdint>

namespace Veltis {
namespace Graphics {

// 16-bit pixels: a little-endian word each, r in bits 10-14, g in 5-9, b in 0-4, bit 15 zero; rows of
// an even number of words.
class CDIB16BGRIterator {
public:
    using Unit = uint16_t;
    static constexpr int kBitsPerPixel = 16;
    static int64_t GetStride(int64_t width) { return width + width % 2; }
    static Unit* PixelAt(Unit* bits, int64_t stride, int32_t x, int32_t y) { return bits + y * stride + x; }
    static Core::CColor Read(const Unit* pixel)
    {
        return Core::CColor(static_cast<uint8_t>((*pixel >> 10 & 31) << 3), static_cast<uint8_t>((*pixel >> 5 & 31) << 3),
                            static_cast<uint8_t>((*pixel & 31) << 3));
    }
    static void Write(Unit* pixel, const Core::CColor& color)
    {
        *pixel = static_cast<Unit>((color.r / 8) << 10 | (color.g / 8) << 5 | color.b / 8);
    }
    static void Blend(Unit* pixel, const Core::CColor& color, int coverage)
    {
        int fields[3] = {color.r / 8, color.g / 8, color.b / 8};
        int result = 0;
        for (int i = 0; i < 3; ++i) {
            int shift = 10 - 5 * i;
            int d = *pixel >> shift & 31;
            result |= (d + (((fields[i] - d) * coverage) >> 8)) << shift;
        }
        *pixel = static_cast<Unit>(result);
    }
};

} // namespace Graphics
} // namespace Veltis
