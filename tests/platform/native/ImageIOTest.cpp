#include "Native/ImageIO.h"

#include "Native/CoreFoundation.h"
#include "Native/Harness.h"
#include "support/NativeBitmap.h"
#include "support/NativeTest.h"
#include "support/PngWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace Native;

namespace VeltisTest {
namespace {

class ImageIOTest : public NativeTest {};

#if defined(__SANITIZE_ADDRESS__)
#define VELTIS_ALLOCATION_HOOKS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELTIS_ALLOCATION_HOOKS 1
#endif
#endif

#if defined(VELTIS_ALLOCATION_HOOKS)
} // namespace
} // namespace VeltisTest
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*onMalloc)(const volatile void*, size_t),
                                                         void (*onFree)(const volatile void*));
namespace VeltisTest {
namespace {

// The largest allocation (malloc or new, through the sanitizer's allocator) while recording.
std::atomic<bool> g_Recording{false};
std::atomic<size_t> g_Largest{0};

void OnMalloc(const volatile void*, size_t size)
{
    if (!g_Recording.load())
        return;
    size_t largest = g_Largest.load();
    while (size > largest && !g_Largest.compare_exchange_weak(largest, size)) {
    }
}

void OnFree(const volatile void*) {}

const bool kHooksInstalled = __sanitizer_install_malloc_and_free_hooks(&OnMalloc, &OnFree) != 0;

// The largest allocation the decoding of the bytes makes.
size_t LargestAllocationDecoding(const std::vector<uint8_t>& bytes, CGImageRef& image)
{
    g_Largest = 0;
    g_Recording = true;
    image = CreateImageFromFileData(bytes.data(), bytes.size());
    g_Recording = false;
    return g_Largest.load();
}
#endif

std::string Fixture(const char* name)
{
    return std::string(VELTIS_TEST_IMAGES) + "/" + name;
}

std::vector<uint8_t> ReadBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The image of the path through the source road, as the loader of image files asks for it.
CGImageRef LoadThroughSource(const std::string& path)
{
    CFStringRef string = CFStringCreateWithCString(nullptr, path.c_str(), kCFStringEncodingUTF8);
    CFURLRef url = CFURLCreateWithFileSystemPath(nullptr, string, kCFURLPOSIXPathStyle, false);
    CGImageSourceRef source = CGImageSourceCreateWithURL(url, nullptr);
    CGImageRef image = nullptr;
    if (source) {
        CFStringRef preferKey = CFStringCreateWithCString(nullptr, "kCGImageSourceShouldPreferRGB32", kCFStringEncodingUTF8);
        const CFTypeRef keys[] = {kCGImageSourceShouldCache, preferKey};
        const CFTypeRef values[] = {kCFBooleanTrue, kCFBooleanTrue};
        CFDictionaryRef options = CFDictionaryCreate(nullptr, keys, values, 2, &kCFTypeDictionaryKeyCallBacks,
                                                     &kCFTypeDictionaryValueCallBacks);
        image = CGImageSourceCreateImageAtIndex(source, 0, options);
        EXPECT_EQ(CGImageSourceCreateImageAtIndex(source, 1, options), nullptr);
        CFRelease(options);
        CFRelease(preferKey);
        CFRelease(source);
    }
    CFRelease(url);
    CFRelease(string);
    return image;
}

// The image drawn 1:1 into a top-down 32-bit context: premultiplied words, top row first.
std::vector<uint32_t> DrawnPixels(CGImageRef image)
{
    size_t width = CGImageGetWidth(image);
    size_t height = CGImageGetHeight(image);
    NativeBitmap bitmap(32, width, height);
    CGContextDrawImage(bitmap.Context(), CGRectMake(0, 0, double(width), double(height)), image);
    std::vector<uint32_t> pixels;
    for (size_t y = 0; y < height; ++y)
        for (size_t x = 0; x < width; ++x)
            pixels.push_back(bitmap.At(x, y));
    return pixels;
}

TEST_F(ImageIOTest, FormatsDecodeToTheirDepthsAndPixels)
{
    struct Case {
        const char* file;
        size_t width;
        size_t height;
        size_t bitsPerPixel;
        std::vector<uint32_t> pixels;
    };
    const Case kCases[] = {
        {"rgb.png", 2, 2, 24, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF}},
        // Straight (200, 100, 50, 128) premultiplied with rounding; transparent black; alpha 255 and 254.
        {"rgba.png", 2, 2, 32, {0x80643219, 0x00000000, 0xFF010203, 0xFE040506}},
        {"grey.png", 2, 1, 24, {0xFF0A0A0A, 0xFFC8C8C8}},
        {"palette.png", 2, 1, 32, {0xFFFF0000, 0x00000000}},
        {"rgb16.png", 1, 1, 24, {0xFF12569A}},
        {"rgb.bmp", 2, 2, 24, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF}},
        {"one.gif", 1, 1, 32, {0xFFFF0000}},
        {"rgb.jpg", 4, 4, 24, {}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.file);
        CGImageRef image = LoadThroughSource(Fixture(c.file));
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(CGImageGetWidth(image), c.width);
        EXPECT_EQ(CGImageGetHeight(image), c.height);
        EXPECT_EQ(CGImageGetBitsPerPixel(image), c.bitsPerPixel);
        EXPECT_EQ(CGImageGetBitmapInfo(image), c.bitsPerPixel == 32 ? kCGImageAlphaLast : kCGImageAlphaNone);
        std::vector<uint32_t> pixels = DrawnPixels(image);
        if (!c.pixels.empty()) {
            EXPECT_EQ(pixels.size(), c.pixels.size());
            for (size_t i = 0; i < pixels.size() && i < c.pixels.size(); ++i) {
                for (int shift = 0; shift < 32; shift += 8)
                    EXPECT_NEAR(int(pixels[i] >> shift & 0xFF), int(c.pixels[i] >> shift & 0xFF), 1)
                        << "pixel " << i << std::hex << " 0x" << pixels[i];
            }
        } else {
            for (uint32_t pixel : pixels)
                EXPECT_EQ(pixel >> 24, 0xFFu);
        }
        CGImageRelease(image);
    }
}

TEST_F(ImageIOTest, FilesThatDoNotDecodeGiveNullAndLeaveNothing)
{
    std::vector<uint8_t> png = ReadBytes(Fixture("rgb.png"));
    std::vector<uint8_t> jpeg = ReadBytes(Fixture("rgb.jpg"));
    std::vector<uint8_t> bmp = ReadBytes(Fixture("rgb.bmp"));
    std::vector<uint8_t> gif = ReadBytes(Fixture("one.gif"));
    ASSERT_FALSE(png.empty());
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
    };
    std::vector<Case> cases = {
        {"empty", {}},
        {"text", {'h', 'e', 'l', 'l', 'o'}},
        {"TIFF", {'I', 'I', 42, 0, 8, 0, 0, 0, 0, 0}},
        {"signature only", std::vector<uint8_t>(png.begin(), png.begin() + 8)},
        {"truncated PNG", std::vector<uint8_t>(png.begin(), png.end() - 20)},
        {"truncated JPEG", std::vector<uint8_t>(jpeg.begin(), jpeg.begin() + jpeg.size() / 2)},
        {"truncated BMP", std::vector<uint8_t>(bmp.begin(), bmp.begin() + 30)},
        {"truncated GIF", std::vector<uint8_t>(gif.begin(), gif.begin() + 20)},
        {"CMYK JPEG", ReadBytes(Fixture("cmyk.jpg"))},
        {"20000 wide", ReadBytes(Fixture("huge.png"))},
    };
    // A corrupted PNG data chunk: one byte flipped inside IDAT.
    std::vector<uint8_t> corrupt = png;
    corrupt[corrupt.size() - 20] ^= 0xFF;
    cases.push_back({"corrupt PNG", corrupt});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CreateImageFromFileData(c.bytes.data(), c.bytes.size()), nullptr);
        EXPECT_EQ(Harness::LiveObjects(), 0u);
    }
}

TEST_F(ImageIOTest, LimitsAreCheckedBeforeAllocating)
{
#if !defined(VELTIS_ALLOCATION_HOOKS)
    GTEST_SKIP() << "allocations are watched through the address sanitizer";
#else
    ASSERT_TRUE(kHooksInstalled);
    // Headers that promise more than 2^26 pixels, or more than 16384 on a side, with no data behind
    // them: refused at the header, before any pixel memory.
    struct Case {
        std::string name;
        std::vector<uint8_t> bytes;
    };
    std::vector<Case> cases;
    std::vector<uint8_t> png = ReadBytes(Fixture("rgb.png"));
    for (uint32_t width : {16385u, 1u, 16384u, 8193u, 0x7FFFFFFFu}) {
        uint32_t height = width == 1 ? 16385 : width == 16385 ? 1 : width;
        std::vector<uint8_t> bytes = png;
        SetPngHeaderSize(bytes, width, height);
        cases.push_back({"PNG " + std::to_string(width) + " x " + std::to_string(height), bytes});
    }
    std::vector<uint8_t> bmp = ReadBytes(Fixture("rgb.bmp"));
    for (size_t offset : {18u, 22u}) {
        bmp[offset] = 0x20;
        bmp[offset + 1] = 0x4E;
    }
    cases.push_back({"BMP 20000 x 20000", bmp});
    std::vector<uint8_t> jpeg = ReadBytes(Fixture("rgb.jpg"));
    for (size_t i = 0; i + 8 < jpeg.size(); ++i)
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
            // Start of frame: height and width, 20000 each.
            jpeg[i + 5] = jpeg[i + 7] = 0x4E;
            jpeg[i + 6] = jpeg[i + 8] = 0x20;
            break;
        }
    cases.push_back({"JPEG 20000 x 20000", jpeg});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CGImageRef image = nullptr;
        EXPECT_LT(LargestAllocationDecoding(c.bytes, image), size_t(1) << 20);
        EXPECT_EQ(image, nullptr);
    }
    // The watch itself sees a picture's pixels.
    CGImageRef image = nullptr;
    EXPECT_GE(LargestAllocationDecoding(ReadBytes(Fixture("rgb.jpg")), image), size_t(4 * 4 * 3));
    CGImageRelease(image);
#endif
}

// The fixtures cut after their header, or halfway through their pixel data; optionally with a header
// that declares 16384 x 4096 pixels.
struct STruncatedImage {
    std::string name;
    std::vector<uint8_t> bytes;
};

std::vector<STruncatedImage> TruncatedImages()
{
    struct Format {
        const char* name;
        const char* file;
        size_t header;    // bytes before the pixel data
        size_t data;      // bytes of pixel data
        void (*declareLarge)(std::vector<uint8_t>&);
    };
    const Format kFormats[] = {
        {"BMP", "rgb.bmp", 54, 16,
         [](std::vector<uint8_t>& bytes) {
             const uint8_t width[] = {0x00, 0x40, 0, 0}, height[] = {0x00, 0x10, 0, 0};
             std::copy(width, width + 4, bytes.begin() + 18);
             std::copy(height, height + 4, bytes.begin() + 22);
         }},
        // Up to the end of the scan header; the entropy-coded data, then the end marker.
        {"JPEG", "rgb.jpg", 623, 9,
         [](std::vector<uint8_t>& bytes) {
             // The frame header at 158: marker, length, precision, height, width.
             const uint8_t size[] = {0x10, 0x00, 0x40, 0x00};
             std::copy(size, size + 4, bytes.begin() + 158 + 5);
         }},
        // Signature and header chunk; the data chunk's length, type and data.
        {"PNG", "rgb.png", 33, 8 + 18, [](std::vector<uint8_t>& bytes) { SetPngHeaderSize(bytes, 16384, 4096); }},
    };
    std::vector<STruncatedImage> images;
    for (const Format& f : kFormats) {
        const std::vector<uint8_t> whole = ReadBytes(Fixture(f.file));
        for (bool large : {false, true}) {
            std::vector<uint8_t> bytes = whole;
            if (large)
                f.declareLarge(bytes);
            const std::string size = large ? ", 16384 x 4096" : "";
            images.push_back({std::string(f.name) + " header only" + size,
                              std::vector<uint8_t>(bytes.begin(), bytes.begin() + f.header)});
            images.push_back({std::string(f.name) + " half the data" + size,
                              std::vector<uint8_t>(bytes.begin(), bytes.begin() + f.header + f.data / 2)});
        }
    }
    return images;
}

TEST_F(ImageIOTest, FilesCutShortGiveNoImage)
{
    for (const STruncatedImage& image : TruncatedImages()) {
        SCOPED_TRACE(image.name);
        EXPECT_EQ(CreateImageFromFileData(image.bytes.data(), image.bytes.size()), nullptr);
        EXPECT_EQ(Harness::LiveObjects(), 0u);
    }
#if defined(VELTIS_ALLOCATION_HOOKS)
    // A BMP is measured against its header before any pixel memory is taken.
    for (const STruncatedImage& image : TruncatedImages()) {
        if (image.name.compare(0, 3, "BMP") != 0)
            continue;
        SCOPED_TRACE(image.name);
        CGImageRef decoded = nullptr;
        EXPECT_LT(LargestAllocationDecoding(image.bytes, decoded), size_t(1) << 20);
        EXPECT_EQ(decoded, nullptr);
    }
#endif
}

// A GIF's logical screen may be far larger than its frames: it decodes to the screen, which is what
// the limits are checked against.
TEST_F(ImageIOTest, AGifDecodesToItsLogicalScreenWithinTheLimits)
{
    const std::vector<uint8_t> gif = ReadBytes(Fixture("one.gif"));
    const auto withScreen = [&gif](uint16_t width, uint16_t height) {
        std::vector<uint8_t> bytes = gif;
        bytes[6] = uint8_t(width);
        bytes[7] = uint8_t(width >> 8);
        bytes[8] = uint8_t(height);
        bytes[9] = uint8_t(height >> 8);
        return bytes;
    };
    const std::vector<uint8_t> wide = withScreen(300, 200);
    CGImageRef image = CreateImageFromFileData(wide.data(), wide.size());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(CGImageGetWidth(image), 300u);
    EXPECT_EQ(CGImageGetHeight(image), 200u);
    EXPECT_EQ(CGImageGetBitsPerPixel(image), 32u);
    EXPECT_EQ(DrawnPixels(image)[0], 0xFFFF0000u);
    CGImageRelease(image);

    struct Case { const char* name; std::vector<uint8_t> bytes; };
    const Case kBeyond[] = {{"16385 x 1", withScreen(16385, 1)}, {"8193 x 8193", withScreen(8193, 8193)}};
    for (const Case& c : kBeyond) {
        SCOPED_TRACE(c.name);
        const std::vector<uint8_t>& bytes = c.bytes;
#if defined(VELTIS_ALLOCATION_HOOKS)
        CGImageRef decoded = nullptr;
        EXPECT_LT(LargestAllocationDecoding(bytes, decoded), size_t(1) << 20);
        EXPECT_EQ(decoded, nullptr);
#else
        EXPECT_EQ(CreateImageFromFileData(bytes.data(), bytes.size()), nullptr);
#endif
    }
    EXPECT_EQ(Harness::LiveObjects(), 0u);
}

TEST_F(ImageIOTest, OnlyReadableRegularFilesMakeASource)
{
    char folder[] = "/tmp/veltis-imageio-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    std::string fifo = std::string(folder) + "/pipe.png";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (std::string path : {Fixture("missing.png"), fifo, std::string(folder), std::string("/dev/zero")}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(LoadThroughSource(path), nullptr);
    }
    unlink(fifo.c_str());
    rmdir(folder);
    EXPECT_EQ(Harness::LiveObjects(), 0u);
}

TEST_F(ImageIOTest, TheImageOwnsItsPixels)
{
    std::vector<uint8_t> bytes = ReadBytes(Fixture("rgba.png"));
    CGImageRef image = CreateImageFromFileData(bytes.data(), bytes.size());
    ASSERT_NE(image, nullptr);
    bytes.assign(bytes.size(), 0);
    CGImageRef part = CGImageCreateWithImageInRect(image, CGRectMake(0, 1, 1, 1));
    CGImageRelease(image);
    EXPECT_EQ(DrawnPixels(part), std::vector<uint32_t>{0xFF010203});
    CGImageRelease(part);
    EXPECT_EQ(Harness::LiveObjects(), 0u);
}

TEST_F(ImageIOTest, NullArgumentsAreReported)
{
    RecordedReports reports;
    EXPECT_EQ(CGImageSourceCreateWithURL(nullptr, nullptr), nullptr);
    EXPECT_EQ(CGImageSourceCreateImageAtIndex(nullptr, 0, nullptr), nullptr);
    EXPECT_EQ(CreateImageFromFileData(nullptr, 10), nullptr);
    EXPECT_EQ(reports.Take().size(), 2u);
}

} // namespace
} // namespace VeltisTest
