#include "Veltis/Graphics/NativeGraphicsQueries.h"

#include "Native/CoreGraphics.h"
#include "Native/Harness.h"
#include "support/NativeBitmap.h"
#include "support/NativeTest.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Veltis::Graphics;

namespace VeltisTest {
namespace {

class NativeGraphicsQueriesTest : public NativeTest {};

TEST_F(NativeGraphicsQueriesTest, ContextQueriesTellBitmapsFromOtherContexts)
{
    NativeBitmap bitmap(32, 5, 3);
    Native::CGContextRef window = Native::CreateWindowContext(5, 3);
    struct Case {
        const char* name;
        Native::CGContextRef context;
        bool isBitmap;
        int bitsPerPixel;
        int width, height;
    };
    const Case kCases[] = {
        {"null", nullptr, false, 0, 0, 0},
        {"window", window, false, 0, 0, 0},
        {"bitmap", bitmap.Context(), true, 32, 5, 3},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(GetBitmapContext(c.context), c.isBitmap ? c.context : nullptr);
        EXPECT_EQ(GetBitmapData(c.context), c.isBitmap ? bitmap.Data() : nullptr);
        EXPECT_EQ(GetBitmapBitsPerPixel(c.context), c.bitsPerPixel);
        EXPECT_EQ(GetBitmapSize(c.context), Veltis::Core::C2DSize(c.width, c.height));
    }
    ReleaseIfNotNull(window);
    ReleaseIfNotNull(nullptr);
    EXPECT_EQ(Native::Harness::LiveObjects("CGContext"), 1u);
}

TEST_F(NativeGraphicsQueriesTest, ImageQueries)
{
    std::vector<uint8_t> pixels(8, 0);
    Native::CGDataProviderRef provider =
        Native::CGDataProviderCreateWithData(nullptr, pixels.data(), pixels.size(), nullptr);
    Native::CGColorSpaceRef space = Native::CGColorSpaceCreateDeviceGray();
    Native::CGImageRef image =
        Native::CGImageCreate(3, 2, 8, 8, 4, space, 0, provider, nullptr, true, Native::kCGRenderingIntentDefault);
    ReleaseIfNotNull(space);
    ReleaseIfNotNull(provider);
    EXPECT_EQ(GetImageSize(image), Veltis::Core::C2DSize(3, 2));
    EXPECT_EQ(GetImageBitsPerPixel(image), 8);
    EXPECT_EQ(GetImageSize(nullptr), Veltis::Core::C2DSize(0, 0));
    EXPECT_EQ(GetImageBitsPerPixel(nullptr), 0);
    ReleaseIfNotNull(image);
}

} // namespace
} // namespace VeltisTest
