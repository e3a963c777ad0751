#pragma once

#include "Veltis/Core/C2DPoint.h"
#include "Veltis/Core/CColor.h"

namespace Veltis {
namespace Graphics {

// Per-pixel access to a bitmap's memory; the caller passes points inside the bitmap.
class IRGBPixelAccess {
public:
    virtual Core::CColor GetPixel(const Core::C2DPoint& point) const = 0;
    virtual void SetPixel(const Core::C2DPoint& point, const Core::CColor& color) = 0;
    virtual ~IRGBPixelAccess() {}
};

} // namespace Graphics
} // namespace Veltis
