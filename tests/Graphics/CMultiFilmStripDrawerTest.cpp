#include "Veltis/Graphics/CMultiFilmStripDrawer.h"

#include "Veltis/Graphics/CDIBBitmap.h"
#include "Veltis/Graphics/CSimple2DRegion.h"
#include "Veltis/Graphics/IDrawSurface.h"

#include "support/CRecordingDrawSurface.h"
#include "support/DrawingObjectListener.h"
#include "support/NativeTest.h"
#include "support/TestPictures.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace Veltis::Graphics;
using Veltis::Core::C2DPoint;
using Veltis::Core::C2DRectangle;
using Veltis::Core::C2DSize;

namespace VeltisTest {
namespace {

class CMultiFilmStripDrawerTest : public NativeTest {};

TEST_F(CMultiFilmStripDrawerTest, AFrameOfAVerticalStripComesFromItsRows)
{
    // Each pixel of the strip tells its row.
    std::unique_ptr<ISharedImage> strip(MakePicture(40, 160, [](int, int y) { return 0xFF000000u | uint32_t(y); }));
    CMultiFilmStripDrawer drawer;
    drawer.m_Catalog.SetCount(1);
    drawer.m_Catalog.SetImage(0, strip.get(), nullptr);
    drawer.m_FramesCount = 4;
    drawer.SetSizeFromImages();
    EXPECT_EQ(drawer.GetSize(), C2DSize(40, 40));
    drawer.SetFrame(2);
    EXPECT_EQ(RecordDraw(drawer), std::vector<CDrawCall>{ImageCall(strip->GetNativeImage(), {0, 80, 40, 40}, {0, 0})});

    CDIBBitmap target(C2DSize(40, 40), 32);
    std::unique_ptr<IDrawSurface> surface(target.GetDrawSurface());
    drawer.Draw(*surface, nullptr);
    surface.reset();
    for (int y : {0, 17, 39})
        EXPECT_EQ(WordAt(target, 11, y), 0xFF000000u | uint32_t(80 + y)) << y;
}

TEST_F(CMultiFilmStripDrawerTest, FrameOffsetsFollowTheStackingAndTruncate)
{
    struct Case {
        const char* name;
        C2DSize strip;
        int vertical;
        int frames;
        int frame;
        C2DSize size;
        C2DRectangle source;
    };
    const Case cases[] = {
        {"horizontal, frame 3", {160, 40}, 0, 4, 3, {40, 40}, {120, 0, 40, 40}},
        {"100 in 3, frame 1", {10, 100}, 1, 3, 1, {10, 33}, {0, 33, 10, 33}},
        {"100 in 3, frame 2", {10, 100}, 1, 3, 2, {10, 33}, {0, 66, 10, 33}},
        {"frame past the strip", {10, 100}, 1, 3, 4, {10, 33}, {0, 133, 10, 0}},
        {"no frames count", {10, 100}, 1, 0, 0, {10, 100}, {0, 0, 10, 100}},
        {"negative frames count", {100, 10}, 0, -3, 0, {100, 10}, {0, 0, 100, 10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<ISharedImage> strip(MakePicture(c.strip.width, c.strip.height));
        CMultiFilmStripDrawer drawer;
        drawer.m_Catalog.SetCount(1);
        drawer.m_Catalog.SetImage(0, strip.get(), nullptr);
        drawer.m_Vertical = c.vertical;
        drawer.m_FramesCount = c.frames;
        drawer.SetSizeFromImages();
        EXPECT_EQ(drawer.GetSize(), c.size);
        drawer.SetFrame(c.frame);
        EXPECT_EQ(RecordDraw(drawer), std::vector<CDrawCall>{ImageCall(strip->GetNativeImage(), c.source, {0, 0})});
    }
}

TEST_F(CMultiFilmStripDrawerTest, TheOffsetOfATallStripIsComputedWide)
{
    // 16384 x 262144 is 2^32: in 32 bits the last frame would start at row 0.
    std::unique_ptr<ISharedImage> strip(MakePicture(1, 16384, [](int, int y) { return y == 16383 ? 0xFFFFFFFFu : 0xFF000000u; }));
    CMultiFilmStripDrawer drawer;
    drawer.m_Catalog.SetCount(1);
    drawer.m_Catalog.SetImage(0, strip.get(), nullptr);
    drawer.m_FramesCount = 262145;
    drawer.SetFrame(262144);
    C2DRectangle update(0, 0, 1, 1);
    EXPECT_EQ(RecordDraw(drawer, &update),
              std::vector<CDrawCall>{ImageCall(strip->GetNativeImage(), {0, 16383, 1, 1}, {0, 0})});
    EXPECT_TRUE(drawer.HitTest(C2DPoint(0, 0)));
    EXPECT_FALSE(drawer.HitTest(C2DPoint(0, 1)));
}

TEST_F(CMultiFilmStripDrawerTest, HitTestsLookAtTheCurrentFrame)
{
    std::unique_ptr<ISharedImage> strip(MakePicture(10, 40));
    CMultiFilmStripDrawer drawer;
    drawer.m_Catalog.SetCount(2);
    drawer.m_Catalog.SetImage(0, strip.get(), nullptr);
    drawer.m_FramesCount = 4;
    drawer.SetFrame(3);
    EXPECT_TRUE(drawer.HitTest(C2DPoint(9, 9)));
    EXPECT_FALSE(drawer.HitTest(C2DPoint(9, 10)));
    EXPECT_FALSE(drawer.HitTest(C2DPoint(10, 0)));
    drawer.SetFrame(0);
    EXPECT_TRUE(drawer.HitTest(C2DPoint(0, 39)));
    drawer.SetImageIndex(1);
    EXPECT_FALSE(drawer.HitTest(C2DPoint(0, 0)));
    EXPECT_TRUE(drawer.IsTransparent());
}

TEST_F(CMultiFilmStripDrawerTest, OnlyAChangedPictureOrFrameInvalidates)
{
    std::unique_ptr<ISharedImage> picture(MakePicture(10, 40));
    std::unique_ptr<ISharedImage> other(MakePicture(10, 40));
    CMultiFilmStripDrawer drawer;
    drawer.m_Catalog.SetCount(3);
    drawer.m_Catalog.SetImage(0, picture.get(), nullptr);
    drawer.m_Catalog.SetAlphaImage(1, picture.get(), nullptr, 200);
    drawer.m_Catalog.SetImage(2, other.get(), nullptr);
    drawer.SetSize(C2DSize(10, 10));
    Listener listener(drawer);
    EXPECT_FALSE(drawer.IsTransparent());
    drawer.SetImageIndex(1);
    EXPECT_EQ(drawer.GetImageIndex(), 1);
    EXPECT_TRUE(drawer.IsTransparent());
    EXPECT_TRUE(listener.invalidations.rectangles.empty()) << "the same picture";
    drawer.SetImageIndex(1);
    drawer.SetFrame(0);
    EXPECT_TRUE(listener.invalidations.rectangles.empty());
    drawer.SetImageIndex(2);
    drawer.SetFrame(1);
    EXPECT_EQ(drawer.GetFrame(), 1);
    ASSERT_EQ(listener.invalidations.rectangles.size(), 2u);
    for (const C2DRectangle& r : listener.invalidations.rectangles)
        EXPECT_TRUE(CDrawCall::Same(r, C2DRectangle(0, 0, 10, 10)));
}

} // namespace
} // namespace VeltisTest
