#include "Veltis/DataModel/Objects/CParamDataToText.h"

#include "Veltis/DataModel/Objects/CEnumToText.h"
#include "support/CCountingCommand.h"
#include "support/ValueToTextSupport.h"

#include <gtest/gtest.h>

#include <memory>

using namespace Veltis::DataModel::Objects;
using VeltisTest::CCountingCommand;
using VeltisTest::TextOf;

namespace {

// The equaliser's gain description: "%+.1f" in its own converter.
CParamInfo MakeGainInfo()
{
    return CParamInfo(2, "Gain", "dB", "Band gain", new CParamValueToText("%+.1f", false, "{value}"), -40.0f,
                      40.0f, 0.0f, true);
}

TEST(CParamDataToTextTest, PlaceholdersDescribeTheParameter)
{
    CParamDataToText converter("%.2f", false, "{name}: {text_value} {unit} [{min}..{max}]");
    converter.SetParamInfo(MakeGainInfo());
    EXPECT_EQ(TextOf(converter, 6.0f), "Gain: +6.0 dB [-40.00..40.00]");

    struct Case {
        const char* textTemplate;
        const char* expected;
    };
    const Case kCases[] = {
        {"{default}|{comment}|{value}", "0.00|Band gain|6.00"},
        {"{{name}", "{name}"},
        {"{other} {unit", "{other} {unit"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.textTemplate);
        converter.SetTemplate(c.textTemplate);
        EXPECT_EQ(TextOf(converter, 6.0f), c.expected);
    }
}

TEST(CParamDataToTextTest, NullTextsOfTheDescriptionAppendNothing)
{
    CParamDataToText converter("%.1f", false, "[{name}|{unit}|{comment}]");
    EXPECT_EQ(TextOf(converter, 1.0f), "[||]");
    converter.SetParamInfo(CParamInfo(1, nullptr, nullptr, nullptr, new CEnumToText("Off;On", 0), 0, 1, 0, true));
    converter.SetTemplate("[{name}|{unit}|{comment}] {text_value}");
    EXPECT_EQ(TextOf(converter, 1.0f), "[||] On");
}

TEST(CParamDataToTextTest, SetParamInfoNotifiesTheConverterOnce)
{
    CParamDataToText converter("%.2f", false, "{text_value}");
    CCountingCommand listener;
    converter.GetChangedEvent().AddListener(listener);
    const CParamInfo gain = MakeGainInfo();
    converter.SetParamInfo(gain);
    converter.SetParamInfo(gain);
    EXPECT_EQ(listener.GetCount(), 2);
    converter.GetChangedEvent().RemoveListener(&listener);
}

TEST(CParamDataToTextTest, CloneKeepsTheSettingsButStartsWithTheDefaultDescription)
{
    CParamDataToText converter("%.1f", true, "{name}{text_value}{unit}/{value}");
    converter.SetSignificantDigits(2);
    converter.SetParamInfo(MakeGainInfo());
    EXPECT_EQ(TextOf(converter, 1234.0f), "Gain+1234.0dB/1.2k");
    std::unique_ptr<IParamValueToText> clone(converter.Clone());
    ASSERT_NE(dynamic_cast<CParamDataToText*>(clone.get()), nullptr);
    EXPECT_EQ(TextOf(*clone, 1234.0f), "1234.00/1.2k");
}

TEST(CParamDataToTextTest, DescriptionHoldingADataConverterUsesItsCloneWithoutRecursion)
{
    CParamDataToText inner("%.0f", false, "{name}={text_value}");
    inner.SetParamInfo(MakeGainInfo());
    CParamInfo info(2, "Outer", "", "", &inner, 0.0f, 1.0f, 0.0f, false);
    CParamDataToText outer("%.2f", false, "{name}: {text_value}");
    outer.SetParamInfo(info);
    EXPECT_EQ(TextOf(outer, 2.0f), "Outer: =2.00");
}

} // namespace
