#include "Native/CoreGraphics.h"

#include "Native/CoreFoundation.h"
#include "Native/Harness.h"
#include "support/NativeBitmap.h"
#include "support/NativeTest.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <vector>

using namespace Native;

namespace VeltisTest {
namespace {

class CoreGraphicsTest : public NativeTest {};

constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kBlue = 0xFF0000FF;

// Each of the four bytes within the tolerance.
void ExpectWordNear(uint32_t actual, uint32_t expected, int tolerance = 1)
{
    for (int shift = 0; shift < 32; shift += 8)
        EXPECT_NEAR(static_cast<int>(actual >> shift & 0xFF), static_cast<int>(expected >> shift & 0xFF), tolerance)
            << std::hex << "0x" << actual << " vs 0x" << expected;
}

std::vector<uint32_t> Pixels(const NativeBitmap& bitmap, size_t width, size_t height)
{
    std::vector<uint32_t> pixels;
    for (size_t y = 0; y < height; ++y)
        for (size_t x = 0; x < width; ++x)
            pixels.push_back(bitmap.At(x, y));
    return pixels;
}

void Flip(CGContextRef context, CGFloat height)
{
    CGContextTranslateCTM(context, 0, height);
    CGContextScaleCTM(context, 1, -1);
}

// An image over a copy of the bytes, in one of the five layouts; the provider frees the copy.
CGImageRef MakeImage(size_t width, size_t height, size_t bitsPerComponent, size_t bitsPerPixel, size_t bytesPerRow,
                     bool grey, CGBitmapInfo info, const std::vector<uint8_t>& bytes)
{
    uint8_t* copy = new uint8_t[bytes.size()];
    std::memcpy(copy, bytes.data(), bytes.size());
    CGDataProviderRef provider = CGDataProviderCreateWithData(
        nullptr, copy, bytes.size(), [](void*, const void* data, size_t) { delete[] static_cast<const uint8_t*>(data); });
    CGColorSpaceRef space = grey ? CGColorSpaceCreateDeviceGray() : CGColorSpaceCreateDeviceRGB();
    CGImageRef image = CGImageCreate(width, height, bitsPerComponent, bitsPerPixel, bytesPerRow, space, info, provider,
                                     nullptr, true, kCGRenderingIntentDefault);
    CGColorSpaceRelease(space);
    CGDataProviderRelease(provider);
    return image;
}

std::vector<uint8_t> WordBytes(std::initializer_list<uint32_t> words)
{
    std::vector<uint8_t> bytes;
    for (uint32_t word : words)
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<uint8_t>(word >> shift));
    return bytes;
}

TEST_F(CoreGraphicsTest, BitmapContextsAcceptExactlyThreeLayouts)
{
    struct Case {
        const char* name;
        size_t width, height, bitsPerComponent, bytesPerRow;
        bool grey;
        CGBitmapInfo info;
        bool nullMemory;
        size_t bitsPerPixel; // 0: refused
    };
    const Case kCases[] = {
        {"grey", 5, 3, 8, 8, true, 0, false, 8},
        {"555", 5, 3, 5, 12, false, 0x1006, false, 16},
        {"premultiplied 32", 5, 3, 8, 20, false, 0x2002, false, 32},
        {"grey info with RGB space", 5, 3, 8, 20, false, 0, false, 0},
        {"32-bit info with grey space", 5, 3, 8, 20, true, 0x2002, false, 0},
        {"straight alpha", 5, 3, 8, 20, false, kCGImageAlphaLast, false, 0},
        {"big-endian premultiplied", 5, 3, 8, 20, false, kCGImageAlphaPremultipliedFirst, false, 0},
        {"16 bits per component", 5, 3, 16, 40, false, 0x2002, false, 0},
        {"555 with 8 bits per component", 5, 3, 8, 12, false, 0x1006, false, 0},
        {"555 row too short", 5, 3, 5, 9, false, 0x1006, false, 0},
        {"grey row too short", 5, 3, 8, 4, true, 0, false, 0},
        {"32 row too short", 5, 3, 8, 16, false, 0x2002, false, 0},
        {"32 row not whole words", 5, 3, 8, 22, false, 0x2002, false, 0},
        {"zero width", 0, 3, 8, 8, true, 0, false, 0},
        {"zero height", 5, 0, 8, 8, true, 0, false, 0},
        {"too wide", 40000, 1, 8, 40000, true, 0, false, 0},
        {"stride beyond int", 5, 1, 8, size_t(INT_MAX) + 1, true, 0, false, 0},
        {"no memory", 5, 3, 8, 8, true, 0, true, 0},
    };
    std::vector<uint8_t> memory(40000 * 4);
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        CGColorSpaceRef space = c.grey ? CGColorSpaceCreateDeviceGray() : CGColorSpaceCreateDeviceRGB();
        void* data = c.nullMemory ? nullptr : memory.data();
        CGContextRef context =
            CGBitmapContextCreate(data, c.width, c.height, c.bitsPerComponent, c.bytesPerRow, space, c.info);
        CGColorSpaceRelease(space);
        if (c.bitsPerPixel == 0) {
            EXPECT_EQ(context, nullptr);
            continue;
        }
        ASSERT_NE(context, nullptr);
        EXPECT_EQ(CGBitmapContextGetData(context), data);
        EXPECT_EQ(CGBitmapContextGetWidth(context), c.width);
        EXPECT_EQ(CGBitmapContextGetHeight(context), c.height);
        EXPECT_EQ(CGBitmapContextGetBitsPerComponent(context), c.bitsPerComponent);
        EXPECT_EQ(CGBitmapContextGetBitsPerPixel(context), c.bitsPerPixel);
        EXPECT_EQ(CGBitmapContextGetBytesPerRow(context), c.bytesPerRow);
        EXPECT_EQ(CGBitmapContextGetBitmapInfo(context), c.info);
        EXPECT_EQ(Harness::LiveObjects("CGContext"), 1u);
        EXPECT_EQ(Harness::LiveObjects("CGColorSpace"), 1u);
        CGContextRelease(context);
    }
    CGContextRelease(nullptr);
    EXPECT_EQ(CGBitmapContextCreate(memory.data(), 5, 3, 8, 8, nullptr, 0), nullptr);
}

TEST_F(CoreGraphicsTest, BitmapQueriesAnswerZeroForNullAndForWindowContexts)
{
    CGContextRef window = CreateWindowContext(3, 2);
    ASSERT_NE(window, nullptr);
    for (CGContextRef context : {static_cast<CGContextRef>(nullptr), window}) {
        EXPECT_EQ(CGBitmapContextGetData(context), nullptr);
        EXPECT_EQ(CGBitmapContextGetWidth(context), 0u);
        EXPECT_EQ(CGBitmapContextGetHeight(context), 0u);
        EXPECT_EQ(CGBitmapContextGetBitsPerComponent(context), 0u);
        EXPECT_EQ(CGBitmapContextGetBitsPerPixel(context), 0u);
        EXPECT_EQ(CGBitmapContextGetBytesPerRow(context), 0u);
        EXPECT_EQ(CGBitmapContextGetBitmapInfo(context), 0u);
        EXPECT_EQ(CGBitmapContextCreateImage(context), nullptr);
    }
    CGContextRelease(window);
}

TEST_F(CoreGraphicsTest, FlippedContextFillsFromMemoryRowZero)
{
    NativeBitmap bitmap(32, 4, 3);
    CGContextRef context = bitmap.Context();
    Flip(context, 3);
    CGAffineTransform ctm = CGContextGetCTM(context);
    EXPECT_EQ(ctm.a, 1);
    EXPECT_EQ(ctm.b, 0);
    EXPECT_EQ(ctm.c, 0);
    EXPECT_EQ(ctm.d, -1);
    EXPECT_EQ(ctm.tx, 0);
    EXPECT_EQ(ctm.ty, 3);
    CGContextSetRGBFillColor(context, 1, 0, 0, 1);
    CGContextFillRect(context, CGRectMake(1, 0, 2, 1));
    for (size_t y = 0; y < 3; ++y)
        for (size_t x = 0; x < 4; ++x) {
            SCOPED_TRACE(testing::Message() << x << ", " << y);
            EXPECT_EQ(bitmap.At(x, y), y == 0 && (x == 1 || x == 2) ? kRed : 0u);
        }
    EXPECT_EQ(bitmap.Byte(4, 0), 0x00);
    EXPECT_EQ(bitmap.Byte(5, 0), 0x00);
    EXPECT_EQ(bitmap.Byte(6, 0), 0xFF);
    EXPECT_EQ(bitmap.Byte(7, 0), 0xFF);
}

TEST_F(CoreGraphicsTest, ImageTopRowLandsAtTheRectanglesMaxY)
{
    NativeBitmap bitmap(32, 2, 2);
    CGImageRef image = MakeImage(2, 2, 8, 32, 8, false, 0x2002, WordBytes({kRed, kRed, kBlue, kBlue}));
    ASSERT_NE(image, nullptr);
    CGContextDrawImage(bitmap.Context(), CGRectMake(0, 0, 2, 2), image);
    EXPECT_EQ(Pixels(bitmap, 2, 2), (std::vector<uint32_t>{kRed, kRed, kBlue, kBlue}));

    // Turned top-down, the image still comes out with its top row at the rectangle's max-y: upside down.
    NativeBitmap flipped(32, 2, 2);
    Flip(flipped.Context(), 2);
    CGContextDrawImage(flipped.Context(), CGRectMake(0, 0, 2, 2), image);
    EXPECT_EQ(Pixels(flipped, 2, 2), (std::vector<uint32_t>{kBlue, kBlue, kRed, kRed}));
    CGImageRelease(image);
}

TEST_F(CoreGraphicsTest, StrokesHaveButtEndsAndFollowAntialiasing)
{
    const CGPoint kSegment[] = {{0.5, 0.5}, {3.5, 0.5}};
    NativeBitmap smooth(32, 4, 3);
    Flip(smooth.Context(), 3);
    CGContextSetRGBStrokeColor(smooth.Context(), 0, 0, 1, 1);
    CGContextStrokeLineSegments(smooth.Context(), kSegment, 2);
    EXPECT_EQ(smooth.At(1, 0), kBlue);
    EXPECT_EQ(smooth.At(2, 0), kBlue);
    ExpectWordNear(smooth.At(0, 0), 0x80000080);
    ExpectWordNear(smooth.At(3, 0), 0x80000080);
    for (size_t y = 1; y < 3; ++y)
        for (size_t x = 0; x < 4; ++x)
            EXPECT_EQ(smooth.At(x, y), 0u);

    NativeBitmap sharp(32, 4, 3);
    Flip(sharp.Context(), 3);
    CGContextSetShouldAntialias(sharp.Context(), false);
    const CGPoint kSlanted[] = {{0.3, 0.2}, {3.7, 2.6}};
    CGContextStrokeLineSegments(sharp.Context(), kSegment, 2);
    CGContextStrokeLineSegments(sharp.Context(), kSlanted, 2);
    EXPECT_EQ(sharp.At(1, 0), 0xFF000000);
    EXPECT_EQ(sharp.At(2, 0), 0xFF000000);
    for (uint32_t pixel : Pixels(sharp, 4, 3))
        EXPECT_TRUE(pixel >> 24 == 0 || pixel >> 24 == 0xFF) << std::hex << pixel;

    NativeBitmap empty(32, 4, 3);
    const CGPoint kPoints[] = {{1.5, 1.5}, {1.5, 1.5}, {2, 2}};
    CGContextStrokeLineSegments(empty.Context(), kPoints, 3);
    CGContextStrokeLineSegments(empty.Context(), nullptr, 0);
    for (uint32_t pixel : Pixels(empty, 4, 3))
        EXPECT_EQ(pixel, 0u);
}

TEST_F(CoreGraphicsTest, GlobalAlphaMultipliesFillsStrokesAndImages)
{
    CGImageRef red = MakeImage(1, 1, 8, 32, 4, false, 0x2002, WordBytes({kRed}));
    const std::function<void(CGContextRef)> kDraws[] = {
        [](CGContextRef context) { CGContextFillRect(context, CGRectMake(0, 0, 3, 3)); },
        [](CGContextRef context) {
            const CGPoint kSegment[] = {{0, 1.5}, {3, 1.5}};
            CGContextStrokeLineSegments(context, kSegment, 2);
        },
        [red](CGContextRef context) { CGContextDrawImage(context, CGRectMake(0, 0, 3, 3), red); },
    };
    for (const auto& draw : kDraws) {
        NativeBitmap bitmap(32, 3, 3);
        CGContextSetRGBFillColor(bitmap.Context(), 1, 0, 0, 1);
        CGContextSetRGBStrokeColor(bitmap.Context(), 1, 0, 0, 1);
        CGContextSetAlpha(bitmap.Context(), 0.5);
        draw(bitmap.Context());
        ExpectWordNear(bitmap.At(1, 1), 0x80800000);
    }
    // The colour's own alpha and the global alpha multiply.
    NativeBitmap bitmap(32, 1, 1);
    CGContextSetRGBFillColor(bitmap.Context(), 0, 1, 0, 0.5);
    CGContextSetAlpha(bitmap.Context(), 0.5);
    CGContextFillRect(bitmap.Context(), CGRectMake(0, 0, 1, 1));
    ExpectWordNear(bitmap.At(0, 0), 0x40004000);
    CGImageRelease(red);
}

// Sensitive to the fill and stroke colours, alpha, CTM, clip and anti-aliasing.
void DrawProbe(CGContextRef context)
{
    CGContextFillRect(context, CGRectMake(0, 0, 2, 2));
    const CGPoint kSegment[] = {{0, 3}, {4, 3}};
    CGContextStrokeLineSegments(context, kSegment, 2);
}

void SetBaseline(CGContextRef context)
{
    CGContextSetRGBFillColor(context, 1, 0, 0, 1);
    CGContextSetRGBStrokeColor(context, 0, 1, 0, 1);
}

TEST_F(CoreGraphicsTest, RestoreBringsBackEverySavedSetting)
{
    NativeBitmap reference(32, 4, 4);
    SetBaseline(reference.Context());
    DrawProbe(reference.Context());
    const std::vector<uint32_t> expected = Pixels(reference, 4, 4);

    struct Case {
        const char* name;
        void (*change)(CGContextRef);
    };
    const Case kCases[] = {
        {"fill colour", [](CGContextRef c) { CGContextSetRGBFillColor(c, 0, 0, 1, 1); }},
        {"stroke colour", [](CGContextRef c) { CGContextSetRGBStrokeColor(c, 0, 0, 1, 1); }},
        {"alpha", [](CGContextRef c) { CGContextSetAlpha(c, 0.25); }},
        {"anti-aliasing", [](CGContextRef c) { CGContextSetShouldAntialias(c, false); }},
        {"translation", [](CGContextRef c) { CGContextTranslateCTM(c, 1, 1); }},
        {"scale", [](CGContextRef c) { CGContextScaleCTM(c, 2, 0.5); }},
        {"clip", [](CGContextRef c) { CGContextClipToRect(c, CGRectMake(0, 0, 1, 1)); }},
        {"everything, nested",
         [](CGContextRef c) {
             CGContextClipToRect(c, CGRectMake(1, 1, 2, 2));
             CGContextSetRGBFillColor(c, 0, 0, 0, 1);
             CGContextSaveGState(c);
             CGContextRotateCTM(c, 1);
             CGContextSetAlpha(c, 0);
             CGContextRestoreGState(c);
             CGContextTranslateCTM(c, 0, 2);
         }},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        NativeBitmap bitmap(32, 4, 4);
        CGContextRef context = bitmap.Context();
        SetBaseline(context);
        CGContextSaveGState(context);
        c.change(context);
        CGContextRestoreGState(context);
        DrawProbe(context);
        EXPECT_EQ(Pixels(bitmap, 4, 4), expected);
        CGAffineTransform ctm = CGContextGetCTM(context);
        EXPECT_EQ(std::vector<CGFloat>({ctm.a, ctm.b, ctm.c, ctm.d, ctm.tx, ctm.ty}),
                  std::vector<CGFloat>({1, 0, 0, 1, 0, 0}));
        CGRect clip = CGContextGetClipBoundingBox(context);
        EXPECT_EQ(std::vector<CGFloat>({clip.origin.x, clip.origin.y, clip.size.width, clip.size.height}),
                  std::vector<CGFloat>({0, 0, 4, 4}));
    }

    NativeBitmap unmatched(32, 4, 4);
    SetBaseline(unmatched.Context());
    CGContextRestoreGState(unmatched.Context());
    DrawProbe(unmatched.Context());
    EXPECT_EQ(Pixels(unmatched, 4, 4), expected);
}

TEST_F(CoreGraphicsTest, TextMatrixAndPositionAreOutsideTheSavedState)
{
    NativeBitmap bitmap(32, 2, 2);
    CGContextRef context = bitmap.Context();
    CGContextSaveGState(context);
    CGContextSetTextMatrix(context, CGAffineTransformMake(1, 0, 0, -1, 0, 0));
    CGContextSetTextPosition(context, 3, 4);
    CGContextRestoreGState(context);
    EXPECT_EQ(CGContextGetTextMatrix(context).d, -1);
    EXPECT_EQ(CGContextGetTextPosition(context).x, 3);
    EXPECT_EQ(CGContextGetTextPosition(context).y, 4);
}

TEST_F(CoreGraphicsTest, ClipIntersectsInUserSpace)
{
    struct Case {
        const char* name;
        void (*transform)(CGContextRef);
        CGRect box;
    };
    const Case kCases[] = {
        {"identity", [](CGContextRef) {}, {{0, 0}, {10, 10}}},
        {"translated", [](CGContextRef c) { CGContextTranslateCTM(c, 2, 1); }, {{-2, -1}, {10, 10}}},
        {"flipped", [](CGContextRef c) { Flip(c, 10); }, {{0, 0}, {10, 10}}},
        {"scaled", [](CGContextRef c) { CGContextScaleCTM(c, 2, 2); }, {{0, 0}, {5, 5}}},
        {"clipped between pixels", [](CGContextRef c) { CGContextClipToRect(c, CGRectMake(1.25, 2.5, 3.5, 4.25)); },
         {{1.25, 2.5}, {3.5, 4.25}}},
        {"flipped and clipped",
         [](CGContextRef c) {
             Flip(c, 10);
             CGContextClipToRect(c, CGRectMake(-3, 8.5, 5, 5));
         },
         {{0, 8.5}, {2, 1.5}}},
        {"clipped apart",
         [](CGContextRef c) {
             CGContextClipToRect(c, CGRectMake(0, 0, 2, 2));
             CGContextClipToRect(c, CGRectMake(3, 3, 2, 2));
         },
         {{0, 0}, {0, 0}}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        NativeBitmap bitmap(32, 10, 10);
        CGContextRef context = bitmap.Context();
        c.transform(context);
        CGRect box = CGContextGetClipBoundingBox(context);
        EXPECT_EQ(box.origin.x, c.box.origin.x);
        EXPECT_EQ(box.origin.y, c.box.origin.y);
        EXPECT_EQ(box.size.width, c.box.size.width);
        EXPECT_EQ(box.size.height, c.box.size.height);
    }

    NativeBitmap bitmap(32, 10, 10);
    CGContextRef context = bitmap.Context();
    Flip(context, 10);
    CGContextClipToRect(context, CGRectMake(2, 2, 4, 4));
    CGContextClipToRect(context, CGRectMake(4, 1, 4, 3));
    CGRect box = CGContextGetClipBoundingBox(context);
    EXPECT_EQ(std::vector<CGFloat>({box.origin.x, box.origin.y, box.size.width, box.size.height}),
              std::vector<CGFloat>({4, 2, 2, 2}));
    CGContextSetRGBFillColor(context, 1, 0, 0, 1);
    CGContextFillRect(context, CGRectMake(0, 0, 10, 10));
    for (size_t y = 0; y < 10; ++y)
        for (size_t x = 0; x < 10; ++x)
            EXPECT_EQ(bitmap.At(x, y), (x == 4 || x == 5) && (y == 2 || y == 3) ? kRed : 0u) << x << ", " << y;
}

TEST_F(CoreGraphicsTest, GreyAnd555ContextsConvertExactly)
{
    CGImageRef grey100 = MakeImage(1, 1, 8, 8, 4, true, 0, {100, 0, 0, 0});
    struct Case {
        int depth;
        uint32_t filled;     // fill (200, 100, 40)
        uint32_t imaged;     // opaque grey 100 drawn 1:1
        uint32_t white;      // written straight into the memory
        uint32_t halfBlack;  // black at alpha 0.5 filled over white
        int tolerance;
        uint32_t untouched;  // written straight into the memory, never drawn over
    };
    const Case kCases[] = {
        {8, 110, 100, 0xFF, 0x80, 1, 0x5A},
        {16, 25u << 10 | 12u << 5 | 5u, 12u << 10 | 12u << 5 | 12u, 0x7FFF, 15u << 10 | 15u << 5 | 15u, 0, 0x1234},
        {32, 0xFFC86428, 0xFF646464, 0xFFFFFFFF, 0xFF808080, 1, 0x80402010},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.depth);
        NativeBitmap bitmap(c.depth, 3, 3);
        CGContextRef context = bitmap.Context();
        CGContextSetRGBFillColor(context, 200 / 255.0, 100 / 255.0, 40 / 255.0, 1);
        CGContextFillRect(context, CGRectMake(0, 2, 1, 1));
        CGContextDrawImage(context, CGRectMake(1, 2, 1, 1), grey100);
        EXPECT_EQ(bitmap.At(0, 0), c.filled);
        EXPECT_EQ(bitmap.At(1, 0), c.imaged);

        // Written between calls: kept by the next call, and what it draws over.
        bitmap.Set(2, 2, c.untouched);
        bitmap.Set(0, 1, c.white);
        CGContextSetRGBFillColor(context, 0, 0, 0, 0.5);
        CGContextFillRect(context, CGRectMake(0, 1, 1, 1));
        EXPECT_EQ(bitmap.At(2, 2), c.untouched);
        ExpectWordNear(bitmap.At(0, 1), c.halfBlack, c.tolerance);
        EXPECT_EQ(bitmap.At(0, 0), c.filled);
        EXPECT_EQ(bitmap.At(1, 1), 0u);
    }
    CGImageRelease(grey100);
}

TEST_F(CoreGraphicsTest, ImagesInEachLayoutDrawOneToOneExactly)
{
    struct Case {
        const char* name;
        size_t bitsPerComponent, bitsPerPixel, bytesPerRow;
        bool grey;
        CGBitmapInfo info;
        std::vector<uint8_t> bytes;
        std::vector<uint32_t> words;
    };
    const Case kCases[] = {
        {"premultiplied 32", 8, 32, 8, false, 0x2002, WordBytes({0x80204080, 0xFF112233, 0, 0xFFFFFFFF}),
         {0x80204080, 0xFF112233, 0, 0xFFFFFFFF}},
        {"straight RGBA", 8, 32, 8, false, kCGImageAlphaLast,
         {255, 1, 2, 128, 10, 20, 30, 255, 200, 200, 200, 0, 0, 0, 0, 255},
         {0x80800101, 0xFF0A141E, 0, 0xFF000000}},
        {"packed RGB, padded rows", 8, 24, 8, false, 0, {1, 2, 3, 4, 5, 6, 9, 9, 250, 251, 252, 0, 0, 0, 9, 9},
         {0xFF010203, 0xFF040506, 0xFFFAFBFC, 0xFF000000}},
        {"grey", 8, 8, 4, true, 0, {0, 100, 9, 9, 255, 7, 9, 9}, {0xFF000000, 0xFF646464, 0xFFFFFFFF, 0xFF070707}},
        {"555", 5, 16, 4, false, 0x1006, {0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0x10, 0x42},
         {0xFFF80000, 0xFF00F800, 0xFF0000F8, 0xFF808080}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        CGImageRef image = MakeImage(2, 2, c.bitsPerComponent, c.bitsPerPixel, c.bytesPerRow, c.grey, c.info, c.bytes);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(CGImageGetWidth(image), 2u);
        EXPECT_EQ(CGImageGetHeight(image), 2u);
        EXPECT_EQ(CGImageGetBitsPerComponent(image), c.bitsPerComponent);
        EXPECT_EQ(CGImageGetBitsPerPixel(image), c.bitsPerPixel);
        EXPECT_EQ(CGImageGetBytesPerRow(image), c.bytesPerRow);
        EXPECT_EQ(CGImageGetBitmapInfo(image), c.info);
        NativeBitmap bitmap(32, 4, 3);
        CGContextDrawImage(bitmap.Context(), CGRectMake(1, 0, 2, 2), image);
        EXPECT_EQ(bitmap.At(1, 1), c.words[0]);
        EXPECT_EQ(bitmap.At(2, 1), c.words[1]);
        EXPECT_EQ(bitmap.At(1, 2), c.words[2]);
        EXPECT_EQ(bitmap.At(2, 2), c.words[3]);
        EXPECT_EQ(bitmap.At(0, 1) | bitmap.At(3, 1) | bitmap.At(0, 0) | bitmap.At(1, 0), 0u);
        CGImageRelease(image);
    }
    EXPECT_EQ(CGImageGetWidth(nullptr), 0u);
    EXPECT_EQ(CGImageGetHeight(nullptr), 0u);
    EXPECT_EQ(CGImageGetBitsPerComponent(nullptr), 0u);
    EXPECT_EQ(CGImageGetBitsPerPixel(nullptr), 0u);
    EXPECT_EQ(CGImageGetBytesPerRow(nullptr), 0u);
    EXPECT_EQ(CGImageGetBitmapInfo(nullptr), 0u);
}

TEST_F(CoreGraphicsTest, ImagesOutsideTheFiveLayoutsAreRefused)
{
    std::vector<uint8_t> bytes(64, 0);
    CGDataProviderRef provider = CGDataProviderCreateWithData(nullptr, bytes.data(), bytes.size(), nullptr);
    CGColorSpaceRef rgb = CGColorSpaceCreateDeviceRGB();
    CGColorSpaceRef grey = CGColorSpaceCreateDeviceGray();
    const CGFloat kDecode[] = {0, 1, 0, 1, 0, 1};
    struct Case {
        const char* name;
        size_t width, height, bitsPerComponent, bitsPerPixel, bytesPerRow;
        CGColorSpaceRef space;
        CGBitmapInfo info;
        CGDataProviderRef provider;
        const CGFloat* decode;
    };
    const Case kCases[] = {
        {"32 bits without alpha", 2, 2, 8, 32, 8, rgb, 0, provider, nullptr},
        {"32 bits premultiplied last", 2, 2, 8, 32, 8, rgb, 1, provider, nullptr},
        {"premultiplied with grey space", 2, 2, 8, 32, 8, grey, 0x2002, provider, nullptr},
        {"grey with RGB space", 2, 2, 8, 8, 2, rgb, 0, provider, nullptr},
        {"16 bits per component", 2, 2, 16, 64, 16, rgb, 0x2002, provider, nullptr},
        {"555 at 15 bits", 2, 2, 5, 15, 4, rgb, 0x1006, provider, nullptr},
        {"row too short", 2, 2, 8, 32, 7, rgb, 0x2002, provider, nullptr},
        {"provider too small", 4, 5, 8, 32, 16, rgb, 0x2002, provider, nullptr},
        {"zero width", 0, 2, 8, 32, 8, rgb, 0x2002, provider, nullptr},
        {"zero height", 2, 0, 8, 32, 8, rgb, 0x2002, provider, nullptr},
        // One row needs only its own pixels from the provider, so only the stride limit refuses it.
        {"stride beyond int", 1, 1, 8, 32, size_t(INT_MAX) + 1, rgb, 0x2002, provider, nullptr},
        {"no provider", 2, 2, 8, 32, 8, rgb, 0x2002, nullptr, nullptr},
        {"no colour space", 2, 2, 8, 32, 8, nullptr, 0x2002, provider, nullptr},
        {"decode array", 2, 2, 8, 32, 8, rgb, 0x2002, provider, kDecode},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CGImageCreate(c.width, c.height, c.bitsPerComponent, c.bitsPerPixel, c.bytesPerRow, c.space, c.info,
                                c.provider, c.decode, true, kCGRenderingIntentDefault),
                  nullptr);
    }
    // The last row needs only its pixels, not the whole stride.
    CGImageRef exact = CGImageCreate(4, 4, 8, 32, 16, rgb, 0x2002, provider, nullptr, true, kCGRenderingIntentDefault);
    EXPECT_NE(exact, nullptr);
    CGImageRelease(exact);
    CGColorSpaceRelease(rgb);
    CGColorSpaceRelease(grey);
    CGDataProviderRelease(provider);
}

struct ReleaseLog {
    int calls = 0;
    const void* data = nullptr;
    size_t size = 0;
};

void RecordRelease(void* info, const void* data, size_t size)
{
    auto* log = static_cast<ReleaseLog*>(info);
    ++log->calls;
    log->data = data;
    log->size = size;
}

TEST_F(CoreGraphicsTest, ProviderCallbackRunsOnceWithTheLastHolder)
{
    // 0: the provider reference, 1: the image, 2: the sub-image.
    const std::vector<int> kOrders[] = {{0, 1, 2}, {2, 1, 0}, {1, 0, 2}, {0, 2, 1}};
    for (const std::vector<int>& order : kOrders) {
        SCOPED_TRACE(testing::PrintToString(order));
        uint8_t pixels[16] = {};
        ReleaseLog log;
        CGDataProviderRef provider = CGDataProviderCreateWithData(&log, pixels, sizeof pixels, &RecordRelease);
        CGColorSpaceRef space = CGColorSpaceCreateDeviceGray();
        CGImageRef image = CGImageCreate(4, 4, 8, 8, 4, space, 0, provider, nullptr, true, kCGRenderingIntentDefault);
        CGColorSpaceRelease(space);
        CGImageRef sub = CGImageCreateWithImageInRect(image, CGRectMake(1, 1, 2, 2));
        ASSERT_NE(sub, nullptr);
        const CFTypeRef holders[] = {provider, image, sub};
        for (size_t i = 0; i < order.size(); ++i) {
            CFRelease(holders[order[i]]);
            EXPECT_EQ(log.calls, i + 1 == order.size() ? 1 : 0);
        }
        EXPECT_EQ(log.data, pixels);
        EXPECT_EQ(log.size, sizeof pixels);
    }
}

TEST_F(CoreGraphicsTest, SubImagesTakeIntegralRectanglesFromTheTopLeft)
{
    CGImageRef image = MakeImage(3, 3, 8, 8, 4, true, 0, {0, 1, 2, 9, 3, 4, 5, 9, 6, 7, 8, 9});
    struct Case {
        const char* name;
        CGRect rect;
        size_t width, height;
        uint8_t topLeft;
    };
    const double kNaN = std::numeric_limits<double>::quiet_NaN();
    const Case kCases[] = {
        {"inside", {{1, 0}, {2, 2}}, 2, 2, 1},
        {"cut and made integral", {{-1.5, 0.5}, {3, 1}}, 2, 2, 0},
        {"beyond the corner", {{2.5, 1.5}, {5, 5}}, 1, 2, 5},
        {"negative size", {{3, 3}, {-1, -2}}, 1, 2, 5},
        {"outside", {{3, 0}, {1, 1}}, 0, 0, 0},
        {"empty", {{0, 0}, {0, 2}}, 0, 0, 0},
        {"not a number", {{kNaN, 0}, {1, 1}}, 0, 0, 0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        CGImageRef sub = CGImageCreateWithImageInRect(image, c.rect);
        if (c.width == 0) {
            EXPECT_EQ(sub, nullptr);
            continue;
        }
        ASSERT_NE(sub, nullptr);
        EXPECT_EQ(CGImageGetWidth(sub), c.width);
        EXPECT_EQ(CGImageGetHeight(sub), c.height);
        NativeBitmap bitmap(8, c.width, c.height);
        CGContextDrawImage(bitmap.Context(), CGRectMake(0, 0, c.width, c.height), sub);
        EXPECT_EQ(bitmap.Byte(0, 0), c.topLeft);
        CGImageRelease(sub);
    }

    // A sub-image of a sub-image, drawn after its parents are gone.
    CGImageRef middle = CGImageCreateWithImageInRect(image, CGRectMake(1, 1, 2, 2));
    CGImageRef corner = CGImageCreateWithImageInRect(middle, CGRectMake(1, 0, 1, 2));
    CGImageRelease(middle);
    CGImageRelease(image);
    NativeBitmap bitmap(8, 1, 2);
    CGContextDrawImage(bitmap.Context(), CGRectMake(0, 0, 1, 2), corner);
    EXPECT_EQ(bitmap.Byte(0, 0), 5);
    EXPECT_EQ(bitmap.Byte(0, 1), 8);
    CGImageRelease(corner);
    EXPECT_EQ(CGImageCreateWithImageInRect(nullptr, CGRectMake(0, 0, 1, 1)), nullptr);
}

TEST_F(CoreGraphicsTest, ContextImagesAreCopiesProviderImagesAreLive)
{
    NativeBitmap source(32, 2, 1);
    CGContextSetRGBFillColor(source.Context(), 1, 0, 0, 1);
    CGContextFillRect(source.Context(), CGRectMake(0, 0, 2, 1));
    CGImageRef copy = CGBitmapContextCreateImage(source.Context());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(CGImageGetBitsPerPixel(copy), 32u);
    EXPECT_EQ(CGImageGetBitmapInfo(copy), 0x2002u);
    CGDataProviderRef provider = CGDataProviderCreateWithData(nullptr, source.Data(), 8, nullptr);
    CGColorSpaceRef space = CGColorSpaceCreateDeviceRGB();
    CGImageRef live = CGImageCreate(2, 1, 8, 32, 8, space, 0x2002, provider, nullptr, true, kCGRenderingIntentDefault);
    CGColorSpaceRelease(space);
    CGDataProviderRelease(provider);

    CGContextSetRGBFillColor(source.Context(), 0, 0, 1, 1);
    CGContextFillRect(source.Context(), CGRectMake(0, 0, 2, 1));
    source.Set(1, 0, 0x80000080);
    NativeBitmap target(32, 2, 2);
    CGContextDrawImage(target.Context(), CGRectMake(0, 1, 2, 1), copy);
    CGContextDrawImage(target.Context(), CGRectMake(0, 0, 2, 1), live);
    EXPECT_EQ(Pixels(target, 2, 2), (std::vector<uint32_t>{kRed, kRed, kBlue, 0x80000080}));
    CGImageRelease(copy);
    CGImageRelease(live);

    NativeBitmap grey(8, 2, 1);
    grey.Byte(1, 0) = 42;
    CGImageRef greyCopy = CGBitmapContextCreateImage(grey.Context());
    EXPECT_EQ(CGImageGetBitsPerPixel(greyCopy), 8u);
    grey.Byte(1, 0) = 0;
    NativeBitmap back(8, 2, 1);
    CGContextDrawImage(back.Context(), CGRectMake(0, 0, 2, 1), greyCopy);
    EXPECT_EQ(back.Byte(1, 0), 42);
    CGImageRelease(greyCopy);
}

TEST_F(CoreGraphicsTest, ScaledImagesPadTheirEdges)
{
    CGImageRef one = MakeImage(1, 1, 8, 32, 4, false, 0x2002, WordBytes({kRed}));
    NativeBitmap bitmap(32, 3, 3);
    CGContextDrawImage(bitmap.Context(), CGRectMake(0, 0, 3, 3), one);
    for (uint32_t pixel : Pixels(bitmap, 3, 3))
        EXPECT_EQ(pixel, kRed);
    CGImageRelease(one);

    CGImageRef two = MakeImage(2, 1, 8, 32, 8, false, 0x2002, WordBytes({kRed, kBlue}));
    NativeBitmap wide(32, 8, 2);
    CGContextDrawImage(wide.Context(), CGRectMake(0, 0, 8, 2), two);
    for (uint32_t pixel : Pixels(wide, 8, 2))
        EXPECT_EQ(pixel >> 24, 0xFFu) << std::hex << pixel;
    EXPECT_EQ(wide.At(0, 0), kRed);
    EXPECT_EQ(wide.At(7, 1), kBlue);
    CGImageRelease(two);
}

TEST_F(CoreGraphicsTest, WindowContextsDrawIntoTheirOwnMemory)
{
    CGContextRef window = CreateWindowContext(3, 2);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Harness::LiveObjects("CGContext"), 1u);
    CGContextSetRGBFillColor(window, 1, 0, 0, 1);
    CGContextFillRect(window, CGRectMake(0, 0, 1, 1));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(Harness::ContextPixelAt(window, x, y), x == 0 && y == 1 ? kRed : 0u) << x << ", " << y;
    {
        RecordedReports reports;
        EXPECT_EQ(Harness::ContextPixelAt(window, 3, 0), 0u);
        EXPECT_EQ(Harness::ContextPixelAt(window, 0, -1), 0u);
        EXPECT_EQ(reports.Take().size(), 2u);
    }
    CGContextRelease(window);

    NativeBitmap grey(8, 2, 1);
    grey.Byte(1, 0) = 0x33;
    EXPECT_EQ(Harness::ContextPixelAt(grey.Context(), 1, 0), 0xFF333333u);
}

TEST_F(CoreGraphicsTest, SingularTransformsDrawNothingUntilRestored)
{
    const std::function<void(CGContextRef)> kBreaks[] = {
        [](CGContextRef c) { CGContextScaleCTM(c, 0, 1); },
        [](CGContextRef c) { CGContextTranslateCTM(c, std::numeric_limits<double>::quiet_NaN(), 0); },
        [](CGContextRef c) { CGContextScaleCTM(c, 1e-300, 1e-300); },
    };
    for (const auto& breakTransform : kBreaks) {
        NativeBitmap bitmap(32, 2, 2);
        CGContextRef context = bitmap.Context();
        CGContextSaveGState(context);
        breakTransform(context);
        CGContextFillRect(context, CGRectMake(0, 0, 2, 2));
        CGContextClipToRect(context, CGRectMake(0, 0, 2, 2));
        CGRect box = CGContextGetClipBoundingBox(context);
        EXPECT_EQ(box.size.width, 0);
        EXPECT_EQ(bitmap.At(0, 0), 0u);
        CGContextRestoreGState(context);
        CGContextFillRect(context, CGRectMake(0, 0, 2, 2));
        EXPECT_EQ(bitmap.At(0, 0), 0xFF000000u);
    }
}

TEST_F(CoreGraphicsTest, ExtremeImagePlacementsDrawNothingAndKeepTheContext)
{
    CGImageRef image = MakeImage(1, 1, 8, 32, 4, false, 0x2002, WordBytes({kRed}));
    const CGRect kRects[] = {
        // Not empty, but scaling the image to it cannot be inverted.
        {{0, 0}, {1e-300, 1e-300}},
        // Beyond 4096 times.
        {{0, 0}, {1e5, 1}},
    };
    for (const CGRect& rect : kRects) {
        SCOPED_TRACE(rect.size.width);
        NativeBitmap bitmap(32, 2, 2);
        CGContextRef context = bitmap.Context();
        CGContextDrawImage(context, rect, image);
        EXPECT_EQ(bitmap.At(0, 1), 0u);
        CGContextFillRect(context, CGRectMake(0, 0, 2, 2));
        for (uint32_t pixel : Pixels(bitmap, 2, 2))
            EXPECT_EQ(pixel, 0xFF000000u);
    }
    CGImageRelease(image);
}

TEST_F(CoreGraphicsTest, RotationPreMultipliesTheTransform)
{
    NativeBitmap bitmap(32, 4, 4);
    CGContextRef context = bitmap.Context();
    CGContextTranslateCTM(context, 2, 0);
    CGContextRotateCTM(context, M_PI / 2);
    CGAffineTransform ctm = CGContextGetCTM(context);
    EXPECT_NEAR(ctm.a, 0, 1e-12);
    EXPECT_NEAR(ctm.b, 1, 1e-12);
    EXPECT_NEAR(ctm.c, -1, 1e-12);
    EXPECT_NEAR(ctm.d, 0, 1e-12);
    EXPECT_EQ(ctm.tx, 2);
    // User (0..1, -1..0) lands on device x 2..3, y 0..1 (y-up): the bottom row of memory.
    CGContextFillRect(context, CGRectMake(0, -1, 1, 1));
    for (size_t y = 0; y < 4; ++y)
        for (size_t x = 0; x < 4; ++x)
            ExpectWordNear(bitmap.At(x, y), x == 2 && y == 3 ? 0xFF000000 : 0);
}

TEST_F(CoreGraphicsTest, CallsWithoutAContextAreReported)
{
    RecordedReports reports;
    CGContextFillRect(nullptr, CGRectMake(0, 0, 1, 1));
    CGContextSaveGState(nullptr);
    CGContextTranslateCTM(nullptr, 1, 1);
    EXPECT_EQ(CGContextGetCTM(nullptr).a, 1);
    CGContextDrawLayerAtPoint(nullptr, CGPointMake(0, 0), nullptr);
    EXPECT_EQ(reports.Take().size(), 5u);

    NativeBitmap bitmap(32, 1, 1);
    CGContextDrawLayerAtPoint(bitmap.Context(), CGPointMake(0, 0), nullptr);
    CGContextDrawLayerInRect(bitmap.Context(), CGRectMake(0, 0, 1, 1), nullptr);
    CGContextDrawImage(bitmap.Context(), CGRectMake(0, 0, 1, 1), nullptr);
    EXPECT_EQ(bitmap.At(0, 0), 0u);
    EXPECT_TRUE(reports.Take().empty());
}

TEST_F(CoreGraphicsTest, ColoursKeepClampedComponentsAndAlpha)
{
    CGColorSpaceRef rgb = CGColorSpaceCreateDeviceRGB();
    CGColorSpaceRef grey = CGColorSpaceCreateDeviceGray();
    const CGFloat kRGBA[] = {0.2, 1.5, -1, 0.5};
    const CGFloat kGrey[] = {0.25, 1};
    CGColorRef color = CGColorCreate(rgb, kRGBA);
    CGColorRef greyColor = CGColorCreate(grey, kGrey);
    CGColorSpaceRelease(rgb);
    CGColorSpaceRelease(grey);
    ASSERT_EQ(CGColorGetNumberOfComponents(color), 4u);
    const CGFloat* components = CGColorGetComponents(color);
    EXPECT_EQ(std::vector<CGFloat>(components, components + 4), std::vector<CGFloat>({0.2, 1, 0, 0.5}));
    EXPECT_EQ(CGColorGetNumberOfComponents(greyColor), 2u);
    EXPECT_EQ(CGColorGetComponents(greyColor)[0], 0.25);
    EXPECT_EQ(Harness::LiveObjects("CGColorSpace"), 2u);
    CGColorRelease(color);
    CGColorRelease(greyColor);
    CGColorRelease(nullptr);
    EXPECT_EQ(CGColorGetNumberOfComponents(nullptr), 0u);
    RecordedReports reports;
    EXPECT_EQ(CGColorCreate(nullptr, kRGBA), nullptr);
    EXPECT_EQ(reports.Take().size(), 1u);
}

} // namespace
} // namespace VeltisTest
