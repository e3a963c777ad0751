#pragma once

// Image files, decoded by content: PNG (libpng), JPEG (libjpeg-turbo), BMP and the first frame of a GIF
// (stb_image); nothing else. Opaque pictures come back as 24-bit packed RGB images, pictures with an
// alpha channel as 32-bit straight RGBA; each image owns its pixels. At most 16384 pixels a side and
// 2^26 in all.

#include "Native/CoreGraphics.h"

namespace Native {

class NATIVE_EXPORT CGImageSource : public NSObject {
    NATIVE_BUILTIN(CGImageSource, NSObject, "CGImageSource")
protected:
    CGImageSource() = default;
    ~CGImageSource() override = default;
};

// Accepted and ignored.
NATIVE_EXPORT extern const CFStringRef kCGImageSourceShouldCache;

// Reads the whole regular file; NULL when it cannot be read. The options are ignored.
NATIVE_EXPORT CGImageSourceRef CGImageSourceCreateWithURL(CFURLRef url, CFDictionaryRef options);
// Index 0 only; NULL for data that does not decode. The options are ignored.
NATIVE_EXPORT CGImageRef CGImageSourceCreateImageAtIndex(CGImageSourceRef source, size_t index, CFDictionaryRef options);

// The toolkit's own: decodes a file's bytes as CGImageSourceCreateImageAtIndex does.
NATIVE_EXPORT CGImageRef CreateImageFromFileData(const void* data, size_t size);

constexpr size_t kMaxImageSide = 16384;
constexpr size_t kMaxImagePixels = size_t(1) << 26;

} // namespace Native
