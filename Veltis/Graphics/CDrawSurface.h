#pragma once

#include "Veltis/Graphics/IAdaptedDrawSurface.h"

#include <deque>

namespace Veltis {
namespace Graphics {

class CBitmapAdapter;

// The draw surface over a native drawing context, with text through native lines. Owns one reference
// to its context until Detach.
class CDrawSurface : public virtual IAdaptedDrawSurface {
public:
    // Takes over one reference to the context.
    explicit CDrawSurface(Native::CGContextRef context);
    CDrawSurface(const CDrawSurface&) = delete;
    CDrawSurface& operator=(const CDrawSurface&) = delete;

    Native::CGContextRef GetNativeContext() override;
    void SetPenColor(const Core::CColor& color) override;
    void SetPenStyle(int style) override;
    void DrawLine(const Core::C2DPoint& from, const Core::C2DPoint& to) override;
    void DrawPolyline(const Core::C2DPoint* points, int count) override;
    void DrawPoint(const Core::C2DPoint& point) override;
    void DrawPoints(const Core::C2DPoint* points, int count) override;
    void DrawRectangle(const Core::C2DRectangle& rectangle) override;
    void DrawLine(const Core::C2DFloatPoint& from, const Core::C2DFloatPoint& to) override;
    void DrawPolyline(const Core::C2DFloatPoint* points, int count) override;
    void DrawPoint(const Core::C2DFloatPoint& point) override;
    void DrawPoints(const Core::C2DFloatPoint* points, int count) override;
    void SetBrushColor(const Core::CColor& color) override;
    void FillRectangle(const Core::C2DRectangle& rectangle) override;
    void DrawImage(const IImage& image, const Core::C2DPoint& source, const Core::C2DPoint& destination,
                   const Core::C2DSize& size) override;
    void DrawImage(const IImage& image, const Core::C2DPoint& source, const Core::C2DPoint& destination,
                   const Core::C2DSize& size, uint8_t opacity) override;
    void DrawImage(const IImage& image, const Core::C2DRectangle& source,
                   const Core::C2DRectangle& destination) override;
    void DrawBitmap(IBitmap& bitmap, const Core::C2DPoint& source, const Core::C2DPoint& destination,
                    const Core::C2DSize& size) override;
    void DrawBitmap(IBitmap& bitmap, const Core::C2DPoint& source, const Core::C2DPoint& destination,
                    const Core::C2DSize& size, uint8_t opacity) override;
    void DrawBitmap(IBitmap& bitmap, const Core::C2DRectangle& source, const Core::C2DRectangle& destination) override;
    void DrawLayer(const ILayer& layer, const Core::C2DPoint& destination) override;
    void DrawLayer(const ILayer& layer, const Core::C2DPoint& destination, uint8_t opacity) override;
    void DrawLayer(const ILayer& layer, const Core::C2DRectangle& destination) override;
    void DrawText(const char* text, const Core::C2DPoint& position) override;
    void DrawText(const char* text, const Core::C2DRectangle& rectangle, const CTextFormat& format) override;
    void SetFont(const IFont& font) override;
    void SetTransparent(bool transparent) override;
    Core::C2DSize GetTextSize(const char* text) override;
    Core::C2DSize GetTextSize(const char* text, const CTextFormat& format, int width) override;
    void Translate(const Core::C2DPoint& offset) override;
    // From the translation of the context's transform.
    Core::C2DPoint GetOrigin() override;
    Core::C2DRectangle GetClipRectangle() override;
    void ClipToRectangle(const Core::C2DRectangle& rectangle) override;
    void SaveState() override;
    void RestoreState() override;
    IBitmap* GetBitmap() override;
    const IBitmap* GetBitmap() const override;
    ~CDrawSurface() override;
    Native::CGContextRef Detach() override;

    // One line in the current font: (ceil(width), ceil(ascent + descent)); (0, 0) for a null text, a
    // text that is not UTF-8, or no font.
    virtual Core::C2DSize GetTextExtent(const char* text);

    // The software surface for a bitmap context, a plain surface for any other (a window's), null for
    // null. Takes over the caller's reference.
    static IAdaptedDrawSurface* CreateForContext(Native::CGContextRef context);

protected:
    // Without a context, for the bitmap surfaces.
    CDrawSurface();
    // Replaces the context: the bitmap view goes, the old context is released, the new one kept.
    void SetContext(Native::CGContextRef context);
    const Core::CColor& GetPenColor() const { return m_PenColor; }

private:
    // One stroked segment in user space.
    void StrokeSegment(double x1, double y1, double x2, double y2);
    // A native line of the text with the surface's font, pen colour and underline, or null.
    Native::CTLineRef MakeLine(const char* text);
    void SetTextAntialiasing();
    void DrawFlipped(Native::CGImageRef image, const Core::C2DRectangle& destination);
    void DrawNativeImage(Native::CGImageRef image, const Core::C2DPoint& source, const Core::C2DPoint& destination,
                         const Core::C2DSize& size);
    void DrawNativeImage(Native::CGImageRef image, const Core::C2DRectangle& source,
                         const Core::C2DRectangle& destination);
    void DeleteBitmapView();

    Native::CGContextRef m_Context;
    mutable CBitmapAdapter* m_BitmapView;
    std::deque<Core::CColor> m_PenColors;
    Core::CColor m_PenColor;
    IFont* m_Font;
    bool m_Transparent;
};

} // namespace Graphics
} // namespace Veltis
