#include "Veltis/Graphics/ImageFileLoader.h"

#include "Native/CoreFoundation.h"
#include "Native/CoreGraphics.h"
#include "Native/Harness.h"
#include "support/CAllocationCounter.h"
#include "support/CTemporaryFolder.h"
#include "support/NativeBitmap.h"
#include "support/NativeTest.h"
#include "support/PngWriter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <dirent.h>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <vector>

using namespace Veltis::Graphics;

namespace VeltisTest {
namespace {

class ImageFileLoaderTest : public NativeTest {
protected:
    CTemporaryFolder folder;

    std::string Write(const std::string& name, const PngPicture& picture)
    {
        std::string path = folder.Join(name);
        EXPECT_TRUE(WritePngFile(path, picture));
        return path;
    }

    // A picture, the flag and the premultiplied words its load must give.
    struct Case {
        const char* name;
        PngPicture picture;
        bool hasAlpha;
        std::vector<uint32_t> words;
    };
    void ExpectLoads(const std::vector<Case>& cases);
};

// What a PNG load gave: the premultiplied words of the bitmap, top row first, and the flag.
struct Decoded {
    bool loaded = false;
    bool hasAlpha = true;
    std::vector<uint32_t> words;
};

// Takes the context: its pixels are deleted, then it is released.
Decoded Take(Native::CGContextRef context, bool hasAlpha)
{
    Decoded decoded;
    decoded.hasAlpha = hasAlpha;
    if (!context)
        return decoded;
    decoded.loaded = true;
    EXPECT_EQ(Native::CGBitmapContextGetBitsPerPixel(context), 32u);
    size_t count = Native::CGBitmapContextGetWidth(context) * Native::CGBitmapContextGetHeight(context);
    uint8_t* pixels = static_cast<uint8_t*>(Native::CGBitmapContextGetData(context));
    decoded.words.resize(count);
    std::memcpy(decoded.words.data(), pixels, count * 4);
    delete[] pixels;
    Native::CFRelease(context);
    return decoded;
}

Decoded LoadPng(const std::string& path)
{
    bool hasAlpha = true;
    Native::CGContextRef context = LoadPNGBitmap(path.c_str(), &hasAlpha);
    return Take(context, hasAlpha);
}

PngPicture Rgba(std::vector<uint8_t> samples, uint32_t width = 1, uint32_t height = 1)
{
    PngPicture picture;
    picture.width = width;
    picture.height = height;
    picture.samples = std::move(samples);
    return picture;
}

// Open descriptors of the process.
size_t OpenFiles()
{
    size_t count = 0;
    if (DIR* folder = opendir("/proc/self/fd")) {
        while (readdir(folder))
            ++count;
        closedir(folder);
    }
    return count;
}

std::string Fixture(const char* name)
{
    return std::string(VELTIS_TEST_IMAGES) + "/" + name;
}

void ImageFileLoaderTest::ExpectLoads(const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Decoded decoded = LoadPng(Write(std::string(c.name) + ".png", c.picture));
        ASSERT_TRUE(decoded.loaded);
        EXPECT_EQ(decoded.hasAlpha, c.hasAlpha);
        EXPECT_EQ(decoded.words, c.words);
    }
}

TEST_F(ImageFileLoaderTest, PixelsArePremultipliedWordsWithTruncatedQuotients)
{
    // Samples R, G, B, A per pixel; words A << 24 | R·A/255 << 16 | G·A/255 << 8 | B·A/255.
    Decoded decoded = LoadPng(Write("premultiplied.png", Rgba({200, 100, 50, 128, 9, 99, 199, 0, 10, 20, 30, 255,
                                                               255, 255, 255, 1},
                                                              2, 2)));
    ASSERT_TRUE(decoded.loaded);
    EXPECT_TRUE(decoded.hasAlpha);
    EXPECT_EQ(decoded.words, (std::vector<uint32_t>{0x80643219, 0, 0xFF0A141E, 0x01010101}));
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(decoded.words.data());
    EXPECT_EQ(std::vector<uint8_t>(bytes, bytes + 4), (std::vector<uint8_t>{25, 50, 100, 128}));
}

TEST_F(ImageFileLoaderTest, TheFlagTellsWhetherOnePixelIsNotOpaque)
{
    PngPicture rgb;
    rgb.colorType = PNG_COLOR_TYPE_RGB;
    rgb.width = 2;
    rgb.samples = {1, 2, 3, 4, 5, 6};
    ExpectLoads({
        {"rgb", rgb, false, {0xFF010203, 0xFF040506}},
        {"opaque rgba", Rgba({1, 2, 3, 255, 4, 5, 6, 255}, 2), false, {0xFF010203, 0xFF040506}},
        {"one pixel at 254", Rgba({1, 2, 3, 255, 255, 255, 255, 254}, 2), true, {0xFF010203, 0xFEFEFEFE}},
    });
}

TEST_F(ImageFileLoaderTest, EveryColourTypeAndDepthLoadsInOneLayout)
{
    // Each picture is 2 x 1: a half-transparent or opaque light pixel, then a dark one.
    auto make = [](int colorType, int bitDepth, std::vector<uint8_t> samples) {
        PngPicture picture;
        picture.width = 2;
        picture.colorType = colorType;
        picture.bitDepth = bitDepth;
        picture.samples = std::move(samples);
        return picture;
    };
    PngPicture palette = make(PNG_COLOR_TYPE_PALETTE, 8, {1, 0});
    palette.palette = {10, 20, 30, 200, 100, 50};
    PngPicture paletteAlpha = palette;
    paletteAlpha.paletteAlpha = {255, 128};
    PngPicture palette2 = make(PNG_COLOR_TYPE_PALETTE, 2, {0x40});
    palette2.palette = palette.palette;
    PngPicture rgbKey = make(PNG_COLOR_TYPE_RGB, 8, {200, 100, 50, 10, 20, 30});
    rgbKey.transparentColor = {10, 20, 30};
    PngPicture greyKey = make(PNG_COLOR_TYPE_GRAY, 8, {200, 7});
    greyKey.transparentColor = {7};
    PngPicture interlaced = Rgba({200, 100, 50, 128, 10, 20, 30, 255, 1, 2, 3, 0, 40, 50, 60, 255}, 2, 2);
    interlaced.interlaced = true;
    ExpectLoads({
        {"rgba 16-bit", make(PNG_COLOR_TYPE_RGB_ALPHA, 16, {200, 1, 100, 2, 50, 3, 128, 4, 10, 0, 20, 0, 30, 0, 255, 255}),
         true, {0x80643219, 0xFF0A141E}},
        {"rgb 16-bit", make(PNG_COLOR_TYPE_RGB, 16, {200, 9, 100, 9, 50, 9, 10, 0, 20, 0, 30, 0}), false,
         {0xFFC86432, 0xFF0A141E}},
        {"grey", make(PNG_COLOR_TYPE_GRAY, 8, {200, 7}), false, {0xFFC8C8C8, 0xFF070707}},
        {"grey 1-bit", make(PNG_COLOR_TYPE_GRAY, 1, {0x80}), false, {0xFFFFFFFF, 0xFF000000}},
        {"grey 16-bit", make(PNG_COLOR_TYPE_GRAY, 16, {200, 200, 7, 7}), false, {0xFFC8C8C8, 0xFF070707}},
        {"grey with alpha", make(PNG_COLOR_TYPE_GRAY_ALPHA, 8, {200, 128, 7, 255}), true, {0x80646464, 0xFF070707}},
        {"grey with a transparent key", greyKey, true, {0xFFC8C8C8, 0}},
        {"palette", palette, false, {0xFFC86432, 0xFF0A141E}},
        {"palette with alpha", paletteAlpha, true, {0x80643219, 0xFF0A141E}},
        {"palette 2-bit", palette2, false, {0xFFC86432, 0xFF0A141E}},
        {"rgb with a transparent key", rgbKey, true, {0xFFC86432, 0}},
        {"interlaced", interlaced, true, {0x80643219, 0xFF0A141E, 0, 0xFF28323C}},
    });
}

TEST_F(ImageFileLoaderTest, FilesThatDoNotLoadGiveNullCloseTheFileAndLeaveNothing)
{
    std::vector<uint8_t> whole = PngBytes(Rgba(std::vector<uint8_t>(16 * 16 * 4, 77), 16, 16));
    ASSERT_GT(whole.size(), 60u);
    std::string truncated = folder.Join("truncated.png");
    std::ofstream(truncated, std::ios::binary).write(reinterpret_cast<const char*>(whole.data()),
                                                     std::streamsize(whole.size() - 30));
    std::string text = folder.Join("text.png");
    std::ofstream(text) << "not a picture";
    std::string fifo = folder.Join("pipe.png");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    size_t open = OpenFiles();
    for (const std::string& path :
         {truncated, text, folder.Join("missing.png"), fifo, folder.GetPath(), std::string("/dev/zero")}) {
        SCOPED_TRACE(path);
        Decoded decoded = LoadPng(path);
        EXPECT_FALSE(decoded.loaded);
        EXPECT_FALSE(decoded.hasAlpha);
        EXPECT_EQ(OpenFiles(), open);
        EXPECT_EQ(Native::Harness::LiveObjects(), 0u);
    }
    EXPECT_EQ(LoadPNGBitmap(nullptr, nullptr), nullptr);
    EXPECT_EQ(ReadPNGBitmap(nullptr, nullptr), nullptr);
}

TEST_F(ImageFileLoaderTest, HeadersBeyondTheLimitsAreRefusedBeforeThePixelsAreAllocated)
{
    struct Case {
        uint32_t width;
        uint32_t height;
    };
    const Case cases[] = {{20000, 1}, {1, 20000}, {9000, 9000}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        // A header with no pixel data behind it: only the limits can refuse it before libpng fails.
        std::vector<uint8_t> bytes = PngBytes(Rgba(std::vector<uint8_t>(4, 0)));
        SetPngHeaderSize(bytes, c.width, c.height);
        std::FILE* file = fmemopen(bytes.data(), bytes.size(), "rb");
        ASSERT_NE(file, nullptr);
        bool hasAlpha = true;
        Native::CGContextRef context = nullptr;
        size_t largest = 0;
        {
            CAllocationCounter counter;
            context = ReadPNGBitmap(file, &hasAlpha);
            largest = counter.GetLargest();
        }
        std::fclose(file);
        EXPECT_EQ(context, nullptr);
        EXPECT_FALSE(hasAlpha);
        EXPECT_LT(largest, size_t(1) << 16);
    }
}

TEST_F(ImageFileLoaderTest, TheExtensionChoosesTheRoad)
{
    // An opaque RGBA picture: libpng's road finds every pixel opaque, the decoder's reports any 32-bit
    // picture as transparent.
    std::vector<uint8_t> bytes = PngBytes(Rgba({10, 20, 30, 255}));
    struct Case {
        const char* name;
        bool hasAlpha;
    };
    const Case cases[] = {{"upper.PNG", false}, {"mixed.Png", false}, {"plain.png", false},
                          {"named.jpg", true},  {"dotless", true},    {"dot.png.d/inside", true}};
    mkdir(folder.Join("dot.png.d").c_str(), 0700);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = folder.Join(c.name);
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                    std::streamsize(bytes.size()));
        bool hasAlpha = !c.hasAlpha;
        Native::CGImageRef image = LoadImageFile(path.c_str(), &hasAlpha);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(hasAlpha, c.hasAlpha);
        EXPECT_EQ(Native::CGImageGetBitsPerPixel(image), 32u);
        NativeBitmap drawn(32, 1, 1);
        Native::CGContextDrawImage(drawn.Context(), Native::CGRectMake(0, 0, 1, 1), image);
        EXPECT_EQ(drawn.At(0, 0), 0xFF0A141Eu);
        Native::CGImageRelease(image);
    }
    EXPECT_EQ(Native::Harness::LiveObjects(), 0u);
}

TEST_F(ImageFileLoaderTest, TheDecoderRoadGivesOpaque32BitImagesFor24BitPictures)
{
    bool hasAlpha = true;
    Native::CGImageRef jpeg = LoadImageWithImageIO(Fixture("rgb.jpg").c_str(), &hasAlpha);
    ASSERT_NE(jpeg, nullptr);
    EXPECT_FALSE(hasAlpha);
    EXPECT_EQ(Native::CGImageGetBitsPerPixel(jpeg), 32u);
    NativeBitmap drawn(32, 1, 1);
    Native::CGContextDrawImage(drawn.Context(), Native::CGRectMake(0, 0, 1, 1), jpeg);
    EXPECT_EQ(drawn.At(0, 0) >> 24, 0xFFu);
    Native::CGImageRelease(jpeg);

    Native::CGImageRef rgba = LoadImageWithImageIO(Fixture("rgba.png").c_str(), &hasAlpha);
    ASSERT_NE(rgba, nullptr);
    EXPECT_TRUE(hasAlpha);
    Native::CGImageRelease(rgba);
    EXPECT_EQ(Native::Harness::LiveObjects("CGImage"), 0u);
}

TEST_F(ImageFileLoaderTest, NothingLoadsFromMissingOrSpecialFilesOnEitherRoad)
{
    std::string fifo = folder.Join("pipe");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (std::string path : {folder.Join("missing.png"), folder.Join("missing.jpg"), fifo, folder.GetPath(),
                             std::string("/dev/zero"), std::string("/dev/zero.png")}) {
        SCOPED_TRACE(path);
        bool hasAlpha = true;
        EXPECT_EQ(LoadImageFile(path.c_str(), &hasAlpha), nullptr);
        EXPECT_FALSE(hasAlpha);
        hasAlpha = true;
        EXPECT_EQ(LoadImageWithImageIO(path.c_str(), &hasAlpha), nullptr);
        EXPECT_FALSE(hasAlpha);
    }
    // A null or empty path leaves the flag as it was.
    bool hasAlpha = true;
    EXPECT_EQ(LoadImageFile(nullptr, &hasAlpha), nullptr);
    EXPECT_EQ(LoadImageFile("", &hasAlpha), nullptr);
    EXPECT_TRUE(hasAlpha);
    EXPECT_EQ(Native::Harness::LiveObjects(), 0u);
}

} // namespace
} // namespace VeltisTest
