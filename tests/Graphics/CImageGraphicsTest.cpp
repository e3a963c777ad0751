#include "Veltis/Graphics/CImageGraphics.h"

#include "Veltis/Graphics/CDIBBitmap.h"
#include "Veltis/Graphics/CSimple2DRegion.h"
#include "Veltis/Graphics/IDrawSurface.h"

#include "support/CAllocationCounter.h"
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

class CImageGraphicsTest : public NativeTest {};

constexpr int kNormal = 0;
constexpr int kTiled = 1;
constexpr int kStretched = 2;

// Draws the graphics into a new 32-bit bitmap of its size.
std::unique_ptr<CDIBBitmap> Render(CImageGraphics& graphics)
{
    std::unique_ptr<CDIBBitmap> target(new CDIBBitmap(graphics.GetSize(), 32));
    std::unique_ptr<IDrawSurface> surface(target->GetDrawSurface());
    graphics.Draw(*surface, nullptr);
    return target;
}

TEST_F(CImageGraphicsTest, NormalModeDrawsThePartUnderTheUpdateRectangleAtItsPlace)
{
    std::unique_ptr<ISharedImage> picture(MakePicture(30, 20));
    const void* native = picture->GetNativeImage();
    CImageGraphics graphics;
    graphics.SetImage(picture.get(), nullptr);
    graphics.SetSizeFromImage();
    EXPECT_EQ(graphics.GetSize(), C2DSize(30, 20));
    EXPECT_EQ(graphics.GetImageSize(), C2DSize(30, 20));
    C2DRectangle update(5, 6, 50, 7);
    EXPECT_EQ(RecordDraw(graphics), std::vector<CDrawCall>{ImageCall(native, {0, 0, 30, 20}, {0, 0})});
    EXPECT_EQ(RecordDraw(graphics, &update), std::vector<CDrawCall>{ImageCall(native, {5, 6, 25, 7}, {5, 6})});
    graphics.SetDrawMode(7);
    EXPECT_EQ(RecordDraw(graphics, &update), std::vector<CDrawCall>{ImageCall(native, {5, 6, 25, 7}, {5, 6})})
        << "unknown modes draw as normal";
    EXPECT_TRUE(graphics.HitTest(C2DPoint(29, 19)));
    EXPECT_FALSE(graphics.HitTest(C2DPoint(30, 0)));
}

TEST_F(CImageGraphicsTest, TiledModeRepeatsTheImageFromTheOrigin)
{
    std::unique_ptr<ISharedImage> picture(MakePicture(30, 20));
    const void* p = picture->GetNativeImage();
    CImageGraphics graphics;
    graphics.SetImage(picture.get(), nullptr);
    graphics.SetDrawMode(kTiled);
    graphics.SetSize(C2DSize(80, 50));
    struct Case {
        const char* name;
        C2DRectangle update;
        std::vector<CDrawCall> calls;
    };
    const Case cases[] = {
        {"the whole area",
         {0, 0, 80, 50},
         {ImageCall(p, {0, 0, 30, 20}, {0, 0}), ImageCall(p, {0, 0, 30, 20}, {30, 0}),
          ImageCall(p, {0, 0, 20, 20}, {60, 0}), ImageCall(p, {0, 0, 30, 20}, {0, 20}),
          ImageCall(p, {0, 0, 30, 20}, {30, 20}), ImageCall(p, {0, 0, 20, 20}, {60, 20}),
          ImageCall(p, {0, 0, 30, 10}, {0, 40}), ImageCall(p, {0, 0, 30, 10}, {30, 40}),
          ImageCall(p, {0, 0, 20, 10}, {60, 40})}},
        {"an update inside",
         {45, 25, 20, 10},
         {ImageCall(p, {15, 5, 15, 10}, {45, 25}), ImageCall(p, {0, 5, 5, 10}, {60, 25})}},
        {"an update left of and above the origin",
         {-5, -3, 10, 6},
         {ImageCall(p, {25, 17, 5, 3}, {-5, -3}), ImageCall(p, {0, 17, 5, 3}, {0, -3}),
          ImageCall(p, {25, 0, 5, 3}, {-5, 0}), ImageCall(p, {0, 0, 5, 3}, {0, 0})}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RecordDraw(graphics, &c.update), c.calls);
    }
}

TEST_F(CImageGraphicsTest, TiledHitTestsKeepTheSignedRemainder)
{
    std::unique_ptr<ISharedImage> picture(MakePicture(30, 20));
    CImageGraphics graphics;
    graphics.SetImage(picture.get(), nullptr);
    graphics.SetDrawMode(kTiled);
    graphics.SetSize(C2DSize(80, 50));
    struct Case {
        C2DPoint point;
        bool hit;
    };
    const Case cases[] = {{{35, 25}, true}, {{79, 49}, true}, {{200, 300}, true}, {{-1, 0}, false}, {{0, -1}, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.point.x << ", " << c.point.y);
        EXPECT_EQ(graphics.HitTest(c.point), c.hit);
    }
}

TEST_F(CImageGraphicsTest, WithoutAnImageNothingIsDrawnOrHit)
{
    for (int mode : {kNormal, kTiled, kStretched}) {
        SCOPED_TRACE(mode);
        CImageGraphics graphics;
        graphics.SetDrawMode(mode);
        graphics.SetSize(C2DSize(10, 10));
        EXPECT_TRUE(graphics.IsTransparent());
        std::vector<CDrawCall> calls = RecordDraw(graphics);
        if (mode == kStretched) {
            ASSERT_EQ(calls.size(), 1u);
            EXPECT_EQ(calls[0].name, "DrawBitmap");
            EXPECT_EQ(calls[0].opacity, 255) << "an empty entry counts as transparent";
        } else {
            EXPECT_TRUE(calls.empty());
        }
        EXPECT_EQ(WordAt(*Render(graphics), 5, 5), 0u);
        EXPECT_EQ(graphics.HitTest(C2DPoint(1, 1)), mode == kStretched);
    }
}

TEST_F(CImageGraphicsTest, StretchedModeDrawsTheCacheOfItsSize)
{
    std::unique_ptr<ISharedImage> picture(MakePicture(2, 1, [](int x, int) { return x ? 0xFF0000FFu : 0xFFFF0000u; }));
    CImageGraphics graphics;
    graphics.SetImage(picture.get(), nullptr);
    graphics.SetDrawMode(kStretched);
    graphics.SetSize(C2DSize(4, 2));
    C2DRectangle update(1, 0, 2, 2);
    std::vector<CDrawCall> calls = RecordDraw(graphics, &update);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].name, "DrawBitmap");
    EXPECT_EQ(calls[0].opacity, -1) << "opaque entries use the plain form";
    EXPECT_TRUE(CDrawCall::Same(calls[0].source, update));
    EXPECT_TRUE(CDrawCall::Same(calls[0].destination, update));
    const IBitmap* cache = static_cast<const IBitmap*>(calls[0].picture);
    EXPECT_EQ(cache->GetSize(), C2DSize(4, 2));
    std::unique_ptr<CDIBBitmap> target(Render(graphics));
    EXPECT_EQ(WordAt(*target, 0, 1), 0xFFFF0000u);
    EXPECT_EQ(WordAt(*target, 3, 0), 0xFF0000FFu);

    // A size change repaints at the next hit test; every point hits.
    graphics.SetSize(C2DSize(8, 3));
    EXPECT_TRUE(graphics.HitTest(C2DPoint(-100, 5000)));
    EXPECT_EQ(cache->GetSize(), C2DSize(8, 3));
    EXPECT_EQ(WordAt(*cache, 7, 2), 0xFF0000FFu);

    graphics.SetAlphaImage(picture.get(), nullptr, 255);
    calls = RecordDraw(graphics);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].opacity, 255) << "transparent entries use the form with an opacity";
}

TEST_F(CImageGraphicsTest, StretchedRepaintsStartFromAClearCache)
{
    // Half-transparent white: a repaint over the old cache content would make it more opaque.
    std::unique_ptr<ISharedImage> translucent(MakePicture(1, 1, 0x80808080));
    std::unique_ptr<ISharedImage> clear(MakePicture(1, 1, 0));
    std::unique_ptr<ISharedImage> red(MakePicture(1, 1, 0xFFFF0000));
    CImageGraphics graphics;
    graphics.SetDrawMode(kStretched);
    graphics.SetSize(C2DSize(3, 3));
    graphics.SetAlphaImage(translucent.get(), nullptr, 255);
    uint32_t first = WordAt(*Render(graphics), 1, 1);
    EXPECT_EQ(first >> 24, 0x80u);
    EXPECT_EQ(WordAt(*Render(graphics), 1, 1), first) << "drawing again changes nothing";
    graphics.SetAlphaImage(translucent.get(), nullptr, 255);
    EXPECT_EQ(WordAt(*Render(graphics), 1, 1), first) << "a repaint does not build up";

    graphics.SetImage(red.get(), nullptr);
    EXPECT_EQ(WordAt(*Render(graphics), 1, 1), 0xFFFF0000u);
    graphics.SetAlphaImage(clear.get(), nullptr, 255);
    EXPECT_EQ(WordAt(*Render(graphics), 1, 1), 0u) << "the old image does not show through";
    graphics.SetImage(red.get(), nullptr);
    EXPECT_EQ(WordAt(*Render(graphics), 1, 1), 0xFFFF0000u);
    graphics.SetImage(nullptr, nullptr);
    EXPECT_EQ(WordAt(*Render(graphics), 1, 1), 0u) << "an empty entry leaves the cache clear";
}

TEST_F(CImageGraphicsTest, AStretchCacheBeyondTheImageLimitsIsNeverAllocated)
{
    std::unique_ptr<ISharedImage> picture(MakePicture(2, 2));
    for (C2DSize size : {C2DSize(20000, 1), C2DSize(9000, 9000), C2DSize(2147483647, 2147483647)}) {
        SCOPED_TRACE(size.width);
        CImageGraphics graphics;
        graphics.SetImage(picture.get(), nullptr);
        graphics.SetDrawMode(kStretched);
        graphics.SetSize(size);
        CRecordingDrawSurface surface;
        size_t largest = 0;
        {
            CAllocationCounter counter;
            graphics.Draw(surface, nullptr);
            EXPECT_TRUE(graphics.HitTest(C2DPoint(0, 0)));
            largest = counter.GetLargest();
        }
        EXPECT_LT(largest, size_t(1) << 16);
        EXPECT_TRUE(surface.calls.empty()) << "a cache without storage draws nothing";
    }
}

TEST_F(CImageGraphicsTest, OnlyTheDrawModeInvalidates)
{
    std::unique_ptr<ISharedImage> picture(MakePicture(3, 3));
    CImageGraphics graphics;
    graphics.SetSize(C2DSize(6, 5));
    Listener listener(graphics);
    graphics.SetDrawMode(kStretched);
    graphics.SetImage(picture.get(), nullptr);
    graphics.SetAlphaImage(picture.get(), nullptr, 10);
    graphics.SetDrawMode(kStretched);
    ASSERT_EQ(listener.invalidations.rectangles.size(), 1u);
    EXPECT_TRUE(CDrawCall::Same(listener.invalidations.rectangles[0], C2DRectangle(0, 0, 6, 5)));
}

TEST_F(CImageGraphicsTest, TransparencyFollowsTheEntry)
{
    std::unique_ptr<ISharedImage> picture(MakePicture(3, 3));
    CImageGraphics graphics;
    graphics.SetImage(picture.get(), nullptr);
    EXPECT_FALSE(graphics.IsTransparent());
    graphics.SetAlphaImage(picture.get(), nullptr, 255);
    EXPECT_TRUE(graphics.IsTransparent());
    graphics.SetImage(nullptr, nullptr);
    EXPECT_TRUE(graphics.IsTransparent());
    EXPECT_EQ(graphics.GetImageSize(), C2DSize(0, 0));
    EXPECT_EQ(picture->GetShareCount(), 1);
}

} // namespace
} // namespace VeltisTest
