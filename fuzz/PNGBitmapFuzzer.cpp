// Reads untrusted PNG bytes through the framework's libpng road (the file part of LoadPNGBitmap, fed
// from memory): no crash, no leak, nothing beyond the image limits, and every pixel premultiplied.
#include "Veltis/Graphics/ImageFileLoader.h"

#include "Native/CoreFoundation.h"
#include "Native/CoreGraphics.h"
#include "Native/Harness.h"
#include "Native/ImageIO.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace Native;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Harness::SetPolicy(Harness::EPolicy::Lenient);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    std::FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    if (!file)
        return 0;
    bool hasAlpha = false;
    CGContextRef context = Veltis::Graphics::ReadPNGBitmap(file, &hasAlpha);
    std::fclose(file);
    if (!context)
        return 0;
    size_t width = CGBitmapContextGetWidth(context);
    size_t height = CGBitmapContextGetHeight(context);
    bool withinLimits = width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide &&
                        width * height <= kMaxImagePixels;
    if (!withinLimits || CGBitmapContextGetBitsPerPixel(context) != 32)
        std::abort();
    uint8_t* pixels = static_cast<uint8_t*>(CGBitmapContextGetData(context));
    bool transparent = false;
    for (size_t i = 0; i < width * height; ++i) {
        const uint8_t* p = pixels + i * 4;
        if (p[0] > p[3] || p[1] > p[3] || p[2] > p[3])
            std::abort();
        transparent = transparent || p[3] != 255;
    }
    if (transparent != hasAlpha)
        std::abort();
    delete[] pixels;
    CFRelease(context);
    return 0;
}
