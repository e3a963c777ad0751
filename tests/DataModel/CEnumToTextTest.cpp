#include "Veltis/DataModel/Objects/CEnumToText.h"

#include "support/ValueToTextSupport.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>

using Veltis::DataModel::Objects::CEnumToText;
using Veltis::DataModel::Objects::IParamValueToText;
using VeltisTest::TextOf;

namespace {

const char kOut[] = "Out Of Bounds";

TEST(CEnumToTextTest, ValueRoundsHalfUpThenTruncatesTowardZero)
{
    const CEnumToText converter("Off;On", 0);
    struct Case {
        float value;
        const char* expected;
    };
    const Case kCases[] = {
        {0.0f, "Off"},  {0.49f, "Off"}, {0.5f, "On"},   {1.49f, "On"},
        {1.5f, kOut},   {-1.6f, kOut},  {-0.7f, "Off"}, {std::numeric_limits<float>::quiet_NaN(), kOut},
        {3e38f, kOut},  {-3e38f, kOut}, {std::numeric_limits<float>::infinity(), kOut},
        {-std::numeric_limits<float>::infinity(), kOut},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(TextOf(converter, c.value), c.expected);
    }
}

TEST(CEnumToTextTest, SplitsAtEverySeparatorKeepingEmptyItems)
{
    struct Case {
        const char* texts;
        float value;
        const char* expected;
    };
    const Case kCases[] = {
        {"", 0.0f, kOut},      {nullptr, 0.0f, kOut},  {"a;;b", 1.0f, ""},   {"a;;b", 2.0f, "b"},
        {"a;;b", 3.0f, kOut},  {"a;", 1.0f, ""},       {"a;", 2.0f, kOut},   {";a", 0.0f, ""},
        {";a", 1.0f, "a"},     {" x ; y", 1.0f, " y"}, {";", 1.0f, ""},      {";", 2.0f, kOut},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.texts ? c.texts : "<null>") + " " + std::to_string(c.value));
        EXPECT_EQ(TextOf(CEnumToText(c.texts, 0), c.value), c.expected);
    }
}

TEST(CEnumToTextTest, FirstIndexShiftsTheList)
{
    CEnumToText converter("Low;Mid;High", 2);
    EXPECT_EQ(TextOf(converter, 2.0f), "Low");
    EXPECT_EQ(TextOf(converter, 4.0f), "High");
    EXPECT_EQ(TextOf(converter, 5.0f), kOut);
    EXPECT_EQ(TextOf(converter, 1.0f), kOut);
    // Truncation toward zero: below the first index -1, -1 itself selects the second text.
    CEnumToText negative("Low;Mid;High", -1);
    EXPECT_EQ(TextOf(negative, -1.0f), "Mid");
    EXPECT_EQ(TextOf(negative, -1.6f), "Low");
    CEnumToText extreme("a", std::numeric_limits<int>::min());
    EXPECT_EQ(TextOf(extreme, 0.0f), kOut);
}

TEST(CEnumToTextTest, SetTextsReplacesTheListAndCloneIsIndependent)
{
    CEnumToText converter("a;b;c;d", 0);
    std::unique_ptr<IParamValueToText> clone(converter.Clone());
    converter.SetTexts("x;y", 5);
    EXPECT_EQ(TextOf(converter, 5.0f), "x");
    EXPECT_EQ(TextOf(converter, 2.0f), kOut);
    EXPECT_EQ(TextOf(converter, 7.0f), kOut);
    EXPECT_EQ(TextOf(*clone, 3.0f), "d");
    converter.SetTexts("", 0);
    EXPECT_EQ(TextOf(converter, 0.0f), kOut);
}

} // namespace
