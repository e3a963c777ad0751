#include "Veltis/DataModel/Objects/CCaptureParamToStringLink.h"

#include "Veltis/DataModel/Objects/CCaptureParam.h"
#include "Veltis/DataModel/Objects/CCaptureString.h"
#include "Veltis/DataModel/Objects/CParamValueToText.h"
#include "support/CCountingCommand.h"
#include "support/ValueToTextSupport.h"

#include <gtest/gtest.h>

using namespace Veltis::DataModel::Objects;
using VeltisTest::CCountingCommand;
using VeltisTest::TextOf;

namespace {

// A gain parameter as the equaliser describes one: -40..40 dB shown with a sign and one decimal.
void MakeGain(CCaptureParam& gain)
{
    CParamInfo& info = gain.GetWritableInfo();
    info.SetUnit("dB");
    info.SetMin(-40.0f);
    info.SetMax(40.0f);
    info.SetValueToText(new CParamValueToText("%+.1f", false, "{value}"), true);
}

TEST(CCaptureParamToStringLinkTest, ShowsTheParameterThroughItsOwnConverterAndUnit)
{
    CCaptureParam gain;
    MakeGain(gain);
    gain.SetValue(6.0f);
    CCaptureString text;
    CCaptureParamToStringLink link(&gain, &text);
    // Built with a source: the converter knows the source at once, and construction writes nothing.
    EXPECT_STREQ(text.GetValue(), "");
    EXPECT_EQ(TextOf(link.GetConverter(), 6.0f), "+6.0 dB");

    link.Enable(true);
    EXPECT_STREQ(text.GetValue(), "+6.0 dB");
    gain.SetValue(-12.5f);
    EXPECT_STREQ(text.GetValue(), "-12.5 dB");
}

TEST(CCaptureParamToStringLinkTest, ConverterChangesRewriteTheTargetEvenWhenDisabled)
{
    CCaptureParam gain;
    MakeGain(gain);
    gain.SetValue(6.0f);
    CCaptureString text;
    CCaptureParamToStringLink link(&gain, &text);

    link.GetConverter().SetTemplate("{value} {unit}");
    EXPECT_STREQ(text.GetValue(), "6.0 dB");
    link.GetConverter().SetFormat("%.2f");
    EXPECT_STREQ(text.GetValue(), "6.00 dB");

    text.SetValue("untouched");
    link.GetConverter().SetFormat("%.2f");
    EXPECT_STREQ(text.GetValue(), "untouched");

    link.SetTriggerOnModify(true);
    link.GetConverter().SetFormat("%.3f");
    EXPECT_STREQ(text.GetValue(), "untouched");
}

TEST(CCaptureParamToStringLinkTest, ANewSourceBringsItsDescriptorAndNoneTheDefault)
{
    CCaptureParam gain;
    MakeGain(gain);
    gain.SetValue(3.0f);
    CCaptureString text;
    CCaptureParamToStringLink link(nullptr, &text);
    EXPECT_EQ(TextOf(link.GetConverter(), 3.0f), "3.00 ");

    // Replacing the source re-renders at once, before the link is enabled.
    link.SetSource(&gain);
    EXPECT_STREQ(text.GetValue(), "+3.0 dB");

    CCountingCommand changed;
    text.GetValueChangedEvent().AddListener(changed);
    link.SetSource(nullptr);
    EXPECT_EQ(changed.GetCount(), 0);
    EXPECT_EQ(TextOf(link.GetConverter(), 3.0f), "3.00 ");
    text.GetValueChangedEvent().RemoveListener(&changed);
}

} // namespace
