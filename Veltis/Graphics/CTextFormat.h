#pragma once

#include <cstdint>

namespace Veltis {
namespace Graphics {

// How a text is laid out in a rectangle: line flags and the two alignments (0 top or left, 1 centre,
// 2 bottom or right).
class CTextFormat {
public:
    static constexpr uint8_t kSingleLine = 1;
    static constexpr uint8_t kWordBreak = 2;

    CTextFormat() : flags(kSingleLine), verticalAlignment(1), horizontalAlignment(1) {}
    CTextFormat(uint8_t flags_, int32_t verticalAlignment_, int32_t horizontalAlignment_)
        : flags(flags_), verticalAlignment(verticalAlignment_), horizontalAlignment(horizontalAlignment_)
    {
    }
    bool IsSingleLine() const { return (flags & kSingleLine) != 0; }

    uint8_t flags;
    int32_t verticalAlignment;
    int32_t horizontalAlignment;
};

} // namespace Graphics
} // namespace Veltis
