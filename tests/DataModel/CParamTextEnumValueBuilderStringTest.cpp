#include "Veltis/DataModel/Objects/CParamTextEnumValueBuilderString.h"

#include "Veltis/DataModel/Objects/CParamInfo.h"
#include "support/CCountingCommand.h"
#include "support/ValueToTextSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Veltis::DataModel::Objects;
using VeltisTest::CCountingCommand;
using VeltisTest::TextOf;

namespace {

std::string ShownText(const CParamInfo& param, float value)
{
    return TextOf(*param.GetValueToText(), value);
}

TEST(CParamTextEnumValueBuilderStringTest, RealChangesBecomeTheParameterTexts)
{
    CParamInfo param(1, "Band", "", "", nullptr, 1.0f, 3.0f, 1.0f);
    CCountingCommand paramChanged;
    param.GetChangedEvent().AddListener(paramChanged);
    CParamTextEnumValueBuilderString builder(&param);
    EXPECT_EQ(ShownText(param, 2.0f), "2");

    CCountingCommand builderChanged;
    builder.GetValueChangedEvent().AddListener(builderChanged);
    builder.SetValue("Low;Mid;High");
    builder.SetValue("Low;Mid;High");
    EXPECT_EQ(paramChanged.GetCount(), 1);
    EXPECT_EQ(builderChanged.GetCount(), 1);
    EXPECT_EQ(ShownText(param, 1.0f), "Low");
    EXPECT_EQ(ShownText(param, 2.0f), "Mid");
    EXPECT_EQ(ShownText(param, 3.0f), "High");
    EXPECT_EQ(ShownText(param, 0.0f), CEnumToText::kOutOfBounds);

    builder.SetValue("");
    EXPECT_EQ(ShownText(param, 1.0f), CEnumToText::kOutOfBounds);
    builder.GetValueChangedEvent().RemoveListener(&builderChanged);
    param.GetChangedEvent().RemoveListener(&paramChanged);
}

TEST(CParamTextEnumValueBuilderStringTest, TheParameterOutlivesTheString)
{
    CParamInfo param(1, "Mode", "", "", nullptr, 0.0f, 1.0f, 0.0f);
    {
        CParamTextEnumValueBuilderString builder(&param);
        builder.SetValue("Off;On");
    }
    EXPECT_EQ(ShownText(param, 1.0f), "On");

    CParamTextEnumValueBuilderString withoutParam(nullptr);
    withoutParam.SetValue("a;b");
    EXPECT_STREQ(withoutParam.GetValue(), "a;b");
}

TEST(CParamTextEnumValueBuilderStringTest, FirstIndexIsTheMinimumRoundedInFloatAndSaturated)
{
    struct Case {
        float min;
        int expected;
    };
    const Case kCases[] = {
        {0.6f, 1},
        {1.0f, 1},
        {0.4f, 0},
        {-1.0f, 0},
        {-1.6f, -1},
        // In float the sum rounds up to 1; in double it would stay below.
        {0.49999997f, 1},
        {3e9f, std::numeric_limits<int>::max()},
        {-3e9f, std::numeric_limits<int>::min()},
        {NAN, std::numeric_limits<int>::min()},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.min);
        EXPECT_EQ(CParamTextEnumValueBuilderString::FirstIndexOf(c.min), c.expected);
    }

    CParamInfo param(1, "Slope", "", "", nullptr, 0.6f, 3.0f, 1.0f);
    CParamTextEnumValueBuilderString builder(&param);
    builder.SetValue("12 dB;24 dB");
    EXPECT_EQ(ShownText(param, 1.0f), "12 dB");
}

} // namespace
