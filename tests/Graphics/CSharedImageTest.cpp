#include "Veltis/Graphics/CSharedImage.h"

#include "Veltis/Graphics/CSharedNativeHandle.h"

#include "Native/CoreGraphics.h"
#include "Native/Harness.h"
#include "support/CCountingCommand.h"
#include "support/NativeTest.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace Veltis::Graphics;
using Veltis::Core::C2DSize;

namespace VeltisTest {
namespace {

class CSharedImageTest : public NativeTest {};

// A 3 x 2 opaque 24-bit image over memory the test owns.
Native::CGImageRef MakeImage(std::vector<uint8_t>& pixels)
{
    pixels.assign(3 * 2 * 3, 0x80);
    Native::CGDataProviderRef provider =
        Native::CGDataProviderCreateWithData(nullptr, pixels.data(), pixels.size(), nullptr);
    Native::CGColorSpaceRef space = Native::CGColorSpaceCreateDeviceRGB();
    Native::CGImageRef image = Native::CGImageCreate(3, 2, 8, 24, 9, space, Native::kCGImageAlphaNone, provider,
                                                     nullptr, true, Native::kCGRenderingIntentDefault);
    Native::CGColorSpaceRelease(space);
    Native::CGDataProviderRelease(provider);
    return image;
}

TEST_F(CSharedImageTest, SharesCountTogetherAndTheLastOneReleasesTheImage)
{
    std::vector<uint8_t> pixels;
    Native::CGImageRef native = MakeImage(pixels);
    std::unique_ptr<CSharedImage> first(new CSharedImage(native));
    EXPECT_EQ(first->GetShareCount(), 1);
    EXPECT_EQ(first->GetNativeImage(), native);
    EXPECT_EQ(first->GetSize(), C2DSize(3, 2));
    EXPECT_EQ(first->GetBitsPerPixel(), 24);

    std::unique_ptr<ISharedImage> second(first->Share());
    std::unique_ptr<ISharedImage> third(static_cast<const CSharedImage&>(*first).Share());
    EXPECT_EQ(first->GetShareCount(), 3);
    std::unique_ptr<ISharedImage> fourth(third->Share());
    EXPECT_EQ(fourth->GetShareCount(), 4);
    fourth.reset();
    for (ISharedImage* image : {static_cast<ISharedImage*>(first.get()), second.get(), third.get()})
        EXPECT_EQ(image->GetShareCount(), 3);

    first.reset();
    EXPECT_EQ(second->GetNativeImage(), native) << "still drawable through the others";
    EXPECT_EQ(second->GetSize(), C2DSize(3, 2));
    second.reset();
    EXPECT_EQ(Native::Harness::LiveObjects("CGImage"), 1u);
    third.reset();
    EXPECT_EQ(Native::Harness::LiveObjects("CGImage"), 0u);
}

TEST_F(CSharedImageTest, ANullImageIsEmptyAndReleasesNothing)
{
    std::unique_ptr<CSharedImage> empty(new CSharedImage(static_cast<Native::CGImageRef>(nullptr)));
    EXPECT_EQ(empty->GetNativeImage(), nullptr);
    EXPECT_EQ(empty->GetSize(), C2DSize(0, 0));
    EXPECT_EQ(empty->GetBitsPerPixel(), 0);
    std::unique_ptr<ISharedImage> share(empty->Share());
    EXPECT_EQ(share->GetSize(), C2DSize(0, 0));
    EXPECT_EQ(share->GetShareCount(), 2);
    empty.reset();
    share.reset();
}

TEST_F(CSharedImageTest, ConstructionOnAHolderAddsAShareAndNotifies)
{
    std::vector<uint8_t> pixels;
    CSharedNativeHandle* holder = new CSharedNativeHandle(MakeImage(pixels));
    CCountingCommand changes;
    holder->GetChangeEvent().AddListener(changes);
    {
        CSharedImage image(holder);
        EXPECT_EQ(holder->GetShareCount(), 2);
        EXPECT_EQ(changes.GetCount(), 1);
        std::unique_ptr<ISharedImage> share(image.Share());
        EXPECT_EQ(changes.GetCount(), 2);
    }
    EXPECT_EQ(changes.GetCount(), 4);
    EXPECT_EQ(holder->GetShareCount(), 1);
    holder->GetChangeEvent().RemoveListener(&changes);
    holder->Release();
    EXPECT_EQ(Native::Harness::LiveObjects("CGImage"), 0u);
}

} // namespace
} // namespace VeltisTest
