#pragma once

#include <stdint.h>

// Channel layouts ("stem formats"); the low 12 bits give the channel count. The 7 and 8 channel
// formats are this host's own choice, following the pattern of the others.
namespace AAXStemFormat {
constexpr uint32_t kNone = 0xFF9C0000u;
constexpr uint32_t kByChannelCount[9] = {
    kNone, 0x00000001u, 0x00010002u, 0x00020003u, 0x00040004u, 0x00050005u, 0x00060006u, 0x00070007u, 0x00080008u,
};

constexpr uint32_t FromChannelCount(int32_t count)
{
    return count >= 0 && count <= 8 ? kByChannelCount[count] : kNone;
}
constexpr int32_t ChannelCount(uint32_t format) { return static_cast<int32_t>(format & 0xFFFu); }
} // namespace AAXStemFormat
