#pragma once

#include "Veltis/Core/C2DSize.h"

#include "Native/Types.h"

namespace Veltis {
namespace Graphics {

class IDrawSurface;
class IImage;
class IRGBPixelAccess;

// A block of pixel memory the system draws into itself, held by a native bitmap context.
class IBitmap {
public:
    virtual Native::CGContextRef GetNativeContext() = 0;
    // 0 x 0 without a context.
    virtual Core::C2DSize GetSize() const = 0;
    virtual int GetBitsPerPixel() const = 0;
    virtual const void* GetBits() const = 0;
    virtual void* GetBits() = 0;
    // A new surface drawing straight into the pixels (the caller deletes it), or null.
    virtual IDrawSurface* GetDrawSurface() = 0;
    virtual IDrawSurface* GetDrawSurface() const = 0;
    // Zeroes the pixel memory.
    virtual void Clear() = 0;
    // A new image over the same pixels, owned by the caller.
    virtual IImage* GetImage() = 0;
    // New access to the pixels (the caller deletes it), or null.
    virtual IRGBPixelAccess* GetPixelAccess() = 0;
    virtual const IRGBPixelAccess* GetPixelAccess() const = 0;
    virtual ~IBitmap() {}
};

} // namespace Graphics
} // namespace Veltis
