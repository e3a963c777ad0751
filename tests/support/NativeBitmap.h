#pragma once

#include "Native/CoreGraphics.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace VeltisTest {

// A bitmap context over zeroed memory that the test owns: 8 (grey), 16 (555) or 32 bits per pixel,
// rows as the framework lays them out. The context is released before the memory.
class NativeBitmap {
public:
    NativeBitmap(int depth, size_t width, size_t height) : m_Depth(depth)
    {
        size_t bitsPerComponent = depth == 16 ? 5 : 8;
        Native::CGBitmapInfo info = depth == 32 ? 0x2002 : depth == 16 ? 0x1006 : 0;
        m_BytesPerRow = depth == 32 ? width * 4 : depth == 16 ? (width + width % 2) * 2 : (width + 3) / 4 * 4;
        m_Memory.assign(m_BytesPerRow * height + 4, 0);
        Native::CGColorSpaceRef space =
            depth == 8 ? Native::CGColorSpaceCreateDeviceGray() : Native::CGColorSpaceCreateDeviceRGB();
        m_Context = Native::CGBitmapContextCreate(Data(), width, height, bitsPerComponent, m_BytesPerRow, space, info);
        Native::CGColorSpaceRelease(space);
    }
    ~NativeBitmap() { Native::CGContextRelease(m_Context); }
    NativeBitmap(const NativeBitmap&) = delete;
    NativeBitmap& operator=(const NativeBitmap&) = delete;

    Native::CGContextRef Context() const { return m_Context; }
    // 4-byte aligned: the vector's storage comes from operator new.
    uint8_t* Data() { return m_Memory.data(); }
    uint8_t& Byte(size_t x, size_t y) { return m_Memory[y * m_BytesPerRow + x]; }
    // The pixel's memory as a little-endian word of its size (8, 16 or 32 bits).
    uint32_t At(size_t x, size_t y) const
    {
        uint32_t value = 0;
        std::memcpy(&value, &m_Memory[y * m_BytesPerRow + x * static_cast<size_t>(m_Depth) / 8],
                    static_cast<size_t>(m_Depth) / 8);
        return value;
    }

    void Set(size_t x, size_t y, uint32_t value)
    {
        std::memcpy(&m_Memory[y * m_BytesPerRow + x * static_cast<size_t>(m_Depth) / 8], &value,
                    static_cast<size_t>(m_Depth) / 8);
    }

private:
    int m_Depth;
    size_t m_BytesPerRow;
    std::vector<uint8_t> m_Memory;
    Native::CGContextRef m_Context;
};

} // namespace VeltisTest
