#include "Native/CoreFoundation.h"

#include "Native/Harness.h"
#include "support/NativeTest.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

using namespace Native;

namespace VeltisTest {
namespace {

class CoreFoundationTest : public NativeTest {};

TEST_F(CoreFoundationTest, StringsCountAndIndexUTF16Units)
{
    struct Case {
        const char* text;
        std::vector<unichar> units;
    };
    const Case kCases[] = {
        {"", {}},
        {"abc", {0x61, 0x62, 0x63}},
        {"\xC3\xA9", {0xE9}},
        {"\xE2\x82\xAC", {0x20AC}},
        {"\xF0\x9F\x8E\xB5", {0xD83C, 0xDFB5}},
        {"a\xC3\xA9\xF0\x9F\x8E\xB5!", {0x61, 0xE9, 0xD83C, 0xDFB5, 0x21}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.text);
        NSString* string = NSString::stringWithUTF8String(c.text);
        ASSERT_NE(string, nullptr);
        EXPECT_STREQ(string->UTF8String(), c.text);
        ASSERT_EQ(string->length(), c.units.size());
        for (size_t i = 0; i < c.units.size(); ++i)
            EXPECT_EQ(string->characterAtIndex(i), c.units[i]);
        CFStringRef cf = CFStringCreateWithCString(kCFAllocatorDefault, c.text, kCFStringEncodingUTF8);
        EXPECT_EQ(CFStringGetLength(cf), static_cast<CFIndex>(c.units.size()));
        EXPECT_TRUE(CFEqual(cf, string));
        CFRelease(cf);
    }
    RecordedReports reports;
    EXPECT_EQ(NSString::stringWithUTF8String("ab")->characterAtIndex(2), 0);
    EXPECT_EQ(reports.Take().size(), 1u);
}

TEST_F(CoreFoundationTest, InvalidUTF8MakesNoString)
{
    const char* const kInvalid[] = {
        "\xC3",             // truncated
        "a\x80",            // lone continuation byte
        "\xC0\xAF",         // overlong
        "\xE0\x80\xAF",     // overlong
        "\xED\xA0\x80",     // surrogate
        "\xF4\x90\x80\x80", // above U+10FFFF
        "\xFF",
        "\xE2\x82",
    };
    for (const char* text : kInvalid) {
        SCOPED_TRACE(testing::PrintToString(text));
        EXPECT_EQ(NSString::alloc()->initWithUTF8String(text), nullptr);
        EXPECT_EQ(NSString::stringWithUTF8String(text), nullptr);
        EXPECT_EQ(CFStringCreateWithCString(nullptr, text, kCFStringEncodingUTF8), nullptr);
    }
    EXPECT_EQ(NSString::alloc()->initWithUTF8String(nullptr), nullptr);
    EXPECT_EQ(Harness::LiveObjects(), 0u);
}

TEST_F(CoreFoundationTest, CStringGettersConvertOnlyWhatTheyCan)
{
    CFStringRef ascii = CFStringCreateWithCString(nullptr, "abc", kCFStringEncodingASCII);
    CFStringRef accented = CFStringCreateWithCString(nullptr, "caf\xC3\xA9", kCFStringEncodingUTF8);
    ASSERT_NE(ascii, nullptr);
    ASSERT_NE(accented, nullptr);
    EXPECT_EQ(CFStringCreateWithCString(nullptr, "caf\xC3\xA9", kCFStringEncodingASCII), nullptr);

    EXPECT_STREQ(CFStringGetCStringPtr(ascii, kCFStringEncodingASCII), "abc");
    EXPECT_STREQ(CFStringGetCStringPtr(accented, kCFStringEncodingUTF8), "caf\xC3\xA9");
    EXPECT_EQ(CFStringGetCStringPtr(accented, kCFStringEncodingASCII), nullptr);

    struct Case {
        CFStringRef string;
        CFIndex size;
        CFStringEncoding encoding;
        bool converted;
    };
    const Case kCases[] = {
        {ascii, 4, kCFStringEncodingASCII, true},
        {ascii, 3, kCFStringEncodingASCII, false},
        {ascii, 4, kCFStringEncodingUTF8, true},
        {accented, 6, kCFStringEncodingUTF8, true},
        {accented, 5, kCFStringEncodingUTF8, false},
        {accented, 64, kCFStringEncodingASCII, false},
        {accented, 0, kCFStringEncodingUTF8, false},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.string->UTF8String()) + " in " + std::to_string(c.size));
        char buffer[64];
        std::memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(CFStringGetCString(c.string, buffer, c.size, c.encoding) != 0, c.converted);
        if (c.converted) {
            EXPECT_STREQ(buffer, c.string->UTF8String());
        } else if (c.size > 0) {
            EXPECT_EQ(buffer[0], '\0');
        }
    }
    CFRelease(ascii);
    CFRelease(accented);
}

TEST_F(CoreFoundationTest, DictionaryFindsValuesThroughEqualKeysAndHoldsThem)
{
    CFStringRef cacheKey = CFStringCreateWithCString(nullptr, "kCGImageSourceShouldCache", kCFStringEncodingUTF8);
    CFStringRef rgbKey = CFStringCreateWithCString(nullptr, "kCGImageSourceShouldPreferRGB32", kCFStringEncodingUTF8);
    const int three = 3;
    CFNumberRef numberKey = CFNumberCreate(nullptr, kCFNumberIntType, &three);
    CFStringRef value = CFStringCreateWithCString(nullptr, "three", kCFStringEncodingUTF8);
    const CFTypeRef keys[] = {cacheKey, rgbKey, numberKey};
    const CFTypeRef values[] = {kCFBooleanTrue, kCFBooleanTrue, value};
    CFDictionaryRef dictionary =
        CFDictionaryCreate(kCFAllocatorDefault, keys, values, 3, &kCFTypeDictionaryKeyCallBacks,
                           &kCFTypeDictionaryValueCallBacks);
    ASSERT_NE(dictionary, nullptr);
    EXPECT_EQ(CFDictionaryGetCount(dictionary), 3);
    EXPECT_EQ(CFGetRetainCount(cacheKey), 2);
    EXPECT_EQ(CFGetRetainCount(value), 2);

    CFStringRef sameText = CFStringCreateWithCString(nullptr, "kCGImageSourceShouldPreferRGB32", kCFStringEncodingASCII);
    const double threeAsDouble = 3.0;
    CFNumberRef sameNumber = CFNumberCreate(nullptr, kCFNumberDoubleType, &threeAsDouble);
    CFStringRef other = CFStringCreateWithCString(nullptr, "kCGImageSourceShouldCach", kCFStringEncodingUTF8);
    EXPECT_EQ(CFDictionaryGetValue(dictionary, sameText), kCFBooleanTrue);
    EXPECT_EQ(CFDictionaryGetValue(dictionary, sameNumber), value);
    EXPECT_EQ(CFDictionaryGetValue(dictionary, other), nullptr);
    EXPECT_TRUE(CFBooleanGetValue(static_cast<CFBooleanRef>(CFDictionaryGetValue(dictionary, cacheKey))));

    CFRelease(dictionary);
    EXPECT_EQ(CFGetRetainCount(cacheKey), 1);
    EXPECT_EQ(CFGetRetainCount(value), 1);
    for (CFTypeRef object : {CFTypeRef(cacheKey), CFTypeRef(rgbKey), CFTypeRef(numberKey), CFTypeRef(value),
                             CFTypeRef(sameText), CFTypeRef(sameNumber), CFTypeRef(other)})
        CFRelease(object);

    RecordedReports reports;
    const CFTypeRef nullKey[] = {nullptr};
    EXPECT_EQ(CFDictionaryCreate(nullptr, nullKey, values, 1, nullptr, nullptr), nullptr);
    EXPECT_EQ(CFDictionaryCreate(nullptr, nullptr, nullptr, -1, nullptr, nullptr), nullptr);
    EXPECT_EQ(reports.Take().size(), 2u);
}

TEST_F(CoreFoundationTest, NumbersConvertExactlyOrSayTheyCouldNot)
{
    const int64_t big = int64_t(1) << 40;
    const double half = 2.5;
    const double whole = -3.0;
    const float single = 0.1f;
    CFNumberRef bigNumber = CFNumberCreate(nullptr, kCFNumberSInt64Type, &big);
    CFNumberRef halfNumber = CFNumberCreate(nullptr, kCFNumberFloat64Type, &half);
    CFNumberRef wholeNumber = CFNumberCreate(nullptr, kCFNumberDoubleType, &whole);
    CFNumberRef singleNumber = CFNumberCreate(nullptr, kCFNumberFloatType, &single);

    int32_t i32 = 0;
    int64_t i64 = 0;
    double f64 = 0;
    float f32 = 0;
    EXPECT_FALSE(CFNumberGetValue(bigNumber, kCFNumberSInt32Type, &i32));
    EXPECT_TRUE(CFNumberGetValue(bigNumber, kCFNumberSInt64Type, &i64));
    EXPECT_EQ(i64, big);
    EXPECT_TRUE(CFNumberGetValue(bigNumber, kCFNumberDoubleType, &f64));
    EXPECT_EQ(f64, 1099511627776.0);
    EXPECT_FALSE(CFNumberGetValue(halfNumber, kCFNumberIntType, &i32));
    EXPECT_EQ(i32, 2);
    EXPECT_TRUE(CFNumberGetValue(halfNumber, kCFNumberFloatType, &f32));
    EXPECT_EQ(f32, 2.5f);
    EXPECT_TRUE(CFNumberGetValue(wholeNumber, kCFNumberIntType, &i32));
    EXPECT_EQ(i32, -3);
    EXPECT_TRUE(CFNumberGetValue(singleNumber, kCFNumberFloat32Type, &f32));
    EXPECT_EQ(f32, 0.1f);
    EXPECT_FALSE(CFEqual(halfNumber, wholeNumber));

    for (CFNumberRef number : {bigNumber, halfNumber, wholeNumber, singleNumber})
        CFRelease(number);

    NSNumber* index = NSNumber::numberWithInt(4);
    EXPECT_EQ(index->intValue(), 4);
    EXPECT_EQ(NSNumber::numberWithDouble(1e300)->longValue(), LONG_MAX);
    EXPECT_EQ(NSNumber::numberWithDouble(0.0 / 0.0)->intValue(), 0);
}

TEST_F(CoreFoundationTest, BooleansAreImmortal)
{
    for (int i = 0; i < 5; ++i)
        CFRelease(kCFBooleanFalse);
    EXPECT_FALSE(CFBooleanGetValue(kCFBooleanFalse));
    EXPECT_TRUE(CFBooleanGetValue(kCFBooleanTrue));
    EXPECT_EQ(NSNumber::numberWithBool(NO), kCFBooleanFalse);
}

TEST_F(CoreFoundationTest, ArraysRetainTheirElements)
{
    NSMutableArray* types = NSMutableArray::alloc()->initWithCapacity(3);
    NSString* png = NSString::alloc()->initWithUTF8String("png");
    types->addObject(png);
    types->addObject(NSString::stringWithUTF8String("jpg"));
    EXPECT_EQ(png->retainCount(), 2u);
    EXPECT_EQ(types->count(), 2u);
    EXPECT_EQ(types->objectAtIndex(0), png);
    types->removeObjectAtIndex(0);
    EXPECT_EQ(png->retainCount(), 1u);
    EXPECT_STREQ(static_cast<NSString*>(types->objectAtIndex(0))->UTF8String(), "jpg");
    {
        RecordedReports reports;
        EXPECT_EQ(types->objectAtIndex(1), nullptr);
        types->addObject(nullptr);
        EXPECT_EQ(reports.Take().size(), 2u);
    }
    types->addObject(png);
    png->release();
    types->release();
}

TEST_F(CoreFoundationTest, AttributedStringIsOneRun)
{
    CFStringRef text = CFStringCreateWithCString(nullptr, "\xE2\x82\xAC" "5", kCFStringEncodingUTF8);
    CFStringRef key = CFStringCreateWithCString(nullptr, "NSFont", kCFStringEncodingUTF8);
    const CFTypeRef keys[] = {key};
    const CFTypeRef values[] = {kCFBooleanTrue};
    CFDictionaryRef attributes = CFDictionaryCreate(nullptr, keys, values, 1, nullptr, nullptr);
    CFAttributedStringRef line = CFAttributedStringCreate(nullptr, text, attributes);
    CFRelease(attributes);
    CFRelease(key);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(CFAttributedStringGetString(line), text);
    EXPECT_EQ(CFAttributedStringGetLength(line), 2);
    CFRange range{-1, -1};
    CFDictionaryRef found = CFAttributedStringGetAttributes(line, 1, &range);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(CFDictionaryGetCount(found), 1);
    EXPECT_EQ(range.location, 0);
    EXPECT_EQ(range.length, 2);
    {
        RecordedReports reports;
        EXPECT_EQ(CFAttributedStringGetAttributes(line, 2, nullptr), nullptr);
        EXPECT_EQ(reports.Take().size(), 1u);
    }
    CFRelease(text);
    CFRelease(line);
}

TEST_F(CoreFoundationTest, FileURLsGiveBackTheirPath)
{
    char folder[4096];
    ASSERT_NE(getcwd(folder, sizeof folder), nullptr);
    struct Case {
        const char* path;
        std::string expected;
    };
    const Case kCases[] = {
        {"/tmp/skin images/knob \xC3\xA9.png", "/tmp/skin images/knob \xC3\xA9.png"},
        {"relative.png", std::string(folder) + "/relative.png"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.path);
        CFStringRef path = CFStringCreateWithCString(nullptr, c.path, kCFStringEncodingUTF8);
        CFURLRef url = CFURLCreateWithFileSystemPath(nullptr, path, kCFURLPOSIXPathStyle, false);
        CFRelease(path);
        ASSERT_NE(url, nullptr);
        std::vector<UInt8> buffer(c.expected.size() + 1);
        ASSERT_TRUE(CFURLGetFileSystemRepresentation(url, true, buffer.data(), static_cast<CFIndex>(buffer.size())));
        EXPECT_EQ(reinterpret_cast<const char*>(buffer.data()), c.expected);
        EXPECT_FALSE(CFURLGetFileSystemRepresentation(url, true, buffer.data(), static_cast<CFIndex>(buffer.size() - 1)));
        CFRelease(url);
    }
    CFStringRef empty = CFStringCreateWithCString(nullptr, "", kCFStringEncodingUTF8);
    EXPECT_EQ(CFURLCreateWithFileSystemPath(nullptr, empty, kCFURLPOSIXPathStyle, false), nullptr);
    CFRelease(empty);
}

} // namespace
} // namespace VeltisTest
