#include "Veltis/Graphics/CGraphicResourcesManager.h"

#include "Veltis/Graphics/CDIBBitmap.h"
#include "Veltis/Graphics/ISharedBitmap.h"
#include "Veltis/Graphics/ISharedImage.h"
#include "Veltis/Graphics/ImageFunctions.h"

#include "Native/Harness.h"
#include "support/CTemporaryFolder.h"
#include "support/NativeTest.h"
#include "support/PngWriter.h"
#include "support/TestPictures.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

using namespace Veltis::Graphics;
using Veltis::Core::C2DPoint;
using Veltis::Core::C2DSize;

namespace VeltisTest {
namespace {

class CGraphicResourcesManagerTest : public NativeTest {
protected:
    CTemporaryFolder folder;

    // A 2 x 1 RGBA picture of the two pixels (r, g, b, a each).
    std::string Write(const std::string& name, std::vector<uint8_t> samples)
    {
        PngPicture picture;
        picture.width = 2;
        picture.samples = std::move(samples);
        std::string path = folder.Join(name);
        EXPECT_TRUE(WritePngFile(path, picture));
        return path;
    }
    std::string WriteOpaque(const std::string& name) { return Write(name, {200, 100, 50, 255, 10, 20, 30, 255}); }
    std::string WriteTranslucent(const std::string& name) { return Write(name, {200, 100, 50, 128, 10, 20, 30, 0}); }
};

TEST_F(CGraphicResourcesManagerTest, APictureIsLoadedOnceAndShared)
{
    CGraphicResourcesManager cache;
    std::string path = WriteTranslucent("picture.png");
    bool hasAlpha = false;
    std::unique_ptr<ISharedImage> first(cache.GetImage(path.c_str(), &hasAlpha));
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(hasAlpha);
    std::remove(path.c_str());
    hasAlpha = false;
    std::unique_ptr<ISharedImage> second(cache.GetImage(path.c_str(), &hasAlpha));
    ASSERT_NE(second, nullptr) << "answered from the cache";
    EXPECT_TRUE(hasAlpha);
    EXPECT_EQ(first->GetShareCount(), 3);
    EXPECT_EQ(second->GetShareCount(), 3);
    EXPECT_EQ(first->GetNativeImage(), second->GetNativeImage());
    EXPECT_EQ(first->GetSize(), C2DSize(2, 1));
}

TEST_F(CGraphicResourcesManagerTest, AFailureIsRememberedUntilAFullPurge)
{
    CGraphicResourcesManager cache;
    std::string path = folder.Join("late.png");
    bool hasAlpha = true;
    EXPECT_EQ(cache.GetImage(path.c_str(), &hasAlpha), nullptr);
    EXPECT_FALSE(hasAlpha);
    WriteTranslucent("late.png");
    hasAlpha = true;
    EXPECT_EQ(cache.GetImage(path.c_str(), &hasAlpha), nullptr);
    EXPECT_FALSE(hasAlpha);
    cache.Purge(false);
    EXPECT_EQ(cache.GetImage(path.c_str(), nullptr), nullptr) << "a partial purge keeps failures";
    cache.Purge(true);
    std::unique_ptr<ISharedImage> loaded(cache.GetImage(path.c_str(), &hasAlpha));
    EXPECT_NE(loaded, nullptr);
    EXPECT_TRUE(hasAlpha);
}

TEST_F(CGraphicResourcesManagerTest, APartialPurgeKeepsWhatOthersStillShare)
{
    CGraphicResourcesManager cache;
    std::string used = WriteOpaque("used.png");
    std::string unused = WriteOpaque("unused.png");
    std::unique_ptr<ISharedImage> held(cache.GetImage(used.c_str(), nullptr));
    delete cache.GetImage(unused.c_str(), nullptr);
    delete cache.GetMaskBitmap(unused.c_str());
    EXPECT_EQ(Native::Harness::LiveObjects("CGImage"), 2u);
    cache.Purge(false);
    EXPECT_EQ(Native::Harness::LiveObjects("CGImage"), 1u);
    EXPECT_EQ(held->GetShareCount(), 2);
    held.reset();
    cache.Purge(false);
    EXPECT_EQ(Native::Harness::LiveObjects("CGImage"), 0u);
    EXPECT_EQ(Native::Harness::LiveObjects("CGContext"), 0u);
}

TEST_F(CGraphicResourcesManagerTest, DestructionGivesBackOnlyTheCachesShares)
{
    std::unique_ptr<ISharedImage> kept;
    {
        CGraphicResourcesManager cache;
        kept.reset(cache.GetImage(WriteOpaque("kept.png").c_str(), nullptr));
        delete cache.GetAlphaMask(WriteTranslucent("mask.png").c_str());
        EXPECT_EQ(kept->GetShareCount(), 2);
    }
    EXPECT_EQ(kept->GetShareCount(), 1);
    EXPECT_EQ(kept->GetSize(), C2DSize(2, 1));
}

TEST_F(CGraphicResourcesManagerTest, AMaskPictureBecomesTheAlphaOfTheCombinedPicture)
{
    CGraphicResourcesManager cache;
    std::string path = WriteOpaque("image.png");
    // Grey 128, then white.
    std::string maskPath = Write("mask.png", {128, 128, 128, 255, 255, 255, 255, 255});
    bool hasAlpha = false;
    std::unique_ptr<ISharedImage> combined(cache.GetImageWithMask(path.c_str(), maskPath.c_str(), &hasAlpha));
    ASSERT_NE(combined, nullptr);
    EXPECT_TRUE(hasAlpha);
    std::unique_ptr<ISharedImage> again(cache.GetImageWithMask(path.c_str(), maskPath.c_str(), nullptr));
    EXPECT_EQ(again->GetNativeImage(), combined->GetNativeImage());
    EXPECT_EQ(combined->GetShareCount(), 3);
    CDIBBitmap drawn(C2DSize(2, 1), 32);
    DrawImageIntoBitmap(*combined, drawn, C2DPoint(0, 0));
    EXPECT_EQ(WordAt(drawn, 0, 0), 0x80643219u);
    EXPECT_EQ(WordAt(drawn, 1, 0), 0xFF0A141Eu);

    // Without a mask path the plain picture, exactly as GetImage gives it.
    std::unique_ptr<ISharedImage> plain(cache.GetImageWithMask(path.c_str(), "", &hasAlpha));
    std::unique_ptr<ISharedImage> direct(cache.GetImage(path.c_str(), nullptr));
    EXPECT_FALSE(hasAlpha);
    EXPECT_EQ(plain->GetNativeImage(), direct->GetNativeImage());
    std::unique_ptr<ISharedImage> nullMask(cache.GetImageWithMask(path.c_str(), nullptr, nullptr));
    EXPECT_EQ(nullMask->GetNativeImage(), direct->GetNativeImage());
}

TEST_F(CGraphicResourcesManagerTest, AMissingMaskGivesThePlainPictureAndCachesNoCombination)
{
    CGraphicResourcesManager cache;
    std::string path = WriteTranslucent("image.png");
    std::string maskPath = folder.Join("missing.png");
    bool maskFailed = false;
    bool hasAlpha = false;
    std::unique_ptr<ISharedImage> plain(cache.LoadImageWithMask(path.c_str(), maskPath.c_str(), maskFailed, &hasAlpha));
    EXPECT_TRUE(maskFailed);
    EXPECT_TRUE(hasAlpha) << "the plain picture's flag";
    hasAlpha = false;
    std::unique_ptr<ISharedImage> again(cache.GetImageWithMask(path.c_str(), maskPath.c_str(), &hasAlpha));
    EXPECT_TRUE(hasAlpha);
    EXPECT_EQ(again->GetNativeImage(), plain->GetNativeImage());
    EXPECT_EQ(plain->GetShareCount(), 3) << "two results and the cache's share under the path only";

    std::string missingImage = folder.Join("nothing.png");
    EXPECT_EQ(cache.LoadImageWithMask(missingImage.c_str(), path.c_str(), maskFailed, &hasAlpha), nullptr);
    EXPECT_FALSE(maskFailed);
    EXPECT_FALSE(hasAlpha);
    EXPECT_EQ(cache.GetImageWithMask(missingImage.c_str(), path.c_str(), &hasAlpha), nullptr);
    EXPECT_FALSE(hasAlpha);
}

TEST_F(CGraphicResourcesManagerTest, AlphaAndHitMasksAreTwoGreyBitmapsCachedApart)
{
    CGraphicResourcesManager cache;
    std::string path = WriteTranslucent("picture.png");
    std::unique_ptr<ISharedBitmap> alpha(cache.GetAlphaMask(path.c_str()));
    ASSERT_NE(alpha, nullptr);
    EXPECT_EQ(alpha->GetBitsPerPixel(), 8);
    const uint8_t* grey = static_cast<const uint8_t*>(alpha->GetBits());
    EXPECT_EQ(grey[0], 128);
    EXPECT_EQ(grey[1], 0);
    std::unique_ptr<ISharedBitmap> alphaAgain(cache.GetAlphaMask(path.c_str()));
    EXPECT_EQ(alphaAgain->GetNativeContext(), alpha->GetNativeContext());
    EXPECT_EQ(alpha->GetShareCount(), 3);

    std::unique_ptr<ISharedBitmap> hit(cache.GetMaskBitmap(path.c_str()));
    ASSERT_NE(hit, nullptr);
    EXPECT_NE(hit->GetNativeContext(), alpha->GetNativeContext());
    EXPECT_EQ(hit->GetShareCount(), 2);
    EXPECT_EQ(hit->GetBitsPerPixel(), 8);
    // The picture drawn over black: premultiplied (100, 50, 25) gives (100 + 100 + 25) / 4.
    EXPECT_EQ(static_cast<const uint8_t*>(hit->GetBits())[0], 56);
}

TEST_F(CGraphicResourcesManagerTest, AnOpaquePictureHasNoAlphaMaskAndCachesNone)
{
    CGraphicResourcesManager cache;
    std::string path = WriteOpaque("opaque.png");
    EXPECT_EQ(cache.GetAlphaMask(path.c_str()), nullptr);
    EXPECT_EQ(cache.GetAlphaMask(path.c_str()), nullptr);
    cache.Purge(false);
    EXPECT_EQ(Native::Harness::LiveObjects("CGContext"), 0u) << "no mask was kept";
    EXPECT_EQ(Native::Harness::LiveObjects("CGImage"), 0u);
}

TEST_F(CGraphicResourcesManagerTest, EmptyPathsGiveNull)
{
    CGraphicResourcesManager cache;
    bool flag = true;
    EXPECT_EQ(cache.GetImage("", &flag), nullptr);
    EXPECT_FALSE(flag);
    EXPECT_EQ(cache.GetImage(nullptr, nullptr), nullptr);
    EXPECT_EQ(cache.GetImageWithMask("", "mask.png", nullptr), nullptr);
    EXPECT_EQ(cache.GetAlphaMask(""), nullptr);
    EXPECT_EQ(cache.GetMaskBitmap(nullptr), nullptr);
    EXPECT_EQ(cache.GetMaskBitmap(folder.Join("missing.png").c_str()), nullptr);
    EXPECT_EQ(cache.GetAlphaMask(folder.Join("missing.png").c_str()), nullptr);
}

TEST_F(CGraphicResourcesManagerTest, MaskedBitmapsTakeTheMasksGreyLevelAsAlpha)
{
    // Image pixel (r 200, g 100, b 50), mask pixels white, black and grey 128, and one with
    // (r + 2g + b) / 4 = (255 + 0 + 1) / 4 = 64.
    std::unique_ptr<CDIBBitmap> image(MakeBitmap(4, 1, [](int, int) { return 0x7FC86432u; }));
    const uint32_t maskWords[] = {0xFFFFFFFF, 0xFF000000, 0xFF808080, 0xFFFF0001};
    std::unique_ptr<CDIBBitmap> mask(MakeBitmap(4, 1, [&](int x, int) { return maskWords[x]; }));
    std::unique_ptr<ISharedBitmap> masked(CreateMaskedBitmap(*image, *mask));
    ASSERT_NE(masked, nullptr);
    EXPECT_EQ(masked->GetBitsPerPixel(), 32);
    const uint32_t expected[] = {0xFFC86432, 0, 0x80643219, 0x4032190C};
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(WordAt(*masked, x, 0), expected[x]) << x;
}

TEST_F(CGraphicResourcesManagerTest, MaskedBitmapsNeedTwo32BitBitmapsAndALargeEnoughMask)
{
    std::unique_ptr<CDIBBitmap> image(MakeBitmap(2, 2, [](int, int) { return 0xFF204060u; }));
    std::unique_ptr<CDIBBitmap> wide(MakeBitmap(3, 2, [](int x, int) { return x == 2 ? 0xFF000000u : 0xFFFFFFFFu; }));
    std::unique_ptr<CDIBBitmap> narrow(MakeBitmap(1, 2, [](int, int) { return 0xFFFFFFFFu; }));
    CDIBBitmap grey(C2DSize(2, 2), 8);
    CDIBBitmap none(C2DSize(0, 2), 32);
    EXPECT_EQ(CreateMaskedBitmap(*image, *narrow), nullptr);
    EXPECT_EQ(CreateMaskedBitmap(*image, grey), nullptr);
    EXPECT_EQ(CreateMaskedBitmap(grey, *image), nullptr);
    EXPECT_EQ(CreateMaskedBitmap(none, *image), nullptr);
    // A wider mask is read row by row at its own width: its third column plays no part.
    std::unique_ptr<ISharedBitmap> masked(CreateMaskedBitmap(*image, *wide));
    ASSERT_NE(masked, nullptr);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            EXPECT_EQ(WordAt(*masked, x, y), 0xFF204060u) << x << ", " << y;
}

TEST_F(CGraphicResourcesManagerTest, AnAlphaMaskHoldsEachPixelsAlpha)
{
    const uint32_t words[] = {0x80404040, 0, 0xFF102030, 0x01010101};
    std::unique_ptr<ISharedImage> picture(MakePicture(4, 1, [&](int x, int) { return words[x]; }));
    std::unique_ptr<ISharedBitmap> mask(CreateAlphaMask(*picture));
    ASSERT_EQ(mask->GetBitsPerPixel(), 8);
    const uint8_t* grey = static_cast<const uint8_t*>(mask->GetBits());
    EXPECT_EQ(std::vector<uint8_t>(grey, grey + 4), (std::vector<uint8_t>{0x80, 0, 0xFF, 1}));
}

} // namespace
} // namespace VeltisTest
