#pragma once

#include "Veltis/Core/C2DPoint.h"

namespace Veltis {
namespace Graphics {

class IBitmap;
class IImage;
class ISharedBitmap;
class ISharedImage;

// Masks and combinations the shared image cache derives from loaded pictures. Results are new objects
// that the caller owns.

// The whole image drawn at the point; a bitmap without a draw surface stays as it is.
void DrawImageIntoBitmap(const IImage& image, IBitmap& bitmap, const Core::C2DPoint& point);
// An 8-bit grey bitmap of the image's size holding its alpha channel.
ISharedBitmap* CreateAlphaMask(const IImage& image);
// The image bitmap's colours with the mask's grey level (r + 2g + b) / 4 as alpha, premultiplied; null
// unless both are 32-bit with pixels and the mask is at least the image's size.
ISharedBitmap* CreateMaskedBitmap(const IBitmap& imageBitmap, const IBitmap& maskBitmap);
// The image with the mask image's grey level as alpha (a smaller mask leaves the rest transparent), or
// null.
ISharedImage* CombineImageWithMask(const IImage& image, const IImage& maskImage);

} // namespace Graphics
} // namespace Veltis
