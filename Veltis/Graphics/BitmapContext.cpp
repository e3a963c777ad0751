#include "Veltis/Graphics/BitmapContext.h"

#include "Veltis/Graphics/CSharedNativeHandle.h"

#include "Native/CoreFoundation.h"
#include "Native/CoreGraphics.h"
#include "Native/ImageIO.h"

#include <climits>

using namespace Native;

namespace Veltis {
namespace Graphics {

// Four bytes a pixel at most: no buffer within the limits passes the int range of row and size arithmetic.
static_assert(Native::kMaxImagePixels * 4 <= size_t(INT_MAX), "image limits within the int range");

bool WithinImageLimits(int64_t width, int64_t height)
{
    return width > 0 && height > 0 && uint64_t(width) <= kMaxImageSide && uint64_t(height) <= kMaxImageSide &&
           uint64_t(width) * uint64_t(height) <= kMaxImagePixels;
}

void GetBitmapFormat(int bitsPerPixel, const Core::C2DSize& size, uint32_t& bitmapInfo, CGColorSpaceRef& colorSpace,
                     int64_t& bytesPerRow, int& bitsPerComponent)
{
    int64_t w = size.width;
    switch (bitsPerPixel) {
    case 1:
    case 8:
        bitmapInfo = kCGImageAlphaNone;
        colorSpace = CGColorSpaceCreateDeviceGray();
        bytesPerRow = (w * 8 + 31) / 32 * 4;
        bitsPerComponent = 8;
        break;
    case 16:
        bitmapInfo = kCGImageAlphaNoneSkipFirst | kCGBitmapByteOrder16Little;
        colorSpace = CGColorSpaceCreateDeviceRGB();
        bytesPerRow = (w + w % 2) * 2;
        bitsPerComponent = 5;
        break;
    case 24:
    case 32:
        bitmapInfo = kCGImageAlphaPremultipliedFirst | kCGBitmapByteOrder32Little;
        colorSpace = CGColorSpaceCreateDeviceRGB();
        bytesPerRow = w * 4;
        bitsPerComponent = 8;
        break;
    default:
        bytesPerRow = 0;
        bitsPerComponent = 0;
        break;
    }
}

CGContextRef CreateRawBitmapContext(const Core::C2DSize& size, int bitsPerPixel)
{
    if (!WithinImageLimits(size.width, size.height))
        return nullptr;
    uint32_t info = 0;
    CGColorSpaceRef space = nullptr;
    int64_t bytesPerRow = 0;
    int bitsPerComponent = 8;
    GetBitmapFormat(bitsPerPixel, size, info, space, bytesPerRow, bitsPerComponent);
    const int64_t bytes = bytesPerRow * size.height;
    CGContextRef context = nullptr;
    if (bytes > 0) {
        uint8_t* pixels = new uint8_t[size_t(bytes)]();
        context = CGBitmapContextCreate(pixels, size_t(size.width), size_t(size.height), size_t(bitsPerComponent),
                                        size_t(bytesPerRow), space, info);
        if (!context)
            delete[] pixels;
    }
    if (space)
        CGColorSpaceRelease(space);
    return context;
}

CGContextRef CreateBitmapContext(const Core::C2DSize& size, int bitsPerPixel)
{
    CGContextRef context = CreateRawBitmapContext(size, bitsPerPixel);
    if (context) {
        CGContextSetTextMatrix(context, CGAffineTransformMake(1, 0, 0, -1, 0, 0));
        CGContextTranslateCTM(context, 0, size.height);
        CGContextScaleCTM(context, 1, -1);
    }
    return context;
}

CGImageRef CreateImageFromBitmap(CGContextRef context, bool handOver, PixelsReleaseCallback callback, void* info)
{
    if (!context)
        return nullptr;
    void* pixels = CGBitmapContextGetData(context);
    size_t width = CGBitmapContextGetWidth(context);
    size_t height = CGBitmapContextGetHeight(context);
    int depth = static_cast<int>(CGBitmapContextGetBitsPerPixel(context));
    uint32_t bitmapInfo = 0;
    CGColorSpaceRef space = nullptr;
    int64_t bytesPerRow = 0;
    int bitsPerComponent = 8;
    GetBitmapFormat(depth, Core::C2DSize(static_cast<int32_t>(width), static_cast<int32_t>(height)), bitmapInfo, space,
                    bytesPerRow, bitsPerComponent);
    CGImageRef image = nullptr;
    if (bitsPerComponent != 0) {
        if (handOver && !callback)
            callback = &DeleteBitmapPixels;
        CGDataProviderRef provider =
            CGDataProviderCreateWithData(info, pixels, size_t(bytesPerRow) * height, callback);
        image = CGImageCreate(width, height, size_t(bitsPerComponent), size_t(depth), size_t(bytesPerRow), space,
                              bitmapInfo, provider, nullptr, true, kCGRenderingIntentDefault);
        CGDataProviderRelease(provider);
    } else {
        image = CGBitmapContextCreateImage(context);
        if (handOver)
            delete[] static_cast<uint8_t*>(pixels);
    }
    if (space)
        CGColorSpaceRelease(space);
    if (handOver)
        CFRelease(context);
    return image;
}

CGImageRef CreateImageFromSharedBitmap(CSharedNativeHandle* holder)
{
    CGContextRef context = holder ? static_cast<CGContextRef>(holder->GetHandle()) : nullptr;
    if (!context)
        return nullptr;
    // Counted before the image exists: an image that cannot be made gives it back through the callback.
    holder->AddShare();
    return CreateImageFromBitmap(context, false, &ReleaseSharedBitmapPixels, holder);
}

void ReleaseSharedBitmapPixels(void* info, const void* pixels, size_t)
{
    CSharedNativeHandle* holder = static_cast<CSharedNativeHandle*>(info);
    if (!holder)
        return;
    bool last = holder->GetShareCount() == 1;
    holder->Release();
    if (last)
        delete[] static_cast<const uint8_t*>(pixels);
}

void DeleteBitmapPixels(void*, const void* pixels, size_t)
{
    delete[] static_cast<const uint8_t*>(pixels);
}

} // namespace Graphics
} // namespace Veltis
