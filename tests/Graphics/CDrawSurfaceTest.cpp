#include "Veltis/Graphics/CDrawSurface.h"

#include "Veltis/Graphics/BitmapContext.h"
#include "Veltis/Graphics/CBitmapSurface.h"
#include "Veltis/Graphics/CDIBBitmap.h"
#include "Veltis/Graphics/CFont.h"
#include "Veltis/Graphics/CSharedImage.h"
#include "Veltis/Graphics/IRGBPixelAccess.h"

#include "Native/CoreFoundation.h"
#include "Native/CoreGraphics.h"
#include "Native/CoreText.h"
#include "Native/Harness.h"
#include "support/GraphicsEnvironment.h"
#include "support/NativeLineMetrics.h"
#include "support/NativeTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

using namespace Veltis::Graphics;
using Veltis::Core::C2DPoint;
using Veltis::Core::C2DRectangle;
using Veltis::Core::C2DSize;
using Veltis::Core::CColor;

namespace VeltisTest {
namespace {

class CDrawSurfaceTest : public NativeTest {};

// A top-down 32-bit bitmap with a plain native surface over its context (no software lines).
struct NativeCanvas {
    explicit NativeCanvas(C2DSize size) : bitmap(size, 32)
    {
        Native::CFRetain(bitmap.GetNativeContext());
        surface.reset(new CDrawSurface(bitmap.GetNativeContext()));
        surface->SetFont(CFont::GetDefaultFont());
    }
    uint32_t At(int x, int y) const
    {
        return static_cast<const uint32_t*>(bitmap.GetBits())[y * bitmap.GetSize().width + x];
    }
    // Rows and columns holding any alpha: left, top, right and bottom inclusive; -1 when empty.
    C2DRectangle Ink() const
    {
        C2DSize size = bitmap.GetSize();
        int left = -1, top = -1, right = -1, bottom = -1;
        for (int y = 0; y < size.height; ++y)
            for (int x = 0; x < size.width; ++x)
                if (At(x, y) >> 24) {
                    left = left < 0 ? x : std::min(left, x);
                    top = top < 0 ? y : top;
                    right = std::max(right, x);
                    bottom = y;
                }
        return C2DRectangle(left, top, right, bottom);
    }
    CDIBBitmap bitmap;
    std::unique_ptr<CDrawSurface> surface;
};

TEST_F(CDrawSurfaceTest, CentredTextLandsWhereTheLayoutPutsIt)
{
    NativeCanvas canvas(C2DSize(100, 20));
    const char* text = "Hello";
    LineMetrics m = MeasureNative(text, CFont::GetDefaultFont().GetNativeFont());
    canvas.surface->DrawText(text, C2DRectangle(0, 0, 100, 20), CTextFormat(CTextFormat::kSingleLine, 1, 1));
    double x = (100 - m.width) * 0.5;
    double baseline = (20 - m.ascent - m.descent) * 0.5 + m.ascent;
    C2DRectangle ink = canvas.Ink();
    ASSERT_GE(ink.x, 0);
    EXPECT_NEAR(ink.x, x + m.ink.origin.x, 1);
    EXPECT_NEAR(ink.width + 1, x + m.ink.origin.x + m.ink.size.width, 1);
    EXPECT_NEAR(ink.y, baseline - (m.ink.origin.y + m.ink.size.height), 1);
    EXPECT_NEAR(ink.height + 1, baseline - m.ink.origin.y, 1);
    EXPECT_EQ(canvas.surface->GetTextSize(text),
              C2DSize(int(std::ceil(m.width)), int(std::ceil(m.ascent + m.descent))));
}

TEST_F(CDrawSurfaceTest, AlignmentsMoveTheInk)
{
    struct Case {
        int vertical;
        int horizontal;
    };
    const Case kCases[] = {{0, 0}, {2, 2}, {1, 2}, {2, 0}};
    LineMetrics m = MeasureNative("Hello", CFont::GetDefaultFont().GetNativeFont());
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.vertical << ", " << c.horizontal);
        NativeCanvas canvas(C2DSize(100, 30));
        canvas.surface->DrawText("Hello", C2DRectangle(0, 0, 100, 30), CTextFormat(1, c.vertical, c.horizontal));
        double x = c.horizontal == 0 ? 0 : c.horizontal == 2 ? 100 - m.width : (100 - m.width) * 0.5;
        double baseline = c.vertical == 0 ? m.ascent : c.vertical == 2 ? 30 - m.descent : (30 - m.ascent - m.descent) * 0.5 + m.ascent;
        C2DRectangle ink = canvas.Ink();
        EXPECT_NEAR(ink.x, x + m.ink.origin.x, 1);
        EXPECT_NEAR(ink.height + 1, baseline - m.ink.origin.y, 1);
    }
}

TEST_F(CDrawSurfaceTest, MultilineFormatsDrawAndMeasureNothing)
{
    NativeCanvas canvas(C2DSize(40, 20));
    CTextFormat multiline(0, 1, 1);
    canvas.surface->SetTransparent(false);
    canvas.surface->DrawText("Hello", C2DRectangle(0, 0, 40, 20), multiline);
    EXPECT_EQ(canvas.Ink().x, -1);
    EXPECT_EQ(canvas.surface->GetTextSize("Hello", multiline, 40), C2DSize(0, 0));
    EXPECT_EQ(MeasureText("Hello", multiline, 0, nullptr, nullptr), C2DSize(0, 0));
    EXPECT_EQ(MeasureText("Hello", CTextFormat(), 0, &CFont::GetDefaultFont(), nullptr),
              canvas.surface->GetTextSize("Hello"));
    EXPECT_EQ(MeasureText("Hello", CTextFormat(), 0, nullptr, canvas.surface.get()),
              canvas.surface->GetTextSize("Hello"));
}

TEST_F(CDrawSurfaceTest, TextThatCannotBeMadeDrawsAndMeasuresNothing)
{
    NativeCanvas canvas(C2DSize(20, 20));
    canvas.surface->SetTransparent(false);
    canvas.surface->SetBrushColor(CColor(0, 0, 255));
    for (const char* text : {static_cast<const char*>(nullptr), "\xff\xfe"}) {
        canvas.surface->DrawText(text, C2DPoint(0, 0));
        canvas.surface->DrawText(text, C2DRectangle(0, 0, 20, 20), CTextFormat());
        EXPECT_EQ(canvas.surface->GetTextSize(text), C2DSize(0, 0));
    }
    EXPECT_EQ(canvas.Ink().x, -1);
    EXPECT_EQ(canvas.surface->GetTextSize(""), C2DSize(0, 0));
}

TEST_F(CDrawSurfaceTest, EscapementTurnsTheMeasuredSize)
{
    NativeCanvas canvas(C2DSize(10, 10));
    C2DSize plain = canvas.surface->GetTextSize("Hello");
    CFont turned(CFont::GetDefaultFontDescription());
    turned.SetEscapement(90);
    canvas.surface->SetFont(turned);
    EXPECT_EQ(canvas.surface->GetTextSize("Hello"), C2DSize(plain.height, plain.width));
    turned.SetEscapement(180);
    canvas.surface->SetFont(turned);
    EXPECT_EQ(canvas.surface->GetTextSize("Hello"), plain);
}

TEST_F(CDrawSurfaceTest, OpaqueTextFillsItsBoxFirst)
{
    NativeCanvas canvas(C2DSize(80, 40));
    canvas.surface->SetTransparent(false);
    canvas.surface->SetBrushColor(CColor(0, 0, 255));
    canvas.surface->SetPenColor(CColor(255, 0, 0));
    canvas.surface->DrawText("Hi", C2DPoint(10, 20));
    C2DSize box = canvas.surface->GetTextSize("Hi");
    // The box's corners are brush, just outside is nothing.
    EXPECT_EQ(canvas.At(10, 20), 0xFF0000FFu);
    EXPECT_EQ(canvas.At(10 + box.width - 1, 20 + box.height - 1), 0xFF0000FFu);
    EXPECT_EQ(canvas.At(9, 20), 0u);
    EXPECT_EQ(canvas.At(10 + box.width, 20), 0u);
    EXPECT_EQ(canvas.At(10, 20 + box.height), 0u);
    EXPECT_EQ(canvas.At(10, 19), 0u);
}

TEST_F(CDrawSurfaceTest, RestoreStateBringsBackThePenButNotTheFont)
{
    NativeCanvas canvas(C2DSize(60, 20));
    CFont big(CFont::GetDefaultFontDescription());
    big.SetHeight(30);
    canvas.surface->SetPenColor(CColor(255, 0, 0));
    canvas.surface->SaveState();
    canvas.surface->SetPenColor(CColor(0, 255, 0));
    canvas.surface->SetFont(big);
    canvas.surface->RestoreState();
    EXPECT_GT(canvas.surface->GetTextSize("H").height, 20) << "the font stays";
    canvas.surface->DrawText("H", C2DPoint(0, 0));
    bool red = false;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x) {
            uint32_t word = canvas.At(x, y);
            EXPECT_EQ(word & 0xFFFF, 0u);
            red |= (word >> 16 & 0xFF) > 0;
        }
    EXPECT_TRUE(red);
    // An unmatched restore keeps the pen.
    canvas.surface->RestoreState();
    canvas.surface->SetPenColor(CColor(0, 0, 9));
    canvas.surface->RestoreState();
}

TEST_F(CDrawSurfaceTest, ZeroLengthStrokesOfTheNativeSurfaceDrawNothing)
{
    NativeCanvas canvas(C2DSize(10, 10));
    const C2DPoint points[] = {{2, 2}, {5, 5}};
    canvas.surface->DrawPoints(points, 0);
    canvas.surface->DrawRectangle(C2DRectangle(2, 3, 1, 1));
    canvas.surface->DrawRectangle(C2DRectangle(2, 3, 0, 5));
    canvas.surface->DrawPolyline(points, 1);
    EXPECT_EQ(canvas.Ink().x, -1);
    canvas.surface->SetPenColor(CColor(255, 255, 255));
    // Strokes through pixel centres with butt caps: edges covered, corners three quarters.
    canvas.surface->DrawRectangle(C2DRectangle(1, 1, 4, 3));
    EXPECT_EQ(canvas.At(2, 1), 0xFFFFFFFFu);
    EXPECT_EQ(canvas.At(4, 2), 0xFFFFFFFFu);
    EXPECT_NEAR(double(canvas.At(4, 3) >> 24), 192, 1);
    EXPECT_EQ(canvas.At(2, 2), 0u);
    // A point is half a pixel long.
    canvas.surface->DrawPoint(C2DPoint(7, 7));
    EXPECT_NEAR(double(canvas.At(7, 7) >> 24), 128, 1);
}

TEST_F(CDrawSurfaceTest, PointsInkTheirPixelsOnNativeAndSoftwareSurfaces)
{
    const C2DPoint points[] = {{2, 2}, {5, 7}};
    NativeCanvas native(C2DSize(10, 10));
    native.surface->SetPenColor(CColor(255, 255, 255));
    native.surface->DrawPoints(points, 2);
    NativeCanvas single(C2DSize(10, 10));
    single.surface->SetPenColor(CColor(255, 255, 255));
    single.surface->DrawPoint(points[1]);

    CDIBBitmap bitmap(C2DSize(10, 10), 32);
    std::unique_ptr<IDrawSurface> software(bitmap.GetDrawSurface());
    software->SetPenColor(CColor(255, 255, 255));
    software->DrawPoints(points, 2);
    const uint32_t* bits = static_cast<const uint32_t*>(bitmap.GetBits());

    for (const C2DPoint& p : points) {
        SCOPED_TRACE(testing::Message() << p.x << ", " << p.y);
        EXPECT_NE(native.At(p.x, p.y) >> 24, 0u);
        EXPECT_NE(bits[p.y * 10 + p.x], 0u);
    }
    // Each point on the native surface is exactly what DrawPoint makes of it.
    EXPECT_EQ(native.At(5, 7), single.At(5, 7));
    EXPECT_EQ(native.Ink().x, 2);
    EXPECT_EQ(native.Ink().width, 5);
    EXPECT_EQ(native.Ink().height, 7);
}

TEST_F(CDrawSurfaceTest, ImagesAndBitmapsAreDrawnUprightAtTheirDestination)
{
    CDIBBitmap source(C2DSize(2, 2), 32);
    std::unique_ptr<IRGBPixelAccess> access(source.GetPixelAccess());
    access->SetPixel(C2DPoint(0, 0), CColor(255, 0, 0));
    access->SetPixel(C2DPoint(1, 1), CColor(0, 0, 255));
    access.reset();
    std::unique_ptr<IImage> image(source.GetImage());

    NativeCanvas canvas(C2DSize(6, 6));
    canvas.surface->DrawImage(*image, C2DPoint(0, 0), C2DPoint(2, 3), C2DSize(2, 2));
    EXPECT_EQ(canvas.At(2, 3), 0xFFFF0000u);
    EXPECT_EQ(canvas.At(3, 4), 0xFF0000FFu);
    // A part of it, a stretched copy, a bitmap with half opacity.
    canvas.surface->DrawImage(*image, C2DPoint(1, 1), C2DPoint(0, 0), C2DSize(1, 1));
    EXPECT_EQ(canvas.At(0, 0), 0xFF0000FFu);
    canvas.surface->DrawImage(*image, C2DRectangle(0, 0, 1, 1), C2DRectangle(4, 0, 2, 2));
    EXPECT_EQ(canvas.At(5, 1), 0xFFFF0000u);
    canvas.surface->DrawBitmap(source, C2DPoint(0, 0), C2DPoint(0, 4), C2DSize(2, 2), 128);
    EXPECT_NEAR(double(canvas.At(0, 4) >> 24), 128, 1);
    canvas.surface->DrawBitmap(source, C2DRectangle(0, 0, 2, 2), C2DRectangle(4, 4, 2, 2));
    EXPECT_EQ(canvas.At(5, 5), 0xFF0000FFu);

    // Parts outside the image or of no size draw and release nothing.
    canvas.surface->DrawImage(*image, C2DPoint(5, 5), C2DPoint(0, 0), C2DSize(2, 2));
    canvas.surface->DrawImage(*image, C2DPoint(0, 0), C2DPoint(0, 0), C2DSize(0, 0));
    canvas.surface->DrawBitmap(source, C2DRectangle(0, 0, 0, 3), C2DRectangle(0, 0, 4, 4));
    CSharedImage empty(static_cast<Native::CGImageRef>(nullptr));
    canvas.surface->DrawImage(empty, C2DPoint(0, 0), C2DPoint(0, 0), C2DSize(2, 2));
    EXPECT_EQ(canvas.At(0, 0), 0xFF0000FFu);
}

TEST_F(CDrawSurfaceTest, TheBitmapViewNeverFreesTheBitmapsPixels)
{
    CDIBBitmap bitmap(C2DSize(3, 3), 32);
    {
        Native::CFRetain(bitmap.GetNativeContext());
        CDrawSurface surface(bitmap.GetNativeContext());
        IBitmap* view = surface.GetBitmap();
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view, surface.GetBitmap());
        EXPECT_EQ(view->GetBits(), bitmap.GetBits());
    }
    // Still the bitmap's own memory and context.
    static_cast<uint32_t*>(bitmap.GetBits())[4] = 7;
    EXPECT_EQ(bitmap.GetSize(), C2DSize(3, 3));
    EXPECT_EQ(Native::Harness::LiveObjects("CGContext"), 1u);

    Native::CGContextRef window = Native::CreateWindowContext(3, 3);
    CDrawSurface windowSurface(window);
    EXPECT_EQ(windowSurface.GetBitmap(), nullptr);
}

TEST_F(CDrawSurfaceTest, DetachHandsTheContextBack)
{
    Native::CGContextRef window = Native::CreateWindowContext(4, 4);
    std::unique_ptr<IAdaptedDrawSurface> surface(CDrawSurface::CreateForContext(window));
    surface->SetBrushColor(CColor(0, 255, 0));
    surface->Translate(C2DPoint(1, 1));
    surface->FillRectangle(C2DRectangle(0, 0, 1, 1));
    // Not turned: user space of a window context is y-up.
    EXPECT_EQ(Native::Harness::ContextPixelAt(window, 1, 2), 0xFF00FF00u);
    EXPECT_EQ(surface->Detach(), window);
    EXPECT_EQ(surface->GetNativeContext(), nullptr);
    surface->FillRectangle(C2DRectangle(0, 0, 4, 4));
    surface.reset();
    EXPECT_EQ(Native::Harness::LiveObjects("CGContext"), 1u);
    EXPECT_EQ(Native::Harness::ContextPixelAt(window, 0, 0), 0u);
    Native::CGContextRelease(window);
}

TEST_F(CDrawSurfaceTest, ClipAndOriginOfABitmapSurface)
{
    CDIBBitmap bitmap(C2DSize(20, 10), 32);
    std::unique_ptr<IDrawSurface> surface(bitmap.GetDrawSurface());
    EXPECT_EQ(surface->GetClipRectangle().width, 20);
    surface->Translate(C2DPoint(3, 4));
    surface->Translate(C2DPoint(1, -1));
    EXPECT_EQ(surface->GetOrigin().x, 4);
    EXPECT_EQ(surface->GetOrigin().y, 3);
    surface->ClipToRectangle(C2DRectangle(0, 0, 5, 2));
    C2DRectangle clip = surface->GetClipRectangle();
    EXPECT_EQ(clip.x, 0);
    EXPECT_EQ(clip.y, 0);
    EXPECT_EQ(clip.width, 5);
    EXPECT_EQ(clip.height, 2);
    surface->SaveState();
    surface->ClipToRectangle(C2DRectangle(0, 0, 1, 1));
    surface->RestoreState();
    EXPECT_EQ(surface->GetClipRectangle().width, 5);
}

} // namespace
} // namespace VeltisTest
