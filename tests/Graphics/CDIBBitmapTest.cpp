#include "Veltis/Graphics/CDIBBitmap.h"

#include "Veltis/Graphics/BitmapContext.h"
#include "Veltis/Graphics/CBitmapAdapter.h"
#include "Veltis/Graphics/CDIB24BGRIterator.h"
#include "Veltis/Graphics/IDrawSurface.h"
#include "Veltis/Graphics/IImage.h"
#include "Veltis/Graphics/IRGBPixelAccess.h"
#include "Veltis/Graphics/TDIBPixelAccess.h"

#include "Native/CoreFoundation.h"
#include "Native/CoreGraphics.h"
#include "Native/Harness.h"
#include "support/NativeTest.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <memory>
#include <vector>

using namespace Veltis::Graphics;
using Veltis::Core::C2DPoint;
using Veltis::Core::C2DSize;
using Veltis::Core::CColor;

namespace VeltisTest {
namespace {

class CDIBBitmapTest : public NativeTest {};

bool AllZero(const void* bits, size_t bytes)
{
    const uint8_t* p = static_cast<const uint8_t*>(bits);
    for (size_t i = 0; i < bytes; ++i)
        if (p[i])
            return false;
    return true;
}

TEST_F(CDIBBitmapTest, FormatsRowsAndClear)
{
    struct Case {
        int requested;
        int reported;
        size_t bytesPerRow;
        size_t cleared;
    };
    const Case kCases[] = {{1, 8, 8, 24}, {8, 8, 8, 24}, {16, 16, 12, 36}, {24, 32, 20, 60}, {32, 32, 20, 60}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.requested);
        CDIBBitmap bitmap(C2DSize(5, 3), c.requested);
        EXPECT_EQ(bitmap.GetSize(), C2DSize(5, 3));
        EXPECT_EQ(bitmap.GetBitsPerPixel(), c.reported);
        EXPECT_EQ(Native::CGBitmapContextGetBytesPerRow(bitmap.GetNativeContext()), c.bytesPerRow);
        ASSERT_NE(bitmap.GetBits(), nullptr);
        EXPECT_TRUE(AllZero(bitmap.GetBits(), c.cleared)) << "new storage is zeroed";
        std::memset(bitmap.GetBits(), 0xFF, c.cleared);
        bitmap.Clear();
        EXPECT_TRUE(AllZero(bitmap.GetBits(), c.cleared));
    }
    // Grey for 1 bit, transparent black for 24.
    CDIBBitmap one(C2DSize(5, 3), 1);
    EXPECT_EQ(Native::CGBitmapContextGetBitsPerComponent(one.GetNativeContext()), 8u);
    CDIBBitmap twentyFour(C2DSize(5, 3), 24);
    EXPECT_EQ(static_cast<const uint32_t*>(twentyFour.GetBits())[7], 0u);
}

TEST_F(CDIBBitmapTest, BitmapsWithoutStorage)
{
    struct Case {
        const char* name;
        C2DSize size;
        int depth;
    };
    const Case kCases[] = {
        {"12 bits", C2DSize(5, 3), 12},
        {"zero width", C2DSize(0, 3), 32},
        {"negative height", C2DSize(5, -3), 32},
        // Bytes per row times height beyond the int range, or beyond the image limits.
        {"int range", C2DSize(40000, 40000), 32},
        {"wide", C2DSize(20000, 1), 8},
        {"many pixels", C2DSize(16384, 8192), 8},
        {"overflowing", C2DSize(INT_MAX, INT_MAX), 32},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        CDIBBitmap bitmap(c.size, c.depth);
        EXPECT_EQ(bitmap.GetNativeContext(), nullptr);
        EXPECT_EQ(bitmap.GetSize(), C2DSize(0, 0));
        EXPECT_EQ(bitmap.GetBits(), nullptr);
        EXPECT_EQ(bitmap.GetBitsPerPixel(), c.depth);
        EXPECT_EQ(bitmap.GetDrawSurface(), nullptr);
        EXPECT_EQ(bitmap.GetPixelAccess(), nullptr);
        bitmap.Clear();
        std::unique_ptr<IImage> image(bitmap.GetImage());
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->GetNativeImage(), nullptr);
    }
    EXPECT_EQ(CreateRawBitmapContext(C2DSize(1 << 20, 1 << 20), 32), nullptr);
}

TEST_F(CDIBBitmapTest, ResizeKeepsOrReplacesTheStorage)
{
    CDIBBitmap bitmap(C2DSize(4, 4), 32);
    static_cast<uint32_t*>(bitmap.GetBits())[5] = 0xFF123456;
    bitmap.Resize(C2DSize(4, 4));
    EXPECT_EQ(static_cast<uint32_t*>(bitmap.GetBits())[5], 0xFF123456u);
    bitmap.Resize(C2DSize(6, 2));
    EXPECT_EQ(bitmap.GetSize(), C2DSize(6, 2));
    EXPECT_TRUE(AllZero(bitmap.GetBits(), 6 * 2 * 4));
    bitmap.Resize(C2DSize(0, 10));
    EXPECT_EQ(bitmap.GetNativeContext(), nullptr);
    EXPECT_EQ(Native::Harness::LiveObjects("CGContext"), 0u);
}

TEST_F(CDIBBitmapTest, SharesSeeOnePixelArray)
{
    CDIBBitmap* first = new CDIBBitmap(C2DSize(3, 3), 32);
    std::unique_ptr<ISharedBitmap> second(first->Share());
    EXPECT_EQ(first->GetShareCount(), 2);
    EXPECT_EQ(second->GetShareCount(), 2);
    std::unique_ptr<IRGBPixelAccess> access(first->GetPixelAccess());
    access->SetPixel(C2DPoint(1, 2), CColor(1, 2, 3));
    access.reset();
    access.reset(second->GetPixelAccess());
    EXPECT_EQ(access->GetPixel(C2DPoint(1, 2)).b, 3);
    access.reset();
    delete first;
    EXPECT_EQ(second->GetShareCount(), 1);
    EXPECT_EQ(static_cast<uint32_t*>(second->GetBits())[7], 0xFF010203u);
    second.reset();
    EXPECT_EQ(Native::Harness::LiveObjects("CGContext"), 0u);
}

TEST_F(CDIBBitmapTest, AnImageOfTheBitmapKeepsThePixelsAfterTheBitmap)
{
    CDIBBitmap* bitmap = new CDIBBitmap(C2DSize(2, 2), 32);
    std::unique_ptr<IRGBPixelAccess> access(bitmap->GetPixelAccess());
    access->SetPixel(C2DPoint(0, 0), CColor(255, 0, 0));
    access.reset();
    std::unique_ptr<IImage> image(bitmap->GetImage());
    EXPECT_EQ(bitmap->GetShareCount(), 2);
    EXPECT_EQ(image->GetSize(), C2DSize(2, 2));
    EXPECT_EQ(image->GetBitsPerPixel(), 32);
    delete bitmap;
    EXPECT_EQ(Native::Harness::LiveObjects("CGContext"), 1u) << "the image's share holds the context";

    // Drawn 1:1 into a context: the top row red, from the bitmap's own memory.
    std::vector<uint32_t> memory(4, 0);
    Native::CGColorSpaceRef space = Native::CGColorSpaceCreateDeviceRGB();
    Native::CGContextRef target = Native::CGBitmapContextCreate(memory.data(), 2, 2, 8, 8, space, 0x2002);
    Native::CGColorSpaceRelease(space);
    Native::CGContextDrawImage(target, Native::CGRectMake(0, 0, 2, 2), image->GetNativeImage());
    Native::CGContextRelease(target);
    EXPECT_EQ(memory[0], 0xFFFF0000u);
    EXPECT_EQ(memory[1], 0u);
    image.reset();
    EXPECT_EQ(Native::Harness::LiveObjects(), 0u);
}

TEST_F(CDIBBitmapTest, PixelAccessPerDepth)
{
    struct Case {
        int depth;
        CColor stored;
        uint32_t word;
        CColor read;
    };
    const Case kCases[] = {
        {32, CColor(10, 20, 30), 0xFF0A141E, CColor(10, 20, 30)},
        {16, CColor(255, 128, 7), 31 << 10 | 16 << 5 | 0, CColor(248, 128, 0)},
        {8, CColor(255, 0, 255), 127, CColor(127, 127, 127)},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.depth);
        CDIBBitmap bitmap(C2DSize(3, 2), c.depth);
        std::unique_ptr<IRGBPixelAccess> access(bitmap.GetPixelAccess());
        ASSERT_NE(access, nullptr);
        access->SetPixel(C2DPoint(2, 1), c.stored);
        size_t bytesPerRow = Native::CGBitmapContextGetBytesPerRow(bitmap.GetNativeContext());
        uint32_t word = 0;
        std::memcpy(&word, static_cast<const uint8_t*>(bitmap.GetBits()) + bytesPerRow + 2 * size_t(c.depth) / 8,
                    size_t(c.depth) / 8);
        EXPECT_EQ(word, c.word);
        CColor read = access->GetPixel(C2DPoint(2, 1));
        EXPECT_EQ(read.r, c.read.r);
        EXPECT_EQ(read.g, c.read.g);
        EXPECT_EQ(read.b, c.read.b);
    }
}

TEST_F(CDIBBitmapTest, PackedTwentyFourBitPixelsOnABuffer)
{
    // 3 pixels of 3 bytes: rows of 12 bytes.
    std::vector<uint8_t> buffer(12 * 2, 0xEE);
    TDIBPixelAccess<CDIB24BGRIterator> access(buffer.data(), 3, 2);
    access.SetPixel(C2DPoint(2, 1), CColor(1, 2, 3));
    EXPECT_EQ(buffer[12 + 6], 3);
    EXPECT_EQ(buffer[12 + 7], 2);
    EXPECT_EQ(buffer[12 + 8], 1);
    EXPECT_EQ(buffer[12 + 9], 0xEE) << "padding untouched";
    CColor read = access.GetPixel(C2DPoint(2, 1));
    EXPECT_EQ(read.r, 1);
    EXPECT_EQ(read.b, 3);
    // Blending half of white into it.
    CDIB24BGRIterator::Blend(&buffer[12 + 6], CColor(255, 255, 255), 128);
    EXPECT_EQ(buffer[12 + 6], 3 + ((255 - 3) * 128 >> 8));
    EXPECT_EQ(CDIB24BGRIterator::GetStride(3), 12);
}

TEST_F(CDIBBitmapTest, ADetachedAdapterFreesNothing)
{
    CDIBBitmap bitmap(C2DSize(2, 2), 32);
    CBitmapAdapter* adapter = new CBitmapAdapter(bitmap.GetNativeContext());
    EXPECT_EQ(adapter->GetSize(), C2DSize(2, 2));
    EXPECT_EQ(adapter->DetachNativeContext(), bitmap.GetNativeContext());
    EXPECT_EQ(adapter->GetNativeContext(), nullptr);
    delete adapter;
    static_cast<uint32_t*>(bitmap.GetBits())[3] = 1;
    EXPECT_EQ(Native::Harness::LiveObjects("CGContext"), 1u);
}

TEST_F(CDIBBitmapTest, HandingOverMakesTheImageTheOwner)
{
    Native::CGContextRef context = CreateBitmapContext(C2DSize(2, 1), 32);
    ASSERT_NE(context, nullptr);
    Native::CGAffineTransform ctm = Native::CGContextGetCTM(context);
    EXPECT_EQ(ctm.d, -1);
    EXPECT_EQ(ctm.ty, 1);
    static_cast<uint32_t*>(Native::CGBitmapContextGetData(context))[1] = 0xFF00FF00;
    Native::CGImageRef image = CreateImageFromBitmap(context, true, nullptr, nullptr);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(Native::Harness::LiveObjects("CGContext"), 0u);
    EXPECT_EQ(Native::CGImageGetBitsPerPixel(image), 32u);
    Native::CGImageRelease(image);
    EXPECT_EQ(CreateImageFromBitmap(nullptr, true, nullptr, nullptr), nullptr);
}

} // namespace
} // namespace VeltisTest
