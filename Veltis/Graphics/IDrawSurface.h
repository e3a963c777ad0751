#pragma once

#include "Veltis/Core/C2DFloatPoint.h"
#include "Veltis/Core/C2DPoint.h"
#include "Veltis/Core/C2DRectangle.h"
#include "Veltis/Core/C2DSize.h"
#include "Veltis/Core/CColor.h"
#include "Veltis/Graphics/CTextFormat.h"

#include "Native/Types.h"

#include <cstdint>

namespace Veltis {
namespace Graphics {

class IBitmap;
class IFont;
class IImage;
class ILayer;

// The one drawing target of the GUI, in pixels with y downwards, moved by Translate. Made for one draw
// call or one measurement.
class IDrawSurface {
public:
    virtual Native::CGContextRef GetNativeContext() = 0;
    // Lines and text use the pen colour.
    virtual void SetPenColor(const Core::CColor& color) = 0;
    virtual void SetPenStyle(int style) = 0;
    virtual void DrawLine(const Core::C2DPoint& from, const Core::C2DPoint& to) = 0;
    virtual void DrawPolyline(const Core::C2DPoint* points, int count) = 0;
    virtual void DrawPoint(const Core::C2DPoint& point) = 0;
    virtual void DrawPoints(const Core::C2DPoint* points, int count) = 0;
    virtual void DrawRectangle(const Core::C2DRectangle& rectangle) = 0;
    virtual void DrawLine(const Core::C2DFloatPoint& from, const Core::C2DFloatPoint& to) = 0;
    virtual void DrawPolyline(const Core::C2DFloatPoint* points, int count) = 0;
    virtual void DrawPoint(const Core::C2DFloatPoint& point) = 0;
    virtual void DrawPoints(const Core::C2DFloatPoint* points, int count) = 0;
    virtual void SetBrushColor(const Core::CColor& color) = 0;
    virtual void FillRectangle(const Core::C2DRectangle& rectangle) = 0;
    // The part of the image at the source point, 1:1, at the destination.
    virtual void DrawImage(const IImage& image, const Core::C2DPoint& source, const Core::C2DPoint& destination,
                           const Core::C2DSize& size) = 0;
    virtual void DrawImage(const IImage& image, const Core::C2DPoint& source, const Core::C2DPoint& destination,
                           const Core::C2DSize& size, uint8_t opacity) = 0;
    // The source rectangle stretched into the destination rectangle.
    virtual void DrawImage(const IImage& image, const Core::C2DRectangle& source,
                           const Core::C2DRectangle& destination) = 0;
    virtual void DrawBitmap(IBitmap& bitmap, const Core::C2DPoint& source, const Core::C2DPoint& destination,
                            const Core::C2DSize& size) = 0;
    virtual void DrawBitmap(IBitmap& bitmap, const Core::C2DPoint& source, const Core::C2DPoint& destination,
                            const Core::C2DSize& size, uint8_t opacity) = 0;
    virtual void DrawBitmap(IBitmap& bitmap, const Core::C2DRectangle& source,
                            const Core::C2DRectangle& destination) = 0;
    virtual void DrawLayer(const ILayer& layer, const Core::C2DPoint& destination) = 0;
    virtual void DrawLayer(const ILayer& layer, const Core::C2DPoint& destination, uint8_t opacity) = 0;
    virtual void DrawLayer(const ILayer& layer, const Core::C2DRectangle& destination) = 0;
    // One line of UTF-8 text with its top-left corner at the point.
    virtual void DrawText(const char* text, const Core::C2DPoint& position) = 0;
    // One line laid out in the rectangle; nothing without the single-line flag.
    virtual void DrawText(const char* text, const Core::C2DRectangle& rectangle, const CTextFormat& format) = 0;
    // Keeps a clone of the font.
    virtual void SetFont(const IFont& font) = 0;
    // When false, text first fills its box with the brush colour.
    virtual void SetTransparent(bool transparent) = 0;
    virtual Core::C2DSize GetTextSize(const char* text) = 0;
    // (0, 0) without the single-line flag; the width is not used.
    virtual Core::C2DSize GetTextSize(const char* text, const CTextFormat& format, int width) = 0;
    virtual void Translate(const Core::C2DPoint& offset) = 0;
    virtual Core::C2DPoint GetOrigin() = 0;
    virtual Core::C2DRectangle GetClipRectangle() = 0;
    virtual void ClipToRectangle(const Core::C2DRectangle& rectangle) = 0;
    // The platform state and the pen colour; not the font or the transparent-text flag.
    virtual void SaveState() = 0;
    virtual void RestoreState() = 0;
    // A view of the surface's pixels owned by the surface, or null.
    virtual IBitmap* GetBitmap() = 0;
    virtual const IBitmap* GetBitmap() const = 0;
    virtual ~IDrawSurface() {}
};

} // namespace Graphics
} // namespace Veltis
