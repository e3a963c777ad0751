#include "Veltis/Serialization/CNumberText.h"

#include "support/DecimalCommaLocale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>

using Veltis::Serialization::CNumberText;

namespace {

std::string Float(float value)
{
    char text[CNumberText::kBufferSize];
    CNumberText::FormatFloat(value, text);
    return text;
}

std::string Double(double value)
{
    char text[CNumberText::kBufferSize];
    CNumberText::FormatDouble(value, text);
    return text;
}

TEST(CNumberText, FloatsPrintWithElevenSignificantDigits)
{
    struct Case { float value; const char* text; };
    const Case kCases[] = {
        {0.1f, "0.10000000149"},          {20.0f, "20"},   {123456.789f, "123456.78906"}, {0.5f, "0.5"},
        {-0.0f, "-0"},                    {0.25f, "0.25"}, {0.0001220703125f, "0.0001220703125"},
        {1.52587890625e-05f, "1.5258789062e-05"}, {1180591620717411303424.0f, "1.1805916207e+21"},
        {99999997952.0f, "99999997952"},  {1e-5f, "9.9999997474e-06"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Float(c.value), c.text);
    }
}

TEST(CNumberText, DoublesPrintWithTwentySignificantDigits)
{
    struct Case { double value; const char* text; };
    const Case kCases[] = {
        {0.1, "0.10000000000000000555"}, {44100.0, "44100"}, {0.25, "0.25"}, {1e21, "1e+21"},
        {1.5e-05, "1.500000000000000038e-05"}, {-2.5e-300, "-2.4999999999999999798e-300"}, {0.0, "0"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Double(c.value), c.text);
    }
}

TEST(CNumberText, IntsPrintInPlainDecimal)
{
    const int kValues[] = {0, 7, -7, 2147483647, -2147483647 - 1};
    for (int value : kValues) {
        char text[CNumberText::kBufferSize];
        CNumberText::FormatInt(value, text);
        char expected[32];
        std::snprintf(expected, sizeof expected, "%d", value);
        EXPECT_STREQ(text, expected);
    }
}

TEST(CNumberText, IntReadingRules)
{
    const int kUnchanged = 4242;
    struct Case { const char* text; bool parsed; int value; };
    const Case kCases[] = {
        {"12", true, 12},           {"12xyz", true, 12},       {"  \t\n-7", true, -7},  {"+5", true, 5},
        {"xyz", false, kUnchanged}, {"", false, kUnchanged},   {"   ", false, kUnchanged},
        {"-", false, kUnchanged},   {"0x10", true, 0},         {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1}, {"2147483648", false, kUnchanged},
        {"-2147483649", false, kUnchanged},     {"99999999999999999999", false, kUnchanged}, {"1.9", true, 1},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.text);
        int value = kUnchanged;
        EXPECT_EQ(CNumberText::ParseInt(c.text, value), c.parsed);
        EXPECT_EQ(value, c.value);
    }
}

TEST(CNumberText, BoolAcceptsOnlyZeroAndOne)
{
    struct Case { const char* text; bool parsed; bool value; };
    const Case kCases[] = {
        {"1", true, true}, {"0", true, false}, {" 1abc", true, true}, {"2", false, true},
        {"-1", false, true}, {"true", false, true}, {"", false, true}, {"99999999999", false, true},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.text);
        bool value = true;
        EXPECT_EQ(CNumberText::ParseBool(c.text, value), c.parsed);
        EXPECT_EQ(value, c.value);
    }
}

TEST(CNumberText, FloatingReadingRules)
{
    const double kUnchanged = 42.0;
    struct Case { const char* text; bool parsed; double value; };
    const Case kCases[] = {
        {"0.25", true, 0.25},    {"  -1.5e3xyz", true, -1500.0}, {"+.5", true, 0.5},    {"5.", true, 5.0},
        {"1e", true, 1.0},       {"1e+", true, 1.0},             {"2E-2", true, 0.02},  {"xyz", false, kUnchanged},
        {"", false, kUnchanged}, {" \n ", false, kUnchanged},    {".", false, kUnchanged}, {"-", false, kUnchanged},
        {"inf", false, kUnchanged}, {"nan", false, kUnchanged},  {"-infinity", false, kUnchanged},
        {"1e999", false, kUnchanged}, {"0,5", true, 0.0},        {"0x1p3", true, 0.0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.text);
        double d = kUnchanged;
        EXPECT_EQ(CNumberText::ParseDouble(c.text, d), c.parsed);
        EXPECT_EQ(d, c.value);
        float f = static_cast<float>(kUnchanged);
        EXPECT_EQ(CNumberText::ParseFloat(c.text, f), c.parsed);
        EXPECT_EQ(f, static_cast<float>(c.value));
    }
    float f = 1.0f;
    EXPECT_FALSE(CNumberText::ParseFloat("1e39", f)) << "beyond the float range";
    EXPECT_EQ(f, 1.0f);
}

template <class T, class Bits>
T FromBits(Bits bits)
{
    T value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

template <class T, class Bits>
Bits ToBits(T value)
{
    Bits bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// Random bit patterns cover every exponent, denormals included; the listed extremes are added.
TEST(CNumberText, EveryFloatAndDoubleRoundTripsBitForBitUnderADecimalCommaLocale)
{
    VeltisTest::CDecimalCommaLocale locale;
    if (!locale.IsActive())
        GTEST_SKIP() << "no locale with a decimal comma could be installed or compiled on this machine";

    std::mt19937_64 random(20261210);
    std::vector<float> floats = {-0.0f, 0.0f, std::numeric_limits<float>::min(), std::numeric_limits<float>::max(),
                                 -std::numeric_limits<float>::max(), std::numeric_limits<float>::denorm_min(),
                                 -std::numeric_limits<float>::denorm_min(), 0.1f, 1.0f / 3.0f};
    std::vector<double> doubles = {-0.0, 0.0, std::numeric_limits<double>::min(), std::numeric_limits<double>::max(),
                                   -std::numeric_limits<double>::max(), std::numeric_limits<double>::denorm_min(),
                                   -std::numeric_limits<double>::denorm_min(), 0.1, 1.0 / 3.0};
    const int kCount = 1000000;
    while (static_cast<int>(floats.size()) < kCount) {
        const float value = FromBits<float>(static_cast<uint32_t>(random()));
        if (std::isfinite(value))
            floats.push_back(value);
    }
    while (static_cast<int>(doubles.size()) < kCount) {
        const double value = FromBits<double>(static_cast<uint64_t>(random()));
        if (std::isfinite(value))
            doubles.push_back(value);
    }

    int failures = 0;
    for (float value : floats) {
        char text[CNumberText::kBufferSize];
        CNumberText::FormatFloat(value, text);
        float back = std::numeric_limits<float>::quiet_NaN();
        const bool parsed = CNumberText::ParseFloat(text, back);
        if ((!parsed || ToBits<float, uint32_t>(back) != ToBits<float, uint32_t>(value)) && ++failures < 5)
            ADD_FAILURE() << text;
    }
    for (double value : doubles) {
        char text[CNumberText::kBufferSize];
        CNumberText::FormatDouble(value, text);
        double back = std::numeric_limits<double>::quiet_NaN();
        const bool parsed = CNumberText::ParseDouble(text, back);
        if ((!parsed || ToBits<double, uint64_t>(back) != ToBits<double, uint64_t>(value)) && ++failures < 5)
            ADD_FAILURE() << text;
        if (std::strchr(text, ',') && ++failures < 5)
            ADD_FAILURE() << "comma in " << text;
    }
    EXPECT_EQ(failures, 0);
}

} // namespace
