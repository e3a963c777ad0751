#pragma once

#include "Veltis/Graphics/CDIBBitmap.h"
#include "Veltis/Graphics/IImage.h"
#include "Veltis/Graphics/ISharedImage.h"

#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>

// Small pictures for the graphics tests, made through the framework's own bitmaps: a 32-bit bitmap
// whose premultiplied words come from a function of (x, y), and a shared image over such pixels.
namespace VeltisTest {

using PixelWord = std::function<uint32_t(int x, int y)>;

inline void FillWords(Veltis::Graphics::IBitmap& bitmap, const PixelWord& word)
{
    Veltis::Core::C2DSize size = bitmap.GetSize();
    uint8_t* bits = static_cast<uint8_t*>(bitmap.GetBits());
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x) {
            uint32_t value = word(x, y);
            std::memcpy(bits + (size_t(y) * size_t(size.width) + size_t(x)) * 4, &value, 4);
        }
}

inline uint32_t WordAt(const Veltis::Graphics::IBitmap& bitmap, int x, int y)
{
    uint32_t value = 0;
    std::memcpy(&value,
                static_cast<const uint8_t*>(bitmap.GetBits()) + (size_t(y) * size_t(bitmap.GetSize().width) + size_t(x)) * 4,
                4);
    return value;
}

// A 32-bit bitmap of the words, owned by the caller.
inline Veltis::Graphics::CDIBBitmap* MakeBitmap(int width, int height, const PixelWord& word)
{
    auto* bitmap = new Veltis::Graphics::CDIBBitmap(Veltis::Core::C2DSize(width, height), 32);
    FillWords(*bitmap, word);
    return bitmap;
}

// A new shared image (count 1) over pixels of its own, owned by the caller.
inline Veltis::Graphics::ISharedImage* MakePicture(int width, int height, const PixelWord& word)
{
    std::unique_ptr<Veltis::Graphics::CDIBBitmap> bitmap(MakeBitmap(width, height, word));
    return dynamic_cast<Veltis::Graphics::ISharedImage*>(bitmap->GetImage());
}

inline Veltis::Graphics::ISharedImage* MakePicture(int width, int height, uint32_t word = 0xFF102030)
{
    return MakePicture(width, height, [word](int, int) { return word; });
}

} // namespace VeltisTest
