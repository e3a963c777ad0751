#pragma once

#include "Native/Types.h"

#include <cstdio>

namespace Veltis {
namespace Graphics {

// Picture files named by skins: PNG through libpng into premultiplied 32-bit pixels that the image
// owns, everything else through the platform decoder. Only regular files are opened; pictures beyond
// the image limits are refused before their pixels are allocated. Nothing is reported: failure is null.

// The image of the file (the caller owns one reference), or null. ".png" in any case goes to libpng;
// the flag tells whether the picture has transparency and is left alone for a null or empty path.
Native::CGImageRef LoadImageFile(const char* path, bool* hasAlpha);
// A top-down 32-bit bitmap context holding the premultiplied picture, or null (flag false).
Native::CGContextRef LoadPNGBitmap(const char* path, bool* hasAlpha);
// The same from a file already open, which stays open: the caller closes it.
Native::CGContextRef ReadPNGBitmap(std::FILE* file, bool* hasAlpha);
// Through the platform decoder: 24-bit pictures come back as opaque 32-bit images, 32-bit ones with
// the flag set.
Native::CGImageRef LoadImageWithImageIO(const char* path, bool* hasAlpha);

} // namespace Graphics
} // namespace Veltis
