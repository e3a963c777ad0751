#include "Veltis/Graphics/NativeGraphicsQueries.h"

#include "Native/CoreFoundation.h"
#include "Native/CoreGraphics.h"

using namespace Native;

namespace Veltis {
namespace Graphics {

void ReleaseIfNotNull(CFTypeRef object)
{
    if (object)
        CFRelease(object);
}

CGContextRef GetBitmapContext(CGContextRef context)
{
    return context && CGBitmapContextGetData(context) ? context : nullptr;
}

void* GetBitmapData(CGContextRef context)
{
    return context ? CGBitmapContextGetData(context) : nullptr;
}

int GetBitmapBitsPerPixel(CGContextRef context)
{
    return context ? static_cast<int>(CGBitmapContextGetBitsPerPixel(context)) : 0;
}

Core::C2DSize GetBitmapSize(CGContextRef context)
{
    if (!context)
        return Core::C2DSize(0, 0);
    return Core::C2DSize(static_cast<int32_t>(CGBitmapContextGetWidth(context)),
                         static_cast<int32_t>(CGBitmapContextGetHeight(context)));
}

Core::C2DSize GetImageSize(CGImageRef image)
{
    if (!image)
        return Core::C2DSize(0, 0);
    return Core::C2DSize(static_cast<int32_t>(static_cast<float>(CGImageGetWidth(image)) + 0.5f),
                         static_cast<int32_t>(static_cast<float>(CGImageGetHeight(image)) + 0.5f));
}

int GetImageBitsPerPixel(CGImageRef image)
{
    return image ? static_cast<int>(CGImageGetBitsPerPixel(image)) : 0;
}

CGRect ToNativeRect(const Core::C2DRectangle& rectangle)
{
    return CGRectMake(rectangle.x, rectangle.y, rectangle.width, rectangle.height);
}

Core::C2DRectangle FromNativeRect(const CGRect& rect)
{
    return Core::C2DRectangle(static_cast<int32_t>(rect.origin.x), static_cast<int32_t>(rect.origin.y),
                              static_cast<int32_t>(rect.size.width + 0.5),
                              static_cast<int32_t>(rect.size.height + 0.5));
}

} // namespace Graphics
} // namespace Veltis
