#include "Veltis/Graphics/CImageCatalog.h"

#include "Veltis/Graphics/CDIBBitmap.h"
#include "Veltis/Graphics/CDynamicImageCatalog.h"
#include "Veltis/Graphics/IRGBPixelAccess.h"

#include "support/CRecordingDrawSurface.h"
#include "support/NativeTest.h"
#include "support/TestPictures.h"

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

class CImageCatalogTest : public NativeTest {};

// A mask of the size whose every pixel has the colour, at the depth.
std::unique_ptr<CDIBBitmap> MakeMask(int width, int height, const CColor& color, int depth = 32)
{
    std::unique_ptr<CDIBBitmap> mask(new CDIBBitmap(C2DSize(width, height), depth));
    std::unique_ptr<IRGBPixelAccess> access(mask->GetPixelAccess());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            access->SetPixel(C2DPoint(x, y), color);
    return mask;
}

TEST_F(CImageCatalogTest, ShrinkingGivesBackSharesAndGrowingBackGivesEmptyEntries)
{
    std::unique_ptr<ISharedImage> picture(MakePicture(4, 3));
    std::unique_ptr<CDIBBitmap> mask(MakeMask(4, 3, CColor(255, 255, 255)));
    CDynamicImageCatalog catalog;
    EXPECT_EQ(catalog.GetCount(), 0);
    catalog.SetCount(3);
    for (int i = 0; i < 3; ++i)
        catalog.SetImage(i, picture.get(), mask.get());
    EXPECT_EQ(picture->GetShareCount(), 4);
    EXPECT_EQ(mask->GetShareCount(), 4);

    catalog.SetCount(1);
    EXPECT_EQ(picture->GetShareCount(), 2);
    EXPECT_EQ(mask->GetShareCount(), 2);
    catalog.SetCount(3);
    EXPECT_EQ(catalog.GetCount(), 3);
    EXPECT_EQ(picture->GetShareCount(), 2) << "nothing revived";
    EXPECT_EQ(catalog.GetImageSize(0), C2DSize(4, 3));
    for (int i = 1; i < 3; ++i) {
        EXPECT_EQ(catalog.GetImage(i), nullptr);
        EXPECT_EQ(catalog.GetImageSize(i), C2DSize(0, 0));
    }
    catalog.SetCount(-4);
    EXPECT_EQ(catalog.GetCount(), 0);
    EXPECT_EQ(picture->GetShareCount(), 1);
    EXPECT_EQ(mask->GetShareCount(), 1);
}

TEST_F(CImageCatalogTest, SettingAnEntryReplacesItsSharesAndANullImageLeavesItEmpty)
{
    std::unique_ptr<ISharedImage> first(MakePicture(2, 2));
    std::unique_ptr<ISharedImage> second(MakePicture(5, 1));
    CImageCatalog catalog(2);
    catalog.SetImage(0, first.get(), nullptr);
    catalog.SetAlphaImage(0, second.get(), nullptr, 100);
    EXPECT_EQ(first->GetShareCount(), 1);
    EXPECT_EQ(second->GetShareCount(), 2);
    EXPECT_EQ(catalog.GetImageSize(0), C2DSize(5, 1));
    catalog.SetImage(0, nullptr, nullptr);
    EXPECT_EQ(second->GetShareCount(), 1);
    EXPECT_EQ(catalog.GetImage(0), nullptr);
    catalog.SetImage(2, first.get(), nullptr);
    catalog.SetImage(-1, first.get(), nullptr);
    EXPECT_EQ(first->GetShareCount(), 1) << "indices outside the catalog are ignored";
}

TEST_F(CImageCatalogTest, EmptyEntriesAndIndicesOutsideAnswerTheDefaults)
{
    std::unique_ptr<ISharedImage> picture(MakePicture(3, 3));
    CImageCatalog catalog(2);
    catalog.SetImage(0, picture.get(), nullptr);
    for (int index : {1, 2, -1}) {
        SCOPED_TRACE(index);
        CRecordingDrawSurface surface;
        catalog.DrawImage(index, surface, C2DRectangle(0, 0, 3, 3), C2DPoint(0, 0));
        EXPECT_TRUE(surface.calls.empty());
        EXPECT_EQ(catalog.GetImageSize(index), C2DSize(0, 0));
        EXPECT_TRUE(catalog.IsTransparent(index));
        EXPECT_FALSE(catalog.HitTest(index, C2DPoint(1, 1), C2DPoint(0, 0), 0.2f));
        EXPECT_FALSE(catalog.IsSameImage(index, 0));
        EXPECT_FALSE(catalog.IsSameImage(index, index));
        EXPECT_EQ(catalog.GetImage(index), nullptr);
    }
}

TEST_F(CImageCatalogTest, NormalEntriesAreOpaqueAndAlphaEntriesTransparentWhateverTheOpacity)
{
    std::unique_ptr<ISharedImage> picture(MakePicture(3, 3));
    CImageCatalog catalog(3);
    catalog.SetImage(0, picture.get(), nullptr);
    catalog.SetAlphaImage(1, picture.get(), nullptr, 255);
    catalog.SetAlphaImage(2, picture.get(), nullptr, 0);
    EXPECT_FALSE(catalog.IsTransparent(0));
    EXPECT_TRUE(catalog.IsTransparent(1));
    EXPECT_TRUE(catalog.IsTransparent(2));
}

TEST_F(CImageCatalogTest, APartIsCutToTheImageAndKeepsItsDestination)
{
    std::unique_ptr<ISharedImage> picture(MakePicture(10, 8));
    const void* native = picture->GetNativeImage();
    CImageCatalog catalog(2);
    catalog.SetImage(0, picture.get(), nullptr);
    catalog.SetAlphaImage(1, picture.get(), nullptr, 300);
    struct Case {
        const char* name;
        int index;
        C2DRectangle source;
        C2DPoint destination;
        CDrawCall expected;
    };
    const Case cases[] = {
        {"inside", 0, {2, 3, 4, 2}, {7, 9}, ImageCall(native, {2, 3, 4, 2}, {7, 9})},
        {"beyond the right and bottom", 0, {6, 5, 10, 10}, {1, 1}, ImageCall(native, {6, 5, 4, 3}, {1, 1})},
        {"before the left and top", 0, {-3, -2, 5, 5}, {20, 30}, ImageCall(native, {0, 0, 2, 3}, {20, 30})},
        {"wholly outside", 0, {40, 40, 5, 5}, {0, 0}, ImageCall(native, {40, 40, 0, 0}, {0, 0})},
        {"alpha entry, opacity clamped", 1, {0, 0, 10, 8}, {-2, 0}, ImageCall(native, {0, 0, 10, 8}, {-2, 0}, 255)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CRecordingDrawSurface surface;
        catalog.DrawImage(c.index, surface, c.source, c.destination);
        EXPECT_EQ(surface.calls, std::vector<CDrawCall>{c.expected});
    }
}

TEST_F(CImageCatalogTest, APartReachesThePixelsAtTheDestinationAndAnEmptyPartNone)
{
    // Each source pixel's word tells its position.
    std::unique_ptr<ISharedImage> picture(
        MakePicture(4, 4, [](int x, int y) { return 0xFF000000u | uint32_t(x) << 8 | uint32_t(y); }));
    CImageCatalog catalog(1);
    catalog.SetImage(0, picture.get(), nullptr);
    CDIBBitmap target(C2DSize(4, 4), 32);
    std::unique_ptr<IDrawSurface> surface(target.GetDrawSurface());
    catalog.DrawImage(0, *surface, C2DRectangle(2, 1, 9, 9), C2DPoint(1, 0));
    catalog.DrawImage(0, *surface, C2DRectangle(8, 8, 2, 2), C2DPoint(0, 3));
    surface.reset();
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            SCOPED_TRACE(testing::Message() << x << ", " << y);
            bool drawn = x >= 1 && x <= 2 && y <= 2;
            uint32_t expected = drawn ? 0xFF000000u | uint32_t(x + 1) << 8 | uint32_t(y + 1) : 0;
            EXPECT_EQ(WordAt(target, x, y), expected);
        }
}

TEST_F(CImageCatalogTest, WithoutAMaskThePointMustLieOnTheImage)
{
    std::unique_ptr<ISharedImage> picture(MakePicture(10, 10));
    CImageCatalog catalog(1);
    catalog.SetImage(0, picture.get(), nullptr);
    struct Case {
        C2DPoint point;
        C2DPoint origin;
        bool hit;
    };
    const Case cases[] = {
        {{9, 9}, {0, 0}, true},   {{0, 0}, {0, 0}, true},    {{10, 9}, {0, 0}, false},
        {{9, 10}, {0, 0}, false}, {{-1, 0}, {0, 0}, false},  {{12, 5}, {5, 0}, true},
        {{4, 5}, {5, 0}, false},  {{-2147483647 - 1, 0}, {2147483647, 0}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.point.x << ", " << c.point.y << " from " << c.origin.x);
        EXPECT_EQ(catalog.HitTest(0, c.point, c.origin, 0.2f), c.hit);
    }
}

TEST_F(CImageCatalogTest, AMaskHitsWhereItsLuminanceIsAboveTheThresholdInSinglePrecision)
{
    std::unique_ptr<ISharedImage> picture(MakePicture(4, 4));
    struct Case {
        const char* name;
        CColor color;
        int depth;
        bool hit;
    };
    const Case cases[] = {
        {"grey 50", {50, 50, 50}, 8, false}, {"grey 51", {51, 51, 51}, 8, true},
        {"grey 51 at 32 bits", {51, 51, 51}, 32, true}, {"red, L 63", {255, 0, 0}, 32, true},
        {"blue, L 63", {0, 0, 255}, 32, true}, {"green, L 127", {0, 255, 0}, 32, true},
        {"black", {0, 0, 0}, 32, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<CDIBBitmap> mask(MakeMask(4, 4, c.color, c.depth));
        CImageCatalog catalog(1);
        catalog.SetImage(0, picture.get(), mask.get());
        EXPECT_EQ(catalog.HitTest(0, C2DPoint(2, 3), C2DPoint(0, 0), 0.2f), c.hit);
    }
    // A mask smaller than the image decides alone; one without storage reads black.
    std::unique_ptr<CDIBBitmap> small(MakeMask(2, 2, CColor(255, 255, 255)));
    std::unique_ptr<CDIBBitmap> none(new CDIBBitmap(C2DSize(4, 4), 12));
    CImageCatalog catalog(2);
    catalog.SetImage(0, picture.get(), small.get());
    catalog.SetAlphaImage(1, picture.get(), none.get(), 255);
    EXPECT_TRUE(catalog.HitTest(0, C2DPoint(1, 1), C2DPoint(0, 0), 0.2f));
    EXPECT_FALSE(catalog.HitTest(0, C2DPoint(2, 1), C2DPoint(0, 0), 0.2f));
    EXPECT_FALSE(catalog.HitTest(0, C2DPoint(-1, 1), C2DPoint(0, 0), 0.2f));
    EXPECT_TRUE(catalog.HitTest(0, C2DPoint(6, 6), C2DPoint(5, 5), 0.2f));
    EXPECT_FALSE(catalog.HitTest(1, C2DPoint(1, 1), C2DPoint(0, 0), 0.2f));
}

TEST_F(CImageCatalogTest, SharesOfOnePictureAreTheSameImageWhateverTheirKind)
{
    std::unique_ptr<ISharedImage> picture(MakePicture(3, 3));
    std::unique_ptr<ISharedImage> share(picture->Share());
    std::unique_ptr<ISharedImage> other(MakePicture(3, 3));
    CImageCatalog catalog(3);
    catalog.SetImage(0, picture.get(), nullptr);
    catalog.SetAlphaImage(1, share.get(), nullptr, 128);
    catalog.SetImage(2, other.get(), nullptr);
    EXPECT_TRUE(catalog.IsSameImage(0, 1));
    EXPECT_TRUE(catalog.IsSameImage(1, 0));
    EXPECT_FALSE(catalog.IsSameImage(0, 2));
    EXPECT_EQ(catalog.GetImage(1)->GetNativeImage(), picture->GetNativeImage());
}

} // namespace
} // namespace VeltisTest
