#pragma once

#include "Veltis/Core/C2DSize.h"

#include "Native/Types.h"

#include <cstdint>

namespace Veltis {
namespace Graphics {

class CSharedNativeHandle;

// The storage of bitmaps: formats, bitmap contexts over pixel arrays the system allocates, and native
// images over those pixels without copying them.

// Whether an image of this size may be made: not empty and within the side and pixel limits, so that
// sizes from skins and files never overflow or allocate too much.
bool WithinImageLimits(int64_t width, int64_t height);
// The storage parameters of a requested depth for a width; bytes per row and bits per component 0 for
// a depth without storage. The caller releases the colour space it gets.
void GetBitmapFormat(int bitsPerPixel, const Core::C2DSize& size, uint32_t& bitmapInfo,
                     Native::CGColorSpaceRef& colorSpace, int64_t& bytesPerRow, int& bitsPerComponent);
// A new zeroed context over a new pixel array (y up), or null: also for sizes whose memory would pass
// the int range or the image limits.
Native::CGContextRef CreateRawBitmapContext(const Core::C2DSize& size, int bitsPerPixel);
// The same, turned top-down: (0, 0) is the top-left pixel, the first in memory.
Native::CGContextRef CreateBitmapContext(const Core::C2DSize& size, int bitsPerPixel);

using PixelsReleaseCallback = void (*)(void* info, const void* pixels, size_t size);
// A new image over the context's pixels. With hand-over the image becomes their only owner (freed by
// the callback, DeleteBitmapPixels without one) and the context is released.
Native::CGImageRef CreateImageFromBitmap(Native::CGContextRef context, bool handOver, PixelsReleaseCallback callback,
                                         void* info);
// An image over a shared bitmap's pixels that holds one share of its holder until it goes.
Native::CGImageRef CreateImageFromSharedBitmap(CSharedNativeHandle* holder);
// Release callbacks: give back the image's share (freeing the pixels with the last one); free the pixels.
void ReleaseSharedBitmapPixels(void* holder, const void* pixels, size_t size);
void DeleteBitmapPixels(void* info, const void* pixels, size_t size);

} // namespace Graphics
} // namespace Veltis
