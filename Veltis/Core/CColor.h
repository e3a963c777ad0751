#pragma once

#include <cstdint>

namespace Veltis {
namespace Core {

// An opaque RGB colour, one byte per component; black by default.
class CColor {
public:
    CColor() : r(0), g(0), b(0) {}
    CColor(uint8_t r_, uint8_t g_, uint8_t b_) : r(r_), g(g_), b(b_) {}

    uint8_t r;
    uint8_t g;
    uint8_t b;
};

} // namespace Core
} // namespace Veltis
