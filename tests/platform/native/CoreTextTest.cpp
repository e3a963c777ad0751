#include "Native/CoreText.h"

#include "Native/CoreFoundation.h"
#include "Native/Harness.h"
#include "support/NativeBitmap.h"
#include "support/NativeFonts.h"
#include "support/NativeTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace Native;

namespace VeltisTest {
namespace {

class CoreTextTest : public NativeTest {};

CFStringRef MakeString(const char* text)
{
    return CFStringCreateWithCString(nullptr, text, kCFStringEncodingUTF8);
}

CTFontRef MakeFont(const char* name, CGFloat size)
{
    CFStringRef string = MakeString(name);
    CTFontRef font = CTFontCreateWithName(string, size, nullptr);
    CFRelease(string);
    return font;
}

std::string BaseName(const std::string& path)
{
    return path.substr(path.find_last_of('/') + 1);
}

struct LineStyle {
    CTFontRef font = nullptr;
    CGColorRef color = nullptr;
    int underline = -1;
};

CTLineRef MakeLine(const char* text, const LineStyle& style = {})
{
    std::vector<CFTypeRef> keys;
    std::vector<CFTypeRef> values;
    CFNumberRef underline = nullptr;
    if (style.font) {
        keys.push_back(kCTFontAttributeName);
        values.push_back(style.font);
    }
    if (style.color) {
        keys.push_back(kCTForegroundColorAttributeName);
        values.push_back(style.color);
    }
    if (style.underline >= 0) {
        underline = CFNumberCreate(nullptr, kCFNumberIntType, &style.underline);
        keys.push_back(kCTUnderlineStyleAttributeName);
        values.push_back(underline);
    }
    CFDictionaryRef attributes = CFDictionaryCreate(nullptr, keys.data(), values.data(), CFIndex(keys.size()),
                                                    &kCFTypeDictionaryKeyCallBacks, &kCFTypeDictionaryValueCallBacks);
    CFStringRef string = MakeString(text);
    CFAttributedStringRef attributed = CFAttributedStringCreate(nullptr, string, attributes);
    CTLineRef line = CTLineCreateWithAttributedString(attributed);
    CFRelease(attributed);
    CFRelease(string);
    CFRelease(attributes);
    if (underline)
        CFRelease(underline);
    return line;
}

CGColorRef MakeColor(CGFloat r, CGFloat g, CGFloat b)
{
    CGColorSpaceRef space = CGColorSpaceCreateDeviceRGB();
    const CGFloat components[] = {r, g, b, 1};
    CGColorRef color = CGColorCreate(space, components);
    CGColorSpaceRelease(space);
    return color;
}

struct Bounds {
    double width = 0;
    CGFloat ascent = 0;
    CGFloat descent = 0;
    CGFloat leading = -1;
};

Bounds BoundsOf(CTLineRef line)
{
    Bounds b;
    b.width = CTLineGetTypographicBounds(line, &b.ascent, &b.descent, &b.leading);
    return b;
}

// Where the ink of a 32-bit bitmap lies: rows and columns with any alpha, and the alpha sum per row.
struct Ink {
    int top = -1;
    int bottom = -1;
    int left = -1;
    int right = -1;
    std::vector<long> rowAlpha;
};

Ink FindInk(const NativeBitmap& bitmap, int width, int height)
{
    Ink ink;
    ink.rowAlpha.assign(size_t(height), 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint32_t alpha = bitmap.At(size_t(x), size_t(y)) >> 24;
            if (!alpha)
                continue;
            ink.rowAlpha[size_t(y)] += alpha;
            ink.top = ink.top < 0 ? y : std::min(ink.top, y);
            ink.bottom = std::max(ink.bottom, y);
            ink.left = ink.left < 0 ? x : std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
        }
    return ink;
}

constexpr int kWidth = 80;
constexpr int kHeight = 32;

// Top-down user space and text matrix (1, 0, 0, -1), as the framework's surfaces draw.
void TurnTopDown(CGContextRef context)
{
    CGContextTranslateCTM(context, 0, kHeight);
    CGContextScaleCTM(context, 1, -1);
    CGContextSetTextMatrix(context, CGAffineTransformMake(1, 0, 0, -1, 0, 0));
}

TEST_F(CoreTextTest, RequestedNamesMapToDejaVuFamiliesAndTraits)
{
    struct Case {
        const char* name;
        const char* family;
        CTFontSymbolicTraits traits;
    };
    const Case kCases[] = {
        {"Lucida Grande", "DejaVu Sans", 0},
        {"Helvetica", "DejaVu Sans", 0},
        {"Courier New", "DejaVu Sans Mono", 0},
        {"Consolas Bold", "DejaVu Sans Mono", kCTFontBoldTrait},
        {"DejaVu Sans Mono", "DejaVu Sans Mono", 0},
        {"Microsoft Sans Serif", "DejaVu Sans", 0},
        {"Times New Roman", "DejaVu Serif", 0},
        {"GEORGIA ITALIC", "DejaVu Serif", kCTFontItalicTrait},
        {"Arial Bold Oblique", "DejaVu Sans", kCTFontBoldTrait | kCTFontItalicTrait},
        {"", "DejaVu Sans", 0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        CTFontRef font = MakeFont(c.name, 12);
        ASSERT_NE(font, nullptr);
        EXPECT_EQ(FamilyOf(font), c.family);
        EXPECT_EQ(CTFontGetSymbolicTraits(font), c.traits);
        EXPECT_EQ(BaseName(Harness::FontFilePath(font)).rfind("DejaVu", 0), 0u) << Harness::FontFilePath(font);
        CFRelease(font);
    }
}

TEST_F(CoreTextTest, SizesAndTheInterfaceFont)
{
    CTFontRef lucida = MakeFont("Lucida Grande", 12);
    EXPECT_EQ(FamilyOf(lucida), "DejaVu Sans");
    EXPECT_EQ(CTFontGetSize(lucida), 12);
    CTFontRef zero = MakeFont("Lucida Grande", 0);
    EXPECT_EQ(CTFontGetSize(zero), 12);
    CTFontRef negative = MakeFont("Lucida Grande", -3);
    EXPECT_EQ(CTFontGetSize(negative), 12);
    CTFontRef ui = CTFontCreateUIFontForLanguage(kCTFontSystemFontType, 0, nullptr);
    ASSERT_NE(ui, nullptr);
    EXPECT_EQ(FamilyOf(ui), "DejaVu Sans");
    EXPECT_EQ(CTFontGetSize(ui), 13);
    EXPECT_EQ(CTFontGetSymbolicTraits(ui), 0u);
    for (CTFontRef font : {lucida, zero, negative, ui})
        CFRelease(font);
}

TEST_F(CoreTextTest, BoldAndItalicCopiesAreTheirOwnFacesForEveryFamily)
{
    for (const char* family : {"DejaVu Sans", "DejaVu Sans Mono", "DejaVu Serif"}) {
        SCOPED_TRACE(family);
        CTFontRef plain = MakeFont(family, 14);
        ASSERT_NE(plain, nullptr);
        std::vector<std::string> files{std::string(Harness::FontFilePath(plain))};
        for (CTFontSymbolicTraits traits : {kCTFontBoldTrait, kCTFontItalicTrait, kCTFontBoldTrait | kCTFontItalicTrait}) {
            CTFontRef copy = CTFontCreateCopyWithSymbolicTraits(plain, 0, nullptr, traits, traits);
            ASSERT_NE(copy, nullptr) << traits;
            EXPECT_EQ(FamilyOf(copy), family);
            EXPECT_EQ(CTFontGetSize(copy), 14);
            EXPECT_EQ(CTFontGetSymbolicTraits(copy), traits);
            files.push_back(Harness::FontFilePath(copy));
            // The traits outside the mask stay as they were.
            CTFontRef back = CTFontCreateCopyWithSymbolicTraits(copy, 0, nullptr, 0, kCTFontBoldTrait);
            EXPECT_EQ(CTFontGetSymbolicTraits(back), traits & kCTFontItalicTrait);
            CFRelease(back);
            CFRelease(copy);
        }
        std::sort(files.begin(), files.end());
        EXPECT_EQ(std::unique(files.begin(), files.end()), files.end()) << "four faces, four files";
        for (const std::string& file : files)
            EXPECT_EQ(BaseName(file).find("Condensed"), std::string::npos) << file;
        CFRelease(plain);
    }
}

TEST_F(CoreTextTest, AHiddenFaceMakesItsCopyNullUntilReset)
{
    CTFontRef plain = MakeFont("DejaVu Serif", 12);
    Harness::HideFontFace("DejaVu Serif", true, false);
    EXPECT_EQ(CTFontCreateCopyWithSymbolicTraits(plain, 0, nullptr, kCTFontBoldTrait, kCTFontBoldTrait), nullptr);
    EXPECT_EQ(MakeFont("Times Bold", 12), nullptr);
    CTFontRef italic = CTFontCreateCopyWithSymbolicTraits(plain, 0, nullptr, kCTFontItalicTrait, kCTFontItalicTrait);
    EXPECT_NE(italic, nullptr);
    CFRelease(italic);
    CFRelease(plain);
    Harness::CheckClean();
    Harness::Reset();
    CTFontRef bold = MakeFont("Times Bold", 12);
    EXPECT_NE(bold, nullptr);
    CFRelease(bold);
}

TEST_F(CoreTextTest, AFamilyNameReadBackRecreatesTheSameFace)
{
    for (const char* name : {"Lucida Grande", "Courier", "Times"}) {
        SCOPED_TRACE(name);
        CTFontRef font = MakeFont(name, 12);
        CTFontRef again = MakeFont(FamilyOf(font).c_str(), 12);
        EXPECT_EQ(Harness::FontFilePath(again), Harness::FontFilePath(font));
        CFRelease(again);
        CFRelease(font);
    }
}

TEST_F(CoreTextTest, TypographicBoundsHaveFractionalAdvancesAndTheFontsMetrics)
{
    CTFontRef font = MakeFont("Lucida Grande", 13);
    CTLineRef hello = MakeLine("Hello", {font});
    CTLineRef hell = MakeLine("Hell", {font});
    Bounds b = BoundsOf(hello);
    EXPECT_GT(b.width, BoundsOf(hell).width);
    EXPECT_NE(b.width, std::floor(b.width)) << "advances are not rounded";
    EXPECT_GT(b.ascent + b.descent, 1.1 * 13);
    EXPECT_LT(b.ascent + b.descent, 1.3 * 13);
    EXPECT_EQ(b.leading, 0);
    EXPECT_EQ(b.ascent, CTFontGetAscent(font));
    EXPECT_EQ(b.descent, CTFontGetDescent(font));

    CGRect image = CTLineGetImageBounds(hello, nullptr);
    EXPECT_GT(image.size.width, 0);
    EXPECT_GE(image.origin.x, 0);
    EXPECT_LE(image.origin.x + image.size.width, b.width);
    EXPECT_GE(image.origin.y, -b.descent);
    EXPECT_LE(image.origin.y + image.size.height, b.ascent);
    EXPECT_GT(image.origin.y + image.size.height, 0.5 * b.ascent);

    // Twice the size, twice the advance: no hinting.
    CTFontRef twice = MakeFont("Lucida Grande", 26);
    CTLineRef big = MakeLine("Hello", {twice});
    EXPECT_NEAR(BoundsOf(big).width, 2 * b.width, 1e-6);
    for (CFTypeRef object : {CFTypeRef(hello), CFTypeRef(hell), CFTypeRef(big), CFTypeRef(font), CFTypeRef(twice)})
        CFRelease(object);
}

TEST_F(CoreTextTest, EmptyLinesAndLinesWithoutAFont)
{
    CTLineRef empty = MakeLine("");
    Bounds e = BoundsOf(empty);
    EXPECT_EQ(e.width, 0);
    EXPECT_EQ(e.ascent, 0);
    EXPECT_EQ(e.descent, 0);
    CGRect image = CTLineGetImageBounds(empty, nullptr);
    EXPECT_EQ(image.size.width, 0);
    EXPECT_EQ(image.size.height, 0);
    // Spaces advance but leave no ink.
    CTLineRef spaces = MakeLine("   ");
    EXPECT_GT(BoundsOf(spaces).width, 0);
    EXPECT_EQ(CTLineGetImageBounds(spaces, nullptr).size.width, 0);

    CTLineRef plain = MakeLine("Abc");
    CTFontRef sans = MakeFont("DejaVu Sans", 12);
    CTLineRef explicitFont = MakeLine("Abc", {sans});
    EXPECT_EQ(BoundsOf(plain).width, BoundsOf(explicitFont).width) << "no font attribute gives DejaVu Sans 12";
    for (CFTypeRef object : {CFTypeRef(empty), CFTypeRef(spaces), CFTypeRef(plain), CFTypeRef(explicitFont), CFTypeRef(sans)})
        CFRelease(object);
}

TEST_F(CoreTextTest, FlippedTextMatrixDrawsUprightTextAboveTheBaseline)
{
    NativeBitmap bitmap(32, kWidth, kHeight);
    TurnTopDown(bitmap.Context());
    CGContextSetTextPosition(bitmap.Context(), 2, 20);
    CTFontRef font = MakeFont("Lucida Grande", 13);
    CTLineRef line = MakeLine("Hg", {font});
    Bounds b = BoundsOf(line);
    CTLineDraw(line, bitmap.Context());

    Ink ink = FindInk(bitmap, kWidth, kHeight);
    ASSERT_GE(ink.top, 0);
    EXPECT_GE(ink.top, 20 - b.ascent - 1);
    EXPECT_LE(ink.bottom, 20 + b.descent + 1);
    EXPECT_GT(ink.bottom, 20) << "the g descends";
    long above = 0;
    long below = 0;
    for (int y = 0; y < kHeight; ++y)
        (y < 20 ? above : below) += ink.rowAlpha[size_t(y)];
    EXPECT_GT(above, 3 * below);
    EXPECT_GE(ink.left, 2);
    EXPECT_LE(ink.right, 2 + std::ceil(b.width) + 1);
    CFRelease(line);
    CFRelease(font);
}

TEST_F(CoreTextTest, IdentityMatrixInAnUnflippedContextDrawsAboveTheBaselineYUp)
{
    NativeBitmap bitmap(32, kWidth, kHeight);
    // Baseline 10 above the bottom: memory row kHeight - 10.
    CGContextSetTextPosition(bitmap.Context(), 2, 10);
    CTLineRef line = MakeLine("Hg");
    CTLineDraw(line, bitmap.Context());
    Ink ink = FindInk(bitmap, kWidth, kHeight);
    long above = 0;
    long below = 0;
    for (int y = 0; y < kHeight; ++y)
        (y < kHeight - 10 ? above : below) += ink.rowAlpha[size_t(y)];
    EXPECT_GT(above, 3 * below);
    EXPECT_GT(below, 0);
    CFRelease(line);
}

TEST_F(CoreTextTest, ColourAlphaAndAntiAliasing)
{
    CGColorRef red = MakeColor(1, 0, 0);
    CTLineRef line = MakeLine("Hello", {nullptr, red});
    struct Case {
        const char* name;
        bool antialias;
        CGFloat alpha;
    };
    const Case kCases[] = {{"smooth", true, 1}, {"aliased", false, 1}, {"half", false, 0.5}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        NativeBitmap bitmap(32, kWidth, kHeight);
        TurnTopDown(bitmap.Context());
        CGContextSetShouldAntialias(bitmap.Context(), c.antialias);
        CGContextSetAlpha(bitmap.Context(), c.alpha);
        CGContextSetTextPosition(bitmap.Context(), 2, 20);
        CTLineDraw(line, bitmap.Context());
        bool partial = false;
        uint32_t maxAlpha = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                uint32_t word = bitmap.At(size_t(x), size_t(y));
                EXPECT_EQ(word & 0xFFFF, 0u) << "green and blue stay 0";
                uint32_t alpha = word >> 24;
                maxAlpha = std::max(maxAlpha, alpha);
                partial |= alpha != 0 && alpha != maxAlpha && alpha != 255;
            }
        if (!c.antialias) {
            EXPECT_NEAR(int(maxAlpha), int(std::lround(255 * c.alpha)), 1);
            EXPECT_FALSE(partial) << "aliased text has no partial coverage";
        } else {
            EXPECT_GT(maxAlpha, 200u);
            EXPECT_TRUE(partial);
        }
    }
    CFRelease(line);
    CGColorRelease(red);
}

TEST_F(CoreTextTest, UnderlineInksARowBelowTheBaselineOverTheAdvance)
{
    CTFontRef font = MakeFont("DejaVu Sans", 13);
    Bounds b;
    // Columns whose ink below the baseline adds up to at least half a pixel.
    int columns[2] = {0, 0};
    for (int underline : {0, 1}) {
        NativeBitmap bitmap(32, kWidth, kHeight);
        TurnTopDown(bitmap.Context());
        CGContextSetTextPosition(bitmap.Context(), 2, 20);
        CTLineRef line = MakeLine("nnnn", {font, nullptr, underline});
        b = BoundsOf(line);
        CTLineDraw(line, bitmap.Context());
        CFRelease(line);
        for (int x = 0; x < kWidth; ++x) {
            long alpha = 0;
            for (int y = 20; y < kHeight; ++y)
                alpha += bitmap.At(size_t(x), size_t(y)) >> 24;
            columns[underline] += alpha >= 128;
        }
    }
    EXPECT_EQ(columns[0], 0) << "\"n\" has no descender";
    EXPECT_GT(columns[1], 0.8 * b.width);
    EXPECT_LE(columns[1], b.width + 2);
    CFRelease(font);
}

TEST_F(CoreTextTest, NullArgumentsAreReported)
{
    RecordedReports reports;
    EXPECT_EQ(CTFontCreateWithName(nullptr, 12, nullptr), nullptr);
    EXPECT_EQ(CTFontGetSize(nullptr), 0);
    EXPECT_EQ(CTLineCreateWithAttributedString(nullptr), nullptr);
    EXPECT_EQ(CTLineGetTypographicBounds(nullptr, nullptr, nullptr, nullptr), 0);
    CTLineRef line = MakeLine("x");
    CTLineDraw(line, nullptr);
    CFRelease(line);
    EXPECT_EQ(reports.Take().size(), 5u);
}

} // namespace
} // namespace VeltisTest
