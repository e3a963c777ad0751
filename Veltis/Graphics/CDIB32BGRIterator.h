#pragma once

#include "Veltis/Core/CColor.h"

#include <cstdint>

namespace Veltis {
namespace Graphics {

// 32-bit pixels: one word each, alpha on top, then r, g and b (premultiplied); rows of width words.
// Written pixels are opaque.
class CDIB32BGRIterator {
public:
    using Unit = uint32_t;
    static constexpr int kBitsPerPixel = 32;
    static int64_t GetStride(int64_t width) { return width; }
    static Unit* PixelAt(Unit* bits, int64_t stride, int32_t x, int32_t y) { return bits + y * stride + x; }
    static Core::CColor Read(const Unit* pixel)
    {
        return Core::CColor(static_cast<uint8_t>(*pixel >> 16), static_cast<uint8_t>(*pixel >> 8),
                            static_cast<uint8_t>(*pixel));
    }
    static void Write(Unit* pixel, const Core::CColor& color)
    {
        *pixel = 0xFF000000u | uint32_t(color.r) << 16 | uint32_t(color.g) << 8 | color.b;
    }
    static void Blend(Unit* pixel, const Core::CColor& color, int coverage)
    {
        const int pen[3] = {color.r, color.g, color.b};
        uint32_t result = 0xFF000000u;
        for (int i = 0; i < 3; ++i) {
            int shift = 16 - 8 * i;
            int d = static_cast<int>(*pixel >> shift & 0xFF);
            result |= uint32_t(d + (((pen[i] - d) * coverage) >> 8)) << shift;
        }
        *pixel = result;
    }
};

} // namespace Graphics
} // namespace Veltis
