#include "Veltis/Graphics/C2DGraphicsBase.h"

#include "Veltis/Core/TIArgCommand.h"
#include "Veltis/Graphics/C2DEmptyGraphics.h"
#include "Veltis/Graphics/C2DRectangleGraphics.h"
#include "Veltis/Graphics/CColorDrawer.h"
#include "Veltis/Graphics/CDIBBitmap.h"
#include "Veltis/Graphics/CSimple2DRegion.h"
#include "Veltis/Graphics/IDrawSurface.h"

#include "Native/Harness.h"
#include "support/CCountingCommand.h"
#include "support/DrawingObjectListener.h"
#include "support/NativeTest.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace Veltis::Graphics;
using Veltis::Core::C2DPoint;
using Veltis::Core::C2DRectangle;
using Veltis::Core::C2DSize;
using Veltis::Core::CColor;

namespace VeltisTest {
namespace {

class C2DGraphicsBaseTest : public NativeTest {};

TEST_F(C2DGraphicsBaseTest, SetSizeComparesThenClampsAndNeverInvalidates)
{
    struct Case {
        C2DSize before;
        C2DSize given;
        C2DSize stored;
        int notified;
    };
    const Case kCases[] = {
        {C2DSize(0, 0), C2DSize(0, 0), C2DSize(0, 0), 0},
        {C2DSize(0, 0), C2DSize(-3, -3), C2DSize(0, 0), 1},
        {C2DSize(0, 3), C2DSize(-5, 3), C2DSize(0, 3), 1},
        {C2DSize(4, 5), C2DSize(4, 5), C2DSize(4, 5), 0},
        {C2DSize(4, 5), C2DSize(7, 0), C2DSize(7, 0), 1},
    };
    for (const Case& c : kCases) {
        C2DEmptyGraphics graphics;
        graphics.SetSize(c.before);
        Listener listener(graphics);
        graphics.SetSize(c.given);
        EXPECT_EQ(graphics.GetSize(), c.stored);
        EXPECT_EQ(listener.sizes.GetCount(), c.notified);
        EXPECT_TRUE(listener.invalidations.rectangles.empty());
    }
}

TEST_F(C2DGraphicsBaseTest, ColourSettersInvalidateTheWholeAreaOnlyOnChange)
{
    C2DRectangleGraphics rectangle;
    CColorDrawer drawer(CColor(1, 2, 3), false);
    drawer.SetSize(C2DSize(6, 4));
    Listener rectangleEvents(rectangle);
    Listener drawerEvents(drawer);
    rectangle.SetColor(CColor(255, 255, 255));
    drawer.SetColor(CColor(1, 2, 3));
    EXPECT_TRUE(rectangleEvents.invalidations.rectangles.empty());
    EXPECT_TRUE(drawerEvents.invalidations.rectangles.empty());
    rectangle.SetColor(CColor(255, 255, 254));
    drawer.SetColor(CColor(1, 2, 4));
    ASSERT_EQ(rectangleEvents.invalidations.rectangles.size(), 1u);
    EXPECT_EQ(rectangleEvents.invalidations.rectangles[0].width, 0);
    ASSERT_EQ(drawerEvents.invalidations.rectangles.size(), 1u);
    const C2DRectangle& area = drawerEvents.invalidations.rectangles[0];
    EXPECT_EQ(area.x, 0);
    EXPECT_EQ(area.width, 6);
    EXPECT_EQ(area.height, 4);
}

TEST_F(C2DGraphicsBaseTest, HitTestsAndTransparency)
{
    C2DEmptyGraphics empty;
    empty.SetSize(C2DSize(3, 2));
    struct Case {
        C2DPoint point;
        bool hit;
    };
    const Case kCases[] = {{{0, 0}, true}, {{2, 1}, true}, {{3, 0}, false}, {{-1, 0}, false}, {{0, 2}, false}};
    for (const Case& c : kCases)
        EXPECT_EQ(empty.HitTest(c.point), c.hit) << c.point.x << ", " << c.point.y;
    EXPECT_TRUE(empty.IsTransparent());
    C2DEmptyGraphics none;
    EXPECT_FALSE(none.HitTest(C2DPoint(0, 0)));

    C2DRectangleGraphics rectangle;
    rectangle.SetSize(C2DSize(3, 3));
    EXPECT_FALSE(rectangle.HitTest(C2DPoint(1, 1)));
    EXPECT_TRUE(rectangle.IsTransparent());
    CColorDrawer hit(CColor(), true);
    EXPECT_TRUE(hit.HitTest(C2DPoint(-50, 1000)));
    EXPECT_FALSE(hit.IsTransparent());
    CColorDrawer miss(CColor(), false);
    EXPECT_FALSE(miss.HitTest(C2DPoint(0, 0)));
}

// The drawers on a 10 x 10 32-bit bitmap, the pixels as words.
struct Painted {
    Painted() : bitmap(C2DSize(10, 10), 32), surface(bitmap.GetDrawSurface()) {}
    uint32_t At(int x, int y) const { return static_cast<const uint32_t*>(bitmap.GetBits())[y * 10 + x]; }
    int Count() const
    {
        int count = 0;
        for (int i = 0; i < 100; ++i)
            count += static_cast<const uint32_t*>(bitmap.GetBits())[i] != 0;
        return count;
    }
    CDIBBitmap bitmap;
    std::unique_ptr<IDrawSurface> surface;
};

TEST_F(C2DGraphicsBaseTest, RectangleDrawerOutlinesItsArea)
{
    struct Case {
        C2DSize size;
        int pixels;
    };
    const Case kCases[] = {{C2DSize(0, 0), 0}, {C2DSize(5, 0), 0}, {C2DSize(4, 3), 10}, {C2DSize(1, 1), 1}};
    for (const Case& c : kCases) {
        Painted painted;
        C2DRectangleGraphics rectangle;
        rectangle.SetSize(c.size);
        rectangle.Draw(*painted.surface, nullptr);
        EXPECT_EQ(painted.Count(), c.pixels) << c.size.width << " x " << c.size.height;
        if (c.pixels) {
            EXPECT_EQ(painted.At(0, 0), 0xFFFFFFFFu);
        }
    }
}

TEST_F(C2DGraphicsBaseTest, ColourDrawerFillsTheRegionBoundsOrItsArea)
{
    CColorDrawer drawer(CColor(0, 0, 255), false);
    drawer.SetSize(C2DSize(4, 4));
    Painted whole;
    drawer.Draw(*whole.surface, nullptr);
    EXPECT_EQ(whole.Count(), 16);
    EXPECT_EQ(whole.At(3, 3), 0xFF0000FFu);

    Painted part;
    CSimple2DRegion region(C2DRectangle(5, 5, 2, 1));
    region.UnionRectangle(C2DRectangle(8, 7, 1, 1));
    drawer.Draw(*part.surface, &region);
    EXPECT_EQ(part.Count(), 4 * 3) << "the bounds of the region, not its size";
    EXPECT_EQ(part.At(5, 5), 0xFF0000FFu);
    EXPECT_EQ(part.At(0, 0), 0u);
}

} // namespace
} // namespace VeltisTest
