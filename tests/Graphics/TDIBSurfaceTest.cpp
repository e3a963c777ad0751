#include "Veltis/Graphics/TDIBSurface.h"

#include "Veltis/Graphics/CDIB16BGRIterator.h"
#include "Veltis/Graphics/CDIB32BGRIterator.h"
#include "Veltis/Graphics/CDIB8MonoIterator.h"
#include "Veltis/Graphics/CDIBBitmap.h"

#include "Native/CoreFoundation.h"
#include "Native/CoreGraphics.h"
#include "Native/Harness.h"
#include "support/NativeTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

using namespace Veltis::Graphics;
using Veltis::Core::C2DFloatPoint;
using Veltis::Core::C2DPoint;
using Veltis::Core::C2DRectangle;
using Veltis::Core::C2DSize;
using Veltis::Core::CColor;

namespace VeltisTest {
namespace {

class TDIBSurfaceTest : public NativeTest {};

constexpr uint32_t kPen = 0xFF102030;
const CColor kPenColor(0x10, 0x20, 0x30);

// A 10 x 10 bitmap of the depth with its software surface and the pen set.
struct Canvas {
    explicit Canvas(int depth = 32, C2DSize size = C2DSize(10, 10)) : bitmap(size, depth), surface(bitmap.GetDrawSurface())
    {
        surface->SetPenColor(kPenColor);
    }
    uint32_t At(int x, int y) const
    {
        size_t bytesPerRow = Native::CGBitmapContextGetBytesPerRow(const_cast<CDIBBitmap&>(bitmap).GetNativeContext());
        const uint8_t* row = static_cast<const uint8_t*>(bitmap.GetBits()) + size_t(y) * bytesPerRow;
        switch (bitmap.GetBitsPerPixel()) {
        case 8:
            return row[x];
        case 16:
            return uint32_t(row[2 * x]) | uint32_t(row[2 * x + 1]) << 8;
        default:
            return reinterpret_cast<const uint32_t*>(row)[x];
        }
    }
    // The written pixels as (x, y) pairs, row by row.
    std::vector<C2DPoint> Written() const
    {
        std::vector<C2DPoint> points;
        C2DSize size = bitmap.GetSize();
        for (int y = 0; y < size.height; ++y)
            for (int x = 0; x < size.width; ++x)
                if (At(x, y))
                    points.push_back(C2DPoint(x, y));
        return points;
    }
    CDIBBitmap bitmap;
    std::unique_ptr<IDrawSurface> surface;
};

TEST_F(TDIBSurfaceTest, SurfacesChosenForContexts)
{
    for (int depth : {8, 16, 32}) {
        SCOPED_TRACE(depth);
        CDIBBitmap bitmap(C2DSize(4, 4), depth);
        Native::CFRetain(bitmap.GetNativeContext());
        std::unique_ptr<IAdaptedDrawSurface> surface(CDrawSurface::CreateForContext(bitmap.GetNativeContext()));
        IDrawSurface* plain = surface.get();
        bool software = depth == 8    ? dynamic_cast<TDIBSurface<CDIB8MonoIterator>*>(plain) != nullptr
                        : depth == 16 ? dynamic_cast<TDIBSurface<CDIB16BGRIterator>*>(plain) != nullptr
                                      : dynamic_cast<TDIBSurface<CDIB32BGRIterator>*>(plain) != nullptr;
        EXPECT_TRUE(software);
        EXPECT_EQ(surface->GetBitmap()->GetNativeContext(), bitmap.GetNativeContext());
    }
    Native::CGContextRef window = Native::CreateWindowContext(4, 4);
    std::unique_ptr<IAdaptedDrawSurface> surface(CDrawSurface::CreateForContext(window));
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(dynamic_cast<CBitmapSurface*>(surface.get()), nullptr);
    EXPECT_EQ(surface->GetBitmap(), nullptr);
    surface.reset();
    EXPECT_EQ(CDrawSurface::CreateForContext(nullptr), nullptr);
    EXPECT_EQ(CreateDIBSurface(nullptr), nullptr);
    EXPECT_EQ(Native::Harness::LiveObjects("CGContext"), 0u);
}

TEST_F(TDIBSurfaceTest, IntegerLinesWriteThePenValue)
{
    struct Case {
        const char* name;
        C2DPoint from;
        C2DPoint to;
        std::vector<C2DPoint> pixels;
    };
    std::vector<C2DPoint> row2;
    for (int x = 0; x < 10; ++x)
        row2.push_back(C2DPoint(x, 2));
    const Case kCases[] = {
        {"shallow", C2DPoint(0, 0), C2DPoint(9, 3),
         {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 2}, {6, 2}, {7, 2}, {8, 3}, {9, 3}}},
        {"clipped both ends", C2DPoint(-5, 2), C2DPoint(20, 2), row2},
        {"diagonal is x-major", C2DPoint(3, 0), C2DPoint(0, 3), {{3, 0}, {2, 1}, {1, 2}, {0, 3}}},
        {"single point", C2DPoint(3, 3), C2DPoint(3, 3), {{3, 3}}},
        {"steep", C2DPoint(1, 0), C2DPoint(2, 3), {{1, 0}, {1, 1}, {2, 2}, {2, 3}}},
        {"outside", C2DPoint(-5, -5), C2DPoint(-1, 20), {}},
        {"int range", C2DPoint(INT_MIN, 2), C2DPoint(INT_MAX, 2), row2},
        {"int range diagonal", C2DPoint(INT_MIN, INT_MIN), C2DPoint(INT_MAX, INT_MAX),
         {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8}, {9, 9}}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        Canvas canvas;
        canvas.surface->DrawLine(c.from, c.to);
        std::vector<C2DPoint> written = canvas.Written();
        ASSERT_EQ(written.size(), c.pixels.size());
        // Compare as sets ordered row by row.
        std::vector<C2DPoint> expected = c.pixels;
        std::sort(expected.begin(), expected.end(),
                  [](const C2DPoint& a, const C2DPoint& b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
        for (size_t i = 0; i < written.size(); ++i) {
            EXPECT_EQ(written[i].x, expected[i].x);
            EXPECT_EQ(written[i].y, expected[i].y);
            EXPECT_EQ(canvas.At(written[i].x, written[i].y), kPen);
        }
    }
}

TEST_F(TDIBSurfaceTest, PolylinesPointsTranslationAndClip)
{
    Canvas canvas;
    const C2DPoint line[] = {{0, 0}, {4, 0}, {4, 4}};
    canvas.surface->DrawPolyline(line, 1);
    canvas.surface->DrawPoints(line, 0);
    EXPECT_TRUE(canvas.Written().empty());
    canvas.surface->DrawPolyline(line, 3);
    EXPECT_EQ(canvas.Written().size(), 9u);

    Canvas moved;
    moved.surface->Translate(C2DPoint(2, 1));
    EXPECT_EQ(moved.surface->GetOrigin().x, 2);
    EXPECT_EQ(moved.surface->GetOrigin().y, 1);
    moved.surface->DrawPoint(C2DPoint(0, 0));
    ASSERT_EQ(moved.Written().size(), 1u);
    EXPECT_EQ(moved.Written()[0].x, 2);
    EXPECT_EQ(moved.Written()[0].y, 1);

    Canvas clipped;
    clipped.surface->ClipToRectangle(C2DRectangle(2, 2, 3, 3));
    clipped.surface->DrawLine(C2DPoint(0, 3), C2DPoint(9, 3));
    clipped.surface->DrawPoint(C2DPoint(6, 6));
    clipped.surface->DrawLine(C2DFloatPoint(0, 3), C2DFloatPoint(9, 3));
    for (const C2DPoint& p : clipped.Written())
        EXPECT_TRUE(p.x >= 2 && p.x <= 4 && p.y == 3) << p.x << ", " << p.y;
    EXPECT_EQ(clipped.Written().size(), 3u);
}

TEST_F(TDIBSurfaceTest, FloatLinesAndPointsBlendByCoverage)
{
    auto grey = [](uint32_t word) { return int(word & 0xFF); };
    {
        Canvas canvas;
        canvas.surface->SetPenColor(CColor(255, 255, 255));
        canvas.surface->DrawLine(C2DFloatPoint(0.5f, 2.0f), C2DFloatPoint(8.5f, 2.0f));
        for (int x = 2; x <= 8; ++x)
            EXPECT_EQ(canvas.At(x, 2), 0xFFFFFFFFu) << x;
        EXPECT_EQ(canvas.At(5, 1), 0u);
        EXPECT_EQ(canvas.At(5, 3), 0u);
    }
    {
        Canvas canvas;
        canvas.surface->SetPenColor(CColor(255, 255, 255));
        canvas.surface->DrawLine(C2DFloatPoint(0.5f, 2.5f), C2DFloatPoint(8.5f, 2.5f));
        // Coverages 128 and 127 over black.
        EXPECT_EQ(grey(canvas.At(5, 2)), 255 * 128 >> 8);
        EXPECT_EQ(grey(canvas.At(5, 3)), 255 * 127 >> 8);
        EXPECT_EQ(canvas.At(5, 2) >> 24, 0xFFu) << "alpha becomes opaque";
    }
    {
        Canvas canvas;
        canvas.surface->SetPenColor(CColor(255, 255, 255));
        canvas.surface->DrawPoint(C2DFloatPoint(4.0f, 4.0f));
        EXPECT_EQ(grey(canvas.At(4, 4)), 255 * 255 >> 8);
        EXPECT_EQ(canvas.Written().size(), 1u);
        canvas.surface->DrawPoint(C2DFloatPoint(6.5f, 1.0f));
        EXPECT_EQ(grey(canvas.At(6, 1)), 255 * 127 >> 8);
        EXPECT_EQ(grey(canvas.At(7, 1)), 255 * 127 >> 8);
        const C2DFloatPoint none[] = {{1, 1}};
        canvas.surface->DrawPoints(none, 0);
        canvas.surface->DrawPolyline(none, 1);
        EXPECT_EQ(canvas.Written().size(), 3u);
    }
}

TEST_F(TDIBSurfaceTest, NonFiniteFloatCoordinatesDrawNothing)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        C2DFloatPoint from;
        C2DFloatPoint to;
    };
    const Case kCases[] = {
        {{nan, 2}, {5, 2}}, {{2, nan}, {2, 8}}, {{-inf, 3}, {inf, 3}}, {{0, 0}, {inf, inf}}, {{3, -inf}, {3, 5}},
        {{-1e30f, 4}, {1e30f, 4.5f}},
    };
    for (const Case& c : kCases) {
        bool finite = std::isfinite(c.from.x) && std::isfinite(c.from.y) && std::isfinite(c.to.x) && std::isfinite(c.to.y);
        Canvas canvas;
        canvas.surface->DrawLine(c.from, c.to);
        EXPECT_EQ(canvas.Written().empty(), !finite);
        for (const C2DFloatPoint& point : {c.from, c.to}) {
            Canvas splat;
            splat.surface->DrawPoint(point);
            EXPECT_EQ(splat.Written().empty(), !(std::isfinite(point.x) && std::isfinite(point.y) &&
                                                  std::fabs(point.x) < 10 && std::fabs(point.y) < 10));
        }
    }
}

TEST_F(TDIBSurfaceTest, ScaledTransformsNeverWriteOutsideTheMemory)
{
    Canvas canvas;
    Native::CGContextScaleCTM(canvas.surface->GetNativeContext(), 0.25, 0.25);
    canvas.surface->DrawLine(C2DPoint(-100, 5), C2DPoint(100, 5));
    canvas.surface->DrawLine(C2DFloatPoint(-100, 5), C2DFloatPoint(100, 5.5f));
    canvas.surface->DrawPoint(C2DFloatPoint(39.5f, 39.5f));
    for (const C2DPoint& p : canvas.Written())
        EXPECT_TRUE(p.x >= 0 && p.x < 10 && p.y >= 0 && p.y < 10);
}

TEST_F(TDIBSurfaceTest, SixteenAndEightBitPenValues)
{
    Canvas sixteen(16);
    sixteen.surface->SetPenColor(CColor(255, 255, 255));
    sixteen.surface->DrawLine(C2DPoint(0, 0), C2DPoint(9, 0));
    sixteen.surface->DrawPoint(C2DPoint(5, 5));
    sixteen.surface->DrawLine(C2DFloatPoint(0.5f, 2.0f), C2DFloatPoint(8.5f, 2.0f));
    EXPECT_EQ(sixteen.At(4, 0), 0x7FFFu);
    EXPECT_EQ(sixteen.At(5, 5), 0x7FFFu);
    for (int x = 2; x <= 8; ++x)
        EXPECT_EQ(sixteen.At(x, 2), 0x7FFFu);

    Canvas eight(8);
    eight.surface->SetPenColor(CColor(200, 100, 0));
    eight.surface->DrawPoint(C2DPoint(1, 1));
    EXPECT_EQ(eight.At(1, 1), (200u + 200 + 0) / 4);
}

TEST_F(TDIBSurfaceTest, PenFollowsSaveAndRestoreAndDetachStopsWriting)
{
    Canvas canvas;
    canvas.surface->SaveState();
    canvas.surface->SetPenColor(CColor(1, 1, 1));
    canvas.surface->RestoreState();
    canvas.surface->DrawPoint(C2DPoint(0, 0));
    EXPECT_EQ(canvas.At(0, 0), kPen);

    Native::CGContextRef context =
        dynamic_cast<IAdaptedDrawSurface&>(*canvas.surface).Detach();
    EXPECT_EQ(context, canvas.bitmap.GetNativeContext());
    canvas.surface->DrawLine(C2DPoint(0, 5), C2DPoint(9, 5));
    canvas.surface->DrawLine(C2DFloatPoint(0, 6), C2DFloatPoint(9, 6));
    canvas.surface->DrawPoint(C2DPoint(5, 7));
    canvas.surface->FillRectangle(C2DRectangle(0, 0, 10, 10));
    EXPECT_EQ(canvas.Written().size(), 1u);
    canvas.surface.reset();
    // The surface no longer owned the reference it handed back.
    Native::CFRelease(context);
}

TEST_F(TDIBSurfaceTest, NativeOperationsDrawIntoTheSameMemory)
{
    Canvas canvas;
    canvas.surface->SetBrushColor(CColor(255, 0, 0));
    canvas.surface->Translate(C2DPoint(1, 2));
    canvas.surface->FillRectangle(C2DRectangle(0, 0, 2, 1));
    EXPECT_EQ(canvas.At(1, 2), 0xFFFF0000u);
    EXPECT_EQ(canvas.At(2, 2), 0xFFFF0000u);
    EXPECT_EQ(canvas.Written().size(), 2u);
    canvas.surface->DrawLine(C2DPoint(0, 1), C2DPoint(1, 1));
    EXPECT_EQ(canvas.At(1, 3), kPen);
}

} // namespace
} // namespace VeltisTest
