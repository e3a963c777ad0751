#include "Veltis/Graphics/ImageFunctions.h"

#include "Veltis/Graphics/CDIBBitmap.h"
#include "Veltis/Graphics/IDrawSurface.h"
#include "Veltis/Graphics/IImage.h"
#include "Veltis/Graphics/ISharedImage.h"

#include <cstring>
#include <memory>

namespace Veltis {
namespace Graphics {

namespace {

bool IsPremultiplied32(const IBitmap& bitmap)
{
    return bitmap.GetBitsPerPixel() == 32 && bitmap.GetBits();
}

uint32_t ReadWord(const void* pixels, size_t index)
{
    uint32_t word = 0;
    std::memcpy(&word, static_cast<const uint8_t*>(pixels) + index * 4, 4);
    return word;
}

void WriteWord(void* pixels, size_t index, uint32_t word)
{
    std::memcpy(static_cast<uint8_t*>(pixels) + index * 4, &word, 4);
}

} // namespace

void DrawImageIntoBitmap(const IImage& image, IBitmap& bitmap, const Core::C2DPoint& point)
{
    std::unique_ptr<IDrawSurface> surface(bitmap.GetDrawSurface());
    if (surface)
        surface->DrawImage(image, Core::C2DPoint(0, 0), point, image.GetSize());
}

ISharedBitmap* CreateAlphaMask(const IImage& image)
{
    Core::C2DSize size = image.GetSize();
    CDIBBitmap colours(size, 32);
    colours.Clear();
    if (std::unique_ptr<IDrawSurface> surface{colours.GetDrawSurface()})
        surface->DrawImage(image, Core::C2DPoint(0, 0), Core::C2DPoint(0, 0), size, 255);
    if (void* pixels = colours.GetBits()) {
        size_t count = size_t(size.width) * size_t(size.height);
        for (size_t i = 0; i < count; ++i) {
            uint32_t a = ReadWord(pixels, i) >> 24;
            WriteWord(pixels, i, 0xFF000000u | a << 16 | a << 8 | a);
        }
    }
    CDIBBitmap* grey = new CDIBBitmap(size, 1);
    if (std::unique_ptr<IDrawSurface> surface{grey->GetDrawSurface()})
        surface->DrawBitmap(colours, Core::C2DPoint(0, 0), Core::C2DPoint(0, 0), size);
    return grey;
}

ISharedBitmap* CreateMaskedBitmap(const IBitmap& imageBitmap, const IBitmap& maskBitmap)
{
    Core::C2DSize size = imageBitmap.GetSize();
    Core::C2DSize maskSize = maskBitmap.GetSize();
    if (!IsPremultiplied32(imageBitmap) || !IsPremultiplied32(maskBitmap) || maskSize.width < size.width ||
        maskSize.height < size.height)
        return nullptr;
    CDIBBitmap* masked = new CDIBBitmap(size, 32);
    void* out = masked->GetBits();
    if (!out) {
        delete masked;
        return nullptr;
    }
    const void* image = imageBitmap.GetBits();
    const void* mask = maskBitmap.GetBits();
    for (size_t y = 0; y < size_t(size.height); ++y)
        for (size_t x = 0; x < size_t(size.width); ++x) {
            uint32_t m = ReadWord(mask, y * size_t(maskSize.width) + x);
            uint32_t a = ((m >> 16 & 0xFF) + 2 * (m >> 8 & 0xFF) + (m & 0xFF)) / 4;
            uint32_t p = ReadWord(image, y * size_t(size.width) + x);
            uint32_t word = (p & 0xFF) * a / 255 | ((p >> 8 & 0xFF) * a / 255) << 8 |
                            ((p >> 16 & 0xFF) * a / 255) << 16 | a << 24;
            WriteWord(out, y * size_t(size.width) + x, word);
        }
    return masked;
}

ISharedImage* CombineImageWithMask(const IImage& image, const IImage& maskImage)
{
    Core::C2DSize size = image.GetSize();
    CDIBBitmap first(size, 32);
    CDIBBitmap second(size, 32);
    DrawImageIntoBitmap(image, first, Core::C2DPoint(0, 0));
    DrawImageIntoBitmap(maskImage, second, Core::C2DPoint(0, 0));
    std::unique_ptr<ISharedBitmap> masked(CreateMaskedBitmap(first, second));
    if (!masked)
        return nullptr;
    // A bitmap's image is a shared image over its pixels.
    IImage* combined = masked->GetImage();
    ISharedImage* shared = dynamic_cast<ISharedImage*>(combined);
    if (!shared)
        delete combined;
    return shared;
}

} // namespace Graphics
} // namespace Veltis
