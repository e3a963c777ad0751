#include "Veltis/DataModel/Objects/CParamValueToText.h"

#include "support/CCountingCommand.h"
#include "support/DecimalCommaLocale.h"
#include "support/ValueToTextSupport.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>

using Veltis::DataModel::Objects::CParamValueToText;
using Veltis::DataModel::Objects::IParamValueToText;
using VeltisTest::CCountingCommand;
using VeltisTest::TextOf;

namespace {

const float kInfinity = std::numeric_limits<float>::infinity();
const float kNaN = std::numeric_limits<float>::quiet_NaN();

struct FormatCase {
    const char* format;
    int significantDigits;
    bool suffix;
    float value;
    const char* expected;
};

const FormatCase kFormatCases[] = {
    {"%.2f", -1, true, 1500.0f, "1.50k"},
    {"%.2f", -1, true, 999.0f, "999.00"},
    {"%.2f", -1, true, 0.0005f, "0.50m"},
    {"%.2f", -1, true, 0.002f, "0.00"},
    {"%.2f", -1, true, 2.5e-6f, "0.00m"},
    {"%.2f", -1, true, 5e-7f, "0.50\xC2\xB5"},
    {"%.2f", -1, true, 3e-10f, "0.30p"},
    {"%.2f", -1, true, 2.5e6f, "2.50M"},
    {"%.2f", -1, true, 4e9f, "4.00G"},
    {"%.2f", -1, true, -1500.0f, "-1500.00"},
    {"%.2f", -1, true, 0.0f, "0.00"},
    {"%.1f", -1, true, 2e12f, "2.0T"},
    {"%.0f", -1, true, 2e15f, "1999999973982208"},
    {"%.0f", 3, false, 22050.0f, "22100"},
    {"%.0f", 3, true, 22050.0f, "22k"},
    {"%.0f", 3, false, 0.0f, "0"},
    {"%.0f", 2, false, 1234.5f, "1200"},
    {"%.4f", 2, false, 0.0123f, "0.0100"},
    {"%.1f", 2, false, -1234.5f, "-1200.0"},
    {"%+.1f", -1, false, -12.345f, "-12.3"},
    {"%+.1f", -1, false, 6.0f, "+6.0"},
    {"%.2f", 2000000000, false, 1.5f, "1.50"},
    {"%.0f", 12, false, 3.4e38f, "339999995214436424907732413799364296704"},
};

TEST(CParamValueToTextTest, FormatsRoundsAndScalesToTheMetricSuffix)
{
    for (const FormatCase& c : kFormatCases) {
        SCOPED_TRACE(std::string(c.format) + " " + std::to_string(c.value) + " digits " +
                     std::to_string(c.significantDigits));
        CParamValueToText converter(c.format, c.suffix, "{value}");
        converter.SetSignificantDigits(c.significantDigits);
        EXPECT_EQ(TextOf(converter, c.value), c.expected);
    }
}

TEST(CParamValueToTextTest, NumbersUseTheClassicLocaleUnderADecimalCommaLocale)
{
    VeltisTest::CDecimalCommaLocale locale;
    ASSERT_TRUE(locale.IsActive());
    for (const FormatCase& c : kFormatCases) {
        SCOPED_TRACE(std::string(c.format) + " " + std::to_string(c.value));
        CParamValueToText converter(c.format, c.suffix, "{value}");
        converter.SetSignificantDigits(c.significantDigits);
        EXPECT_EQ(TextOf(converter, c.value), c.expected);
    }
}

TEST(CParamValueToTextTest, NonFiniteValuesHaveAFixedText)
{
    struct Case {
        const char* format;
        float value;
        const char* expected;
    };
    const Case kCases[] = {
        {"%.2f", kNaN, "nan"},          {"%.2f", -kNaN, "nan"},       {"%.2f", kInfinity, "inf"},
        {"%.2f", -kInfinity, "-inf"},   {"%+.1f", kInfinity, "+inf"}, {"%.1F", kNaN, "NAN"},
        {"%6.1f", -kInfinity, "  -inf"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.expected);
        for (int digits : {-1, 3}) {
            CParamValueToText converter(c.format, true, "{value}");
            converter.SetSignificantDigits(digits);
            EXPECT_EQ(TextOf(converter, c.value), c.expected);
        }
    }
}

TEST(CParamValueToTextTest, TemplateIsScannedOnceCopyingWhatItDoesNotKnow)
{
    struct Case {
        const char* textTemplate;
        const char* expected;
    };
    const Case kCases[] = {
        {"a{{b", "a{b"},
        {"{{value}", "{value}"},
        {"a{b", "a{b"},
        {"{x}{value}", "{x}1.50"},
        {"{value}{value}", "1.501.50"},
        {"Gain: {value} dB", "Gain: 1.50 dB"},
        {"{unit}{name}", "{unit}{name}"},
        {"{value", "{value"},
        {"}{value}}", "}1.50}"},
        {"{a{value}", "{a{value}"},
        {"{{{{", "{{"},
        {"{ value}", "{ value}"},
        {"{VALUE}", "{VALUE}"},
        {"", ""},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.textTemplate);
        const CParamValueToText converter("%.2f", false, c.textTemplate);
        EXPECT_EQ(TextOf(converter, 1.5f), c.expected);
    }
    const CParamValueToText gain("%+.1f", false, "Gain: {value} dB");
    EXPECT_EQ(TextOf(gain, -12.345f), "Gain: -12.3 dB");
}

TEST(CParamValueToTextTest, HostileFormatsFallBackToTwoDecimals)
{
    const std::string longFormat(10000, 'x');
    const std::string longFlags = "%" + std::string(5000, '-') + "f";
    const char* const kFormats[] = {
        "%n", "%s", "%d", "%*f", "%f%f", "%.999999999f", "", "%", "%.2s%n%f", "%lf", "%Lf", "%100f",
        "%.100f", "%1$f", "%'f", "abc", "%.2f%", "%5.*f", longFormat.c_str(),
    };
    for (const char* format : kFormats) {
        SCOPED_TRACE(std::string(format).substr(0, 40));
        EXPECT_FALSE(CParamValueToText::IsSafeFormat(format));
        CParamValueToText converter(format, false, "{value}");
        EXPECT_EQ(TextOf(converter, 1.25f), "1.25");
    }
    EXPECT_FALSE(CParamValueToText::IsSafeFormat(nullptr));
    CParamValueToText flags(longFlags.c_str(), false, "{value}");
    EXPECT_EQ(TextOf(flags, 1.0f), "1.000000");
}

TEST(CParamValueToTextTest, LongTemplatesAndFormatsGiveABoundedText)
{
    std::string longTemplate;
    for (int i = 0; i < 10000; ++i)
        longTemplate += "{value}";
    const std::string longFormat = std::string(1000, 'x') + "%.1f";
    const CParamValueToText converter(longFormat.c_str(), false, longTemplate.c_str());
    const std::string text = TextOf(converter, 1.0f);
    EXPECT_GE(text.size(), static_cast<size_t>(CParamValueToText::kMaxTextLength));
    EXPECT_LT(text.size(), static_cast<size_t>(CParamValueToText::kMaxTextLength) + longFormat.size());
    EXPECT_EQ(text.substr(text.size() - 4), "x1.0");
}

TEST(CParamValueToTextTest, FloatingFormatsWithShortFieldsAreUsed)
{
    struct Case {
        const char* format;
        const char* expected;
    };
    const Case kCases[] = {
        {"%f", "1.250000"},      {"%.0f", "1"},          {"%.f", "1"},
        {"%+08.3f", "+001.250"}, {"%-6.1f|", "1.2   |"}, {"%#.0f", "1."},
        {"%.1e", "1.2e+00"},     {"%G", "1.25"},         {"%.1a", "0x1.4p+0"},
        {"%99.99f", nullptr},    {"100%% = %.1f %%", "100% = 1.2 %"},
        {" %E", " 1.250000E+00"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.format);
        EXPECT_TRUE(CParamValueToText::IsSafeFormat(c.format));
        const CParamValueToText converter(c.format, false, "{value}");
        const std::string text = TextOf(converter, 1.25f);
        if (c.expected)
            EXPECT_EQ(text, c.expected);
        else
            EXPECT_EQ(text.size(), 101u);
    }
}

TEST(CParamValueToTextTest, SettersNotifyOnlyAChange)
{
    CParamValueToText converter("%.2f", false, "{value}");
    CCountingCommand listener;
    converter.GetChangedEvent().AddListener(listener);
    converter.SetFormat("%.2f");
    converter.SetTemplate("{value}");
    converter.SetValueSuffix(false);
    converter.SetSignificantDigits(-1);
    EXPECT_EQ(listener.GetCount(), 0);

    converter.SetFormat("%.1f");
    converter.SetTemplate("[{value}]");
    converter.SetValueSuffix(true);
    converter.SetSignificantDigits(2);
    EXPECT_EQ(listener.GetCount(), 4);
    EXPECT_EQ(TextOf(converter, 1234.0f), "[1.2k]");

    converter.SetTemplate(nullptr);
    EXPECT_EQ(listener.GetCount(), 5);
    converter.SetTemplate("");
    EXPECT_EQ(listener.GetCount(), 5);
    EXPECT_EQ(TextOf(converter, 1.0f), "");
    converter.GetChangedEvent().RemoveListener(&listener);
}

TEST(CParamValueToTextTest, CloneCopiesEverySettingButNoListener)
{
    CParamValueToText converter("%.1f", true, "<{value}>");
    converter.SetSignificantDigits(2);
    CCountingCommand listener;
    converter.GetChangedEvent().AddListener(listener);
    std::unique_ptr<IParamValueToText> clone(converter.Clone());
    ASSERT_NE(dynamic_cast<CParamValueToText*>(clone.get()), nullptr);
    EXPECT_EQ(TextOf(*clone, 1234.0f), "<1.2k>");
    dynamic_cast<CParamValueToText&>(*clone).SetFormat("%.3f");
    EXPECT_EQ(listener.GetCount(), 0);
    EXPECT_EQ(TextOf(converter, 1234.0f), "<1.2k>");
    converter.GetChangedEvent().RemoveListener(&listener);
}

} // namespace
