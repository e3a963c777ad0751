#include "Veltis/Graphics/CDrawSurface.h"

#include "Veltis/Graphics/BitmapContext.h"
#include "Veltis/Graphics/CBitmapAdapter.h"
#include "Veltis/Graphics/CBitmapSurface.h"
#include "Veltis/Graphics/IFont.h"
#include "Veltis/Graphics/IImage.h"
#include "Veltis/Graphics/ILayer.h"
#include "Veltis/Graphics/NativeGraphicsQueries.h"

#include "Native/CoreFoundation.h"
#include "Native/CoreGraphics.h"
#include "Native/CoreText.h"

#include <cmath>

using namespace Native;

namespace Veltis {
namespace Graphics {

namespace {

// 1/255 as the platform takes colour components.
constexpr float kComponent = 0.003921569f;
constexpr double kPi = 3.14159265358979323846;

struct LineBounds {
    double width = 0;
    CGFloat ascent = 0;
    CGFloat descent = 0;
};

LineBounds BoundsOf(CTLineRef line)
{
    LineBounds bounds;
    bounds.width = CTLineGetTypographicBounds(line, &bounds.ascent, &bounds.descent, nullptr);
    return bounds;
}

// |cos| and |sin| of the escapement, with its angle as the framework computes it.
void TurnOf(float escapement, double& u, double& v)
{
    float angle = escapement * 0.0055555557f * static_cast<float>(kPi);
    u = std::fabs(std::cos(angle));
    v = std::fabs(std::sin(angle));
}

} // namespace

CDrawSurface::CDrawSurface(CGContextRef context)
    : m_Context(context), m_BitmapView(nullptr), m_PenColor(), m_Font(nullptr), m_Transparent(true)
{
}

CDrawSurface::CDrawSurface() : CDrawSurface(nullptr) {}

CDrawSurface::~CDrawSurface()
{
    DeleteBitmapView();
    if (m_Context)
        CFRelease(m_Context);
    delete m_Font;
}

void CDrawSurface::DeleteBitmapView()
{
    if (!m_BitmapView)
        return;
    // The view must not free the pixels or release the context: both belong to others.
    m_BitmapView->DetachNativeContext();
    delete m_BitmapView;
    m_BitmapView = nullptr;
}

void CDrawSurface::SetContext(CGContextRef context)
{
    DeleteBitmapView();
    if (m_Context)
        CFRelease(m_Context);
    m_Context = context;
}

CGContextRef CDrawSurface::Detach()
{
    CGContextRef context = m_Context;
    DeleteBitmapView();
    m_Context = nullptr;
    return context;
}

IAdaptedDrawSurface* CDrawSurface::CreateForContext(CGContextRef context)
{
    if (!context)
        return nullptr;
    if (CGBitmapContextGetData(context))
        return CreateDIBSurface(context);
    return new CDrawSurface(context);
}

CGContextRef CDrawSurface::GetNativeContext()
{
    return m_Context;
}

void CDrawSurface::SetPenColor(const Core::CColor& color)
{
    if (m_Context)
        CGContextSetRGBStrokeColor(m_Context, color.r * kComponent, color.g * kComponent, color.b * kComponent, 1);
    m_PenColor = color;
}

void CDrawSurface::SetPenStyle(int) {}

void CDrawSurface::StrokeSegment(double x1, double y1, double x2, double y2)
{
    if (!m_Context)
        return;
    const CGPoint segment[2] = {{x1, y1}, {x2, y2}};
    CGContextStrokeLineSegments(m_Context, segment, 2);
}

void CDrawSurface::DrawLine(const Core::C2DPoint& from, const Core::C2DPoint& to)
{
    StrokeSegment(from.x + 0.5, from.y + 0.5, to.x + 0.5, to.y + 0.5);
}

void CDrawSurface::DrawPolyline(const Core::C2DPoint* points, int count)
{
    for (int i = 1; i < count; ++i)
        DrawLine(points[i - 1], points[i]);
}

void CDrawSurface::DrawPoint(const Core::C2DPoint& point)
{
    StrokeSegment(point.x + 1.0, point.y + 0.5, point.x + 0.5, point.y + 0.5);
}

// A segment from a point to itself strokes nothing with butt caps: each point is drawn as DrawPoint does.
void CDrawSurface::DrawPoints(const Core::C2DPoint* points, int count)
{
    for (int i = 0; i < count; ++i)
        DrawPoint(points[i]);
}

void CDrawSurface::DrawRectangle(const Core::C2DRectangle& r)
{
    if (r.width == 0 || r.height == 0)
        return;
    Core::C2DPoint topLeft(r.x, r.y);
    Core::C2DPoint topRight(r.x + r.width - 1, r.y);
    Core::C2DPoint bottomRight(r.x + r.width - 1, r.y + r.height - 1);
    Core::C2DPoint bottomLeft(r.x, r.y + r.height - 1);
    DrawLine(topLeft, topRight);
    DrawLine(topRight, bottomRight);
    DrawLine(bottomRight, bottomLeft);
    DrawLine(bottomLeft, topLeft);
}

void CDrawSurface::DrawLine(const Core::C2DFloatPoint& from, const Core::C2DFloatPoint& to)
{
    StrokeSegment(from.x + 0.5, from.y + 0.5, to.x + 0.5, to.y + 0.5);
}

void CDrawSurface::DrawPolyline(const Core::C2DFloatPoint* points, int count)
{
    for (int i = 1; i < count; ++i)
        DrawLine(points[i - 1], points[i]);
}

void CDrawSurface::DrawPoint(const Core::C2DFloatPoint& point)
{
    StrokeSegment(point.x + 1.0, point.y + 0.5, point.x + 0.5, point.y + 0.5);
}

void CDrawSurface::DrawPoints(const Core::C2DFloatPoint* points, int count)
{
    for (int i = 0; i < count; ++i)
        DrawPoint(points[i]);
}

void CDrawSurface::SetBrushColor(const Core::CColor& color)
{
    if (m_Context)
        CGContextSetRGBFillColor(m_Context, color.r * kComponent, color.g * kComponent, color.b * kComponent, 1);
}

void CDrawSurface::FillRectangle(const Core::C2DRectangle& rectangle)
{
    if (m_Context)
        CGContextFillRect(m_Context, ToNativeRect(rectangle));
}

// Images

void CDrawSurface::DrawFlipped(CGImageRef image, const Core::C2DRectangle& destination)
{
    CGContextSaveGState(m_Context);
    CGContextTranslateCTM(m_Context, 0, double(destination.y) + destination.height);
    CGContextScaleCTM(m_Context, 1, -1);
    CGContextDrawImage(m_Context, CGRectMake(destination.x, 0, destination.width, destination.height), image);
    CGContextRestoreGState(m_Context);
}

void CDrawSurface::DrawNativeImage(CGImageRef image, const Core::C2DPoint& source, const Core::C2DPoint& destination,
                                   const Core::C2DSize& size)
{
    DrawNativeImage(image, Core::C2DRectangle(source, size), Core::C2DRectangle(destination, size));
}

void CDrawSurface::DrawNativeImage(CGImageRef image, const Core::C2DRectangle& source,
                                   const Core::C2DRectangle& destination)
{
    if (!m_Context || !image)
        return;
    bool whole = source.x == 0 && source.y == 0 && size_t(source.width) == CGImageGetWidth(image) &&
                 size_t(source.height) == CGImageGetHeight(image);
    CGImageRef part = whole ? image : CGImageCreateWithImageInRect(image, ToNativeRect(source));
    // An empty part makes no image: nothing to draw and nothing to release.
    if (!part)
        return;
    DrawFlipped(part, destination);
    if (!whole)
        CGImageRelease(part);
}

void CDrawSurface::DrawImage(const IImage& image, const Core::C2DPoint& source, const Core::C2DPoint& destination,
                             const Core::C2DSize& size)
{
    DrawNativeImage(image.GetNativeImage(), source, destination, size);
}

void CDrawSurface::DrawImage(const IImage& image, const Core::C2DPoint& source, const Core::C2DPoint& destination,
                             const Core::C2DSize& size, uint8_t opacity)
{
    if (!m_Context)
        return;
    SaveState();
    CGContextSetAlpha(m_Context, opacity * kComponent);
    DrawImage(image, source, destination, size);
    RestoreState();
}

void CDrawSurface::DrawImage(const IImage& image, const Core::C2DRectangle& source,
                             const Core::C2DRectangle& destination)
{
    DrawNativeImage(image.GetNativeImage(), source, destination);
}

void CDrawSurface::DrawBitmap(IBitmap& bitmap, const Core::C2DPoint& source, const Core::C2DPoint& destination,
                              const Core::C2DSize& size)
{
    CGImageRef image = CreateImageFromBitmap(bitmap.GetNativeContext(), false, nullptr, nullptr);
    DrawNativeImage(image, source, destination, size);
    if (image)
        CGImageRelease(image);
}

void CDrawSurface::DrawBitmap(IBitmap& bitmap, const Core::C2DPoint& source, const Core::C2DPoint& destination,
                              const Core::C2DSize& size, uint8_t opacity)
{
    if (!m_Context)
        return;
    SaveState();
    CGContextSetAlpha(m_Context, opacity * kComponent);
    DrawBitmap(bitmap, source, destination, size);
    RestoreState();
}

void CDrawSurface::DrawBitmap(IBitmap& bitmap, const Core::C2DRectangle& source, const Core::C2DRectangle& destination)
{
    CGImageRef image = CreateImageFromBitmap(bitmap.GetNativeContext(), false, nullptr, nullptr);
    DrawNativeImage(image, source, destination);
    if (image)
        CGImageRelease(image);
}

// Layers

void CDrawSurface::DrawLayer(const ILayer& layer, const Core::C2DPoint& destination)
{
    if (!m_Context)
        return;
    CGContextSaveGState(m_Context);
    CGContextTranslateCTM(m_Context, 0, double(destination.y) + layer.GetSize().height);
    CGContextScaleCTM(m_Context, 1, -1);
    CGContextDrawLayerAtPoint(m_Context, CGPointMake(destination.x, 0), layer.GetNativeLayer());
    CGContextRestoreGState(m_Context);
}

void CDrawSurface::DrawLayer(const ILayer& layer, const Core::C2DPoint& destination, uint8_t opacity)
{
    if (!m_Context)
        return;
    SaveState();
    CGContextSetAlpha(m_Context, opacity * kComponent);
    DrawLayer(layer, destination);
    RestoreState();
}

void CDrawSurface::DrawLayer(const ILayer& layer, const Core::C2DRectangle& destination)
{
    if (m_Context)
        CGContextDrawLayerInRect(m_Context, ToNativeRect(destination), layer.GetNativeLayer());
}

// Text

CTLineRef CDrawSurface::MakeLine(const char* text)
{
    if (!text || !m_Font)
        return nullptr;
    CTFontRef font = m_Font->GetNativeFont();
    if (!font)
        return nullptr;
    CFStringRef string = CFStringCreateWithCString(kCFAllocatorDefault, text, kCFStringEncodingUTF8);
    if (!string)
        return nullptr;
    CGColorSpaceRef space = CGColorSpaceCreateDeviceRGB();
    const CGFloat components[4] = {m_PenColor.r * kComponent, m_PenColor.g * kComponent, m_PenColor.b * kComponent, 1};
    CGColorRef color = CGColorCreate(space, components);
    CGColorSpaceRelease(space);
    int underlineStyle = m_Font->IsUnderline() ? 1 : 0;
    CFNumberRef underline = CFNumberCreate(kCFAllocatorDefault, kCFNumberIntType, &underlineStyle);
    const CFTypeRef keys[3] = {kCTFontAttributeName, kCTForegroundColorAttributeName, kCTUnderlineStyleAttributeName};
    const CFTypeRef values[3] = {font, color, underline};
    CFDictionaryRef attributes = CFDictionaryCreate(kCFAllocatorDefault, keys, values, 3,
                                                    &kCFTypeDictionaryKeyCallBacks, &kCFTypeDictionaryValueCallBacks);
    CFAttributedStringRef attributed = CFAttributedStringCreate(kCFAllocatorDefault, string, attributes);
    CTLineRef line = attributed ? CTLineCreateWithAttributedString(attributed) : nullptr;
    if (attributed)
        CFRelease(attributed);
    CFRelease(attributes);
    CFRelease(underline);
    CGColorRelease(color);
    CFRelease(string);
    return line;
}

void CDrawSurface::SetTextAntialiasing()
{
    CGContextSetShouldAntialias(m_Context, m_Font->GetQuality() != 3);
}

void CDrawSurface::DrawText(const char* text, const Core::C2DPoint& position)
{
    if (!m_Context)
        return;
    CTLineRef line = MakeLine(text);
    if (!line)
        return;
    LineBounds bounds = BoundsOf(line);
    if (!m_Transparent)
        FillRectangle(Core::C2DRectangle(position.x, position.y, static_cast<int32_t>(std::ceil(bounds.width)),
                                         static_cast<int32_t>(std::ceil(bounds.ascent + bounds.descent))));
    SetTextAntialiasing();
    CGContextSetTextPosition(m_Context, position.x, position.y + bounds.ascent);
    CTLineDraw(line, m_Context);
    CFRelease(line);
}

void CDrawSurface::DrawText(const char* text, const Core::C2DRectangle& rectangle, const CTextFormat& format)
{
    if (!m_Context || !format.IsSingleLine())
        return;
    CTLineRef line = MakeLine(text);
    if (!line)
        return;
    if (!m_Transparent)
        FillRectangle(rectangle);
    CGContextSaveGState(m_Context);
    CGContextTranslateCTM(m_Context, rectangle.x, rectangle.y);
    double width = rectangle.width;
    double height = rectangle.height;
    double lineWidth = width;
    double lineHeight = height;
    float escapement = m_Font->GetEscapement();
    if (escapement != 0) {
        double u = 0;
        double v = 0;
        TurnOf(escapement, u, v);
        if (std::fabs(u - v) >= 1e-6) {
            double m = u * u - v * v;
            lineWidth = (u * width - height * v) / m;
            lineHeight = (u * height - width * v) / m;
        } else {
            CGRect ink = CTLineGetImageBounds(line, m_Context);
            lineHeight = ink.size.height;
            lineWidth = height / u - ink.size.height;
        }
        double turn = std::fmod(double(escapement) + 360, 360);
        if (turn <= 90)
            CGContextTranslateCTM(m_Context, 0, lineWidth * v);
        else if (turn <= 180)
            CGContextTranslateCTM(m_Context, lineWidth * u, height);
        else if (turn <= 270)
            CGContextTranslateCTM(m_Context, width, height - v * lineWidth);
        else
            CGContextTranslateCTM(m_Context, width - lineWidth * u, 0);
        CGContextRotateCTM(m_Context, -double(escapement) * kPi / 180);
    }
    LineBounds bounds = BoundsOf(line);
    double y = format.verticalAlignment == 0   ? bounds.ascent
               : format.verticalAlignment == 2 ? lineHeight - bounds.descent
                                               : (lineHeight - bounds.ascent - bounds.descent) * 0.5 + bounds.ascent;
    double x = format.horizontalAlignment == 0   ? 0
               : format.horizontalAlignment == 2 ? lineWidth - bounds.width
                                                 : (lineWidth - bounds.width) * 0.5;
    CGContextTranslateCTM(m_Context, x, y);
    SetTextAntialiasing();
    CGContextSetTextPosition(m_Context, 0, 0);
    CTLineDraw(line, m_Context);
    CGContextRestoreGState(m_Context);
    CFRelease(line);
}

void CDrawSurface::SetFont(const IFont& font)
{
    font.GetNativeFont();
    IFont* clone = font.Clone();
    delete m_Font;
    m_Font = clone;
}

void CDrawSurface::SetTransparent(bool transparent)
{
    m_Transparent = transparent;
}

Core::C2DSize CDrawSurface::GetTextExtent(const char* text)
{
    CTLineRef line = MakeLine(text);
    if (!line)
        return Core::C2DSize(0, 0);
    LineBounds bounds = BoundsOf(line);
    CFRelease(line);
    return Core::C2DSize(static_cast<int32_t>(std::ceil(bounds.width)),
                         static_cast<int32_t>(std::ceil(bounds.ascent + bounds.descent)));
}

Core::C2DSize CDrawSurface::GetTextSize(const char* text)
{
    Core::C2DSize extent = GetTextExtent(text);
    if (!m_Font || m_Font->GetEscapement() == 0)
        return extent;
    double u = 0;
    double v = 0;
    TurnOf(m_Font->GetEscapement(), u, v);
    double w = extent.width;
    double h = extent.height;
    return Core::C2DSize(static_cast<int32_t>(w * u + h * v + 0.5), static_cast<int32_t>(w * v + h * u + 0.5));
}

Core::C2DSize CDrawSurface::GetTextSize(const char* text, const CTextFormat& format, int)
{
    if (!format.IsSingleLine())
        return Core::C2DSize(0, 0);
    return GetTextSize(text);
}

// Transform, clip and state

void CDrawSurface::Translate(const Core::C2DPoint& offset)
{
    if (m_Context)
        CGContextTranslateCTM(m_Context, offset.x, offset.y);
}

Core::C2DPoint CDrawSurface::GetOrigin()
{
    if (!m_Context)
        return Core::C2DPoint(0, 0);
    CGAffineTransform ctm = CGContextGetCTM(m_Context);
    return Core::C2DPoint(static_cast<int32_t>(ctm.tx + 0.5), static_cast<int32_t>(ctm.ty + 0.5));
}

Core::C2DRectangle CDrawSurface::GetClipRectangle()
{
    if (!m_Context)
        return Core::C2DRectangle();
    return FromNativeRect(CGContextGetClipBoundingBox(m_Context));
}

void CDrawSurface::ClipToRectangle(const Core::C2DRectangle& rectangle)
{
    if (m_Context)
        CGContextClipToRect(m_Context, ToNativeRect(rectangle));
}

void CDrawSurface::SaveState()
{
    if (m_Context)
        CGContextSaveGState(m_Context);
    m_PenColors.push_back(m_PenColor);
}

void CDrawSurface::RestoreState()
{
    if (m_Context)
        CGContextRestoreGState(m_Context);
    if (!m_PenColors.empty()) {
        m_PenColor = m_PenColors.back();
        m_PenColors.pop_back();
    }
}

IBitmap* CDrawSurface::GetBitmap()
{
    if (!m_Context || !CGBitmapContextGetData(m_Context))
        return nullptr;
    if (m_BitmapView && m_BitmapView->GetNativeContext() != m_Context) {
        m_BitmapView->DetachNativeContext();
        m_BitmapView->SetNativeContext(m_Context);
    }
    if (!m_BitmapView)
        m_BitmapView = new CBitmapAdapter(m_Context);
    return m_BitmapView;
}

const IBitmap* CDrawSurface::GetBitmap() const
{
    return const_cast<CDrawSurface*>(this)->GetBitmap();
}

} // namespace Graphics
} // namespace Veltis
