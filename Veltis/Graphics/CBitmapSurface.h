#pragma once

#include "Veltis/Graphics/CBitmapAdapter.h"
#include "Veltis/Graphics/CDrawSurface.h"

namespace Veltis {
namespace Graphics {

// A native draw surface over a bitmap context whose origin and bitmap view come from the bitmap.
class CBitmapSurface : public CDrawSurface {
public:
    // Takes over the caller's reference to the context.
    explicit CBitmapSurface(Native::CGContextRef context);
    ~CBitmapSurface() override;

    // The sum of the translations: user point p lies at device pixel p + origin.
    Core::C2DPoint GetOrigin() override;
    IBitmap* GetBitmap() override;
    const IBitmap* GetBitmap() const override;

private:
    CBitmapAdapter m_Bitmap;
};

// The surface for a bitmap context (the caller's reference passes to it): software lines and points for
// 8, 16, 24 and 32 bits per pixel, else a CBitmapSurface; null without pixel memory.
IAdaptedDrawSurface* CreateDIBSurface(Native::CGContextRef context);

class IFont;
// The size of the text in a format, measured on the surface or, without one, on a scratch bitmap;
// draws nothing.
Core::C2DSize MeasureText(const char* text, const CTextFormat& format, int width, const IFont* font,
                          IDrawSurface* surface);

} // namespace Graphics
} // namespace Veltis
