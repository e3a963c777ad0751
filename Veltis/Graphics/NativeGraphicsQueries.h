#pragma once

#include "Veltis/Core/C2DRectangle.h"
#include "Veltis/Core/C2DSize.h"

#include "Native/Types.h"

namespace Veltis {
namespace Graphics {

// Queries on native drawing objects; each answers null or zero for a null argument.

void ReleaseIfNotNull(Native::CFTypeRef object);
// The context itself when it has pixel memory (a bitmap context), else null.
Native::CGContextRef GetBitmapContext(Native::CGContextRef context);
void* GetBitmapData(Native::CGContextRef context);
int GetBitmapBitsPerPixel(Native::CGContextRef context);
Core::C2DSize GetBitmapSize(Native::CGContextRef context);
// Rounded to the nearest in single precision.
Core::C2DSize GetImageSize(Native::CGImageRef image);
int GetImageBitsPerPixel(Native::CGImageRef image);
// Rectangles across the boundary; back from native, x and y truncate and width and height round.
Native::CGRect ToNativeRect(const Core::C2DRectangle& rectangle);
Core::C2DRectangle FromNativeRect(const Native::CGRect& rect);

} // namespace Graphics
} // namespace Veltis
