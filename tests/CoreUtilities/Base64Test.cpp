#include "Veltis/CoreUtilities/Base64.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Veltis::CoreUtilities;

namespace {

typedef std::vector<unsigned char> Bytes;

std::string Encode(const Bytes& data)
{
    char* text = Base64Encode(data.data(), data.size());
    EXPECT_NE(text, nullptr);
    const std::string result = text ? text : "";
    delete[] text;
    return result;
}

Bytes Bytes_(const char* text)
{
    return Bytes(text, text + std::char_traits<char>::length(text));
}

TEST(Base64, EncodesRfcVectors)
{
    struct Case {
        const char* data;
        const char* expected;
    };
    const Case kCases[] = {{"", ""},         {"f", "Zg=="},         {"fo", "Zm8="},        {"foo", "Zm9v"},
                           {"foob", "Zm9vYg=="}, {"fooba", "Zm9vYmE="}, {"foobar", "Zm9vYmFy"}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.data);
        EXPECT_EQ(Encode(Bytes_(c.data)), c.expected);
    }
}

TEST(Base64, EncodeUsesTheWholeAlphabetAndPadsShortGroups)
{
    EXPECT_EQ(Encode(Bytes{0xFB, 0xFF, 0xBF}), "+/+/");
    EXPECT_EQ(Encode(Bytes{0x00, 0x00, 0x00}), "AAAA");
    EXPECT_EQ(Encode(Bytes{0xFF, 0xFF}), "//8=");
    EXPECT_EQ(Encode(Bytes{0xFF}), "/w==");
    char* empty = Base64Encode(nullptr, 0);
    ASSERT_NE(empty, nullptr);
    EXPECT_STREQ(empty, "");
    delete[] empty;
}

TEST(Base64, RoundTripsEveryLengthAndByteValue)
{
    Bytes data;
    for (int i = 0; i < 300; ++i)
        data.push_back(static_cast<unsigned char>((i * 7 + 3) & 0xFF));
    for (size_t n = 0; n <= data.size(); n += (n < 10 ? 1 : 37)) {
        SCOPED_TRACE(n);
        const Bytes part(data.begin(), data.begin() + static_cast<long>(n));
        const std::string text = Encode(part);
        EXPECT_EQ(text.size(), (n + 2) / 3 * 4);
        int size = -1;
        unsigned char* decoded = Base64Decode(text.c_str(), size);
        ASSERT_NE(decoded, nullptr);
        ASSERT_EQ(size, static_cast<int>(n));
        EXPECT_EQ(Bytes(decoded, decoded + size), part);
        delete[] decoded;
    }
}

TEST(Base64, DecodeFailuresLeaveSizeUntouched)
{
    const char* kInvalid[] = {"Zg=", "Z", "Zm9vY", "Zm9vYmF"};
    for (const char* text : kInvalid) {
        SCOPED_TRACE(text);
        int size = 77;
        EXPECT_EQ(Base64Decode(text, size), nullptr);
        EXPECT_EQ(size, 77);
    }
    int size = 77;
    EXPECT_EQ(Base64Decode(nullptr, size), nullptr);
    EXPECT_EQ(size, 77);
}

TEST(Base64, DecodeOfEmptyTextIsAnEmptyBuffer)
{
    int size = 77;
    unsigned char* data = Base64Decode("", size);
    EXPECT_NE(data, nullptr);
    EXPECT_EQ(size, 0);
    delete[] data;
}

TEST(Base64, DecodeIsLenientAndNeverReadsPastItsTable)
{
    struct Case {
        const char* name;
        const char* text;
        Bytes expected;
    };
    const Case kCases[] = {
        {"padding in every group", "Zg==Zg==", {'f', 'f'}},
        {"one '=' gives two bytes", "Zm8=", {'f', 'o'}},
        {"'=' inside a group reads as 0", "A=AA", {0x00, 0x00, 0x00}},
        {"unknown ASCII reads as 63", "!!!!", {0xFF, 0xFF, 0xFF}},
        {"bytes above 127 read as 63", "\x80\xFF\xC3\xA4", {0xFF, 0xFF, 0xFF}},
        {"whitespace is not skipped", "Zm9v    ", {'f', 'o', 'o', 0xFF, 0xFF, 0xFF}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        int size = -1;
        unsigned char* data = Base64Decode(c.text, size);
        ASSERT_NE(data, nullptr);
        EXPECT_EQ(Bytes(data, data + size), c.expected);
        delete[] data;
    }
}

} // namespace
