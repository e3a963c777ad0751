#pragma once

#include "Veltis/Core/CColor.h"

#include <cstdint>

namespace Veltis {
namespace Graphics {

// 8-bit grey pixels: one byte each, rows padded to 4 bytes. Used by pixel access and software surfaces.
class CDIB8MonoIterator {
public:
    using Unit = uint8_t;
    static constexpr int kBitsPerPixel = 8;
    // Row stride in units.
    static int64_t GetStride(int64_t width) { return (width * 8 + 31) / 32 * 4; }
    static Unit* PixelAt(Unit* bits, int64_t stride, int32_t x, int32_t y) { return bits + y * stride + x; }
    static Core::CColor Read(const Unit* pixel) { return Core::CColor(*pixel, *pixel, *pixel); }
    static void Write(Unit* pixel, const Core::CColor& color)
    {
        *pixel = static_cast<Unit>((color.r + 2 * color.g + color.b) / 4);
    }
    // d + floor((p - d) * coverage / 256).
    static void Blend(Unit* pixel, const Core::CColor& color, int coverage)
    {
        int pen = (color.r + 2 * color.g + color.b) / 4;
        *pixel = static_cast<Unit>(*pixel + (((pen - *pixel) * coverage) >> 8));
    }
};

} // namespace Graphics
} // namespace Veltis
