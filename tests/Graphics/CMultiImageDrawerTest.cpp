#include "Veltis/Graphics/CMultiImageDrawer.h"

#include "Veltis/Graphics/CDIBBitmap.h"
#include "Veltis/Graphics/CSimple2DRegion.h"

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

class CMultiImageDrawerTest : public NativeTest {};

TEST_F(CMultiImageDrawerTest, TheLargestWidthAndHeightMakeTheSize)
{
    std::unique_ptr<ISharedImage> tall(MakePicture(10, 40));
    std::unique_ptr<ISharedImage> wide(MakePicture(30, 20));
    CMultiImageDrawer drawer;
    EXPECT_EQ(drawer.GetMaxImageSize(), C2DSize(0, 0));
    drawer.m_Catalog.SetCount(3);
    EXPECT_EQ(drawer.GetMaxImageSize(), C2DSize(0, 0));
    drawer.m_Catalog.SetImage(0, tall.get(), nullptr);
    drawer.m_Catalog.SetAlphaImage(2, wide.get(), nullptr, 3);
    EXPECT_EQ(drawer.GetMaxImageSize(), C2DSize(30, 40));
    drawer.SetSizeFromImages();
    EXPECT_EQ(drawer.GetSize(), C2DSize(30, 40));
}

TEST_F(CMultiImageDrawerTest, TheCurrentImageIsDrawnHitAndInvalidatedOnChange)
{
    std::unique_ptr<ISharedImage> first(MakePicture(10, 40));
    std::unique_ptr<ISharedImage> second(MakePicture(30, 20));
    std::unique_ptr<CDIBBitmap> blackMask(new CDIBBitmap(C2DSize(30, 20), 32));
    CMultiImageDrawer drawer;
    drawer.m_Catalog.SetCount(2);
    drawer.m_Catalog.SetImage(0, first.get(), nullptr);
    drawer.m_Catalog.SetAlphaImage(1, second.get(), blackMask.get(), 90);
    drawer.SetSizeFromImages();
    Listener listener(drawer);

    CRecordingDrawSurface whole;
    drawer.Draw(whole, nullptr);
    EXPECT_EQ(whole.calls, std::vector<CDrawCall>{ImageCall(first->GetNativeImage(), {0, 0, 10, 40}, {0, 0})});
    EXPECT_TRUE(drawer.HitTest(C2DPoint(9, 39)));
    EXPECT_FALSE(drawer.IsTransparent());

    drawer.SetImageIndex(0);
    EXPECT_TRUE(listener.invalidations.rectangles.empty());
    drawer.SetImageIndex(1);
    EXPECT_EQ(drawer.GetImageIndex(), 1);
    ASSERT_EQ(listener.invalidations.rectangles.size(), 1u);
    EXPECT_TRUE(CDrawCall::Same(listener.invalidations.rectangles[0], C2DRectangle(0, 0, 30, 40)));
    CRecordingDrawSurface part;
    CSimple2DRegion region(C2DRectangle(25, 15, 10, 10));
    drawer.Draw(part, &region);
    EXPECT_EQ(part.calls, std::vector<CDrawCall>{ImageCall(second->GetNativeImage(), {25, 15, 5, 5}, {25, 15}, 90)});
    EXPECT_FALSE(drawer.HitTest(C2DPoint(5, 5))) << "a black mask lets every click through";
    EXPECT_TRUE(drawer.IsTransparent());

    drawer.SetImageIndex(5);
    CRecordingDrawSurface none;
    drawer.Draw(none, nullptr);
    EXPECT_TRUE(none.calls.empty());
    EXPECT_FALSE(drawer.HitTest(C2DPoint(0, 0)));
    EXPECT_TRUE(drawer.IsTransparent());
}

} // namespace
} // namespace VeltisTest
