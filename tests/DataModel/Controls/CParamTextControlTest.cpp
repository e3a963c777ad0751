#include "Veltis/DataModel/Controls/CParamTextControl.h"
#include "Veltis/DataModel/Controls/CParamTextViewer.h"
#include "Veltis/DataModel/Objects/CCaptureParam.h"

#include "support/CCountingCommand.h"
#include "support/CaptureSupport.h"
#include "support/DecimalCommaLocale.h"
#include "support/ListenerCount.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Veltis;
using DataModel::Controls::CParamTextControl;
using DataModel::Controls::CParamTextViewer;
using DataModel::Objects::CCaptureParam;
using VeltisTest::CCountingCommand;

namespace {

void Describe(CCaptureParam& param, int type, float min, float max)
{
    param.GetWritableInfo().SetType(type);
    VeltisTest::SetRange(param, min, max);
}

void CheckTypedTexts()
{
    struct Case {
        const char* typed;
        float written;
        const char* shown;
        int textChanges;
    };
    const Case kCases[] = {
        {"12.5 dB", 12.5f, "12.5", 2},
        {"25 dB", 20.0f, "20.0", 2},
        {"hello", 5.0f, "5.0", 2},
        {"", 5.0f, "5.0", 2},
        {"  -3", -3.0f, "-3.0", 2},
        {"  +7.5xyz", 7.5f, "7.5", 2},
        {"1e1", 10.0f, "10.0", 2},
        {"0x10", 16.0f, "16.0", 2},
        {"nan", 20.0f, "20.0", 2},
        {"-inf", -20.0f, "-20.0", 2},
        {"infinity", 20.0f, "20.0", 2},
        {"1e999", 20.0f, "20.0", 2},
        {"-1e999", -20.0f, "-20.0", 2},
        {"1,5", 1.0f, "1.0", 2},
        // The value does not change: the typed text is seen once, then the rendered one.
        {"5", 5.0f, "5.0", 2},
        {"5.0", 5.0f, "5.0", 1},
    };
    CCaptureParam param;
    Describe(param, 2, -20.0f, 20.0f);
    CParamTextControl control(param);
    control.m_TextConverter.SetTemplate("{value}");
    CCountingCommand changed;
    control.GetValueChangedEvent().AddListener(changed);
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.typed);
        param.SetValue(5.0f);
        const int before = changed.GetCount();
        control.SetValue(c.typed);
        EXPECT_EQ(param.GetValue(), c.written);
        EXPECT_STREQ(control.GetValue(), c.shown);
        EXPECT_EQ(changed.GetCount() - before, c.textChanges);
    }
    control.SetValue(nullptr);
    EXPECT_STREQ(control.GetValue(), "5.0");
}

TEST(CParamTextControlTest, TypedTextsWriteTheLeadingNumberHeldToTheRange)
{
    CheckTypedTexts();
}

TEST(CParamTextControlTest, TypedTextsReadTheSameUnderADecimalCommaLocale)
{
    VeltisTest::CDecimalCommaLocale locale;
    if (!locale.IsActive())
        GTEST_SKIP() << "no decimal-comma locale on this machine";
    CheckTypedTexts();
}

TEST(CParamTextControlTest, GesturesGoToTheParameter)
{
    CCaptureParam param;
    CParamTextControl control(param);
    VeltisTest::CGestureLog log;
    log.Watch(control, 1, 2);
    log.Watch(param, 3, 4);
    control.BeginCapture();
    EXPECT_TRUE(control.IsCaptured());
    control.EndCapture();
    EXPECT_EQ(log.Take(), (std::vector<int>{1, 3, 2, 4}));
}

TEST(CParamTextViewerTest, FormatIsChosenOnceByTheType)
{
    struct Case {
        int type;
        const char* shown;
    };
    const Case kCases[] = {{0, "1"}, {1, "3"}, {2, "2.7"}, {3, "1"}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.type);
        CCaptureParam param;
        Describe(param, c.type, 0.0f, 10.0f);
        param.SetValue(c.type == 2 ? 2.7f : (c.type == 1 ? 3.0f : 1.0f));
        CParamTextViewer viewer(param);
        viewer.m_TextConverter.SetTemplate("{value}");
        EXPECT_STREQ(viewer.GetValue(), c.shown);
        // A later type change keeps the format.
        param.GetWritableInfo().SetType(c.type == 2 ? 1 : 2);
        EXPECT_STREQ(viewer.GetValue(), c.shown);
    }
}

TEST(CParamTextViewerTest, RendersWithTheDescriptorsConverterByDefault)
{
    CCaptureParam param;
    Describe(param, 2, 0.0f, 10.0f);
    param.GetWritableInfo().SetUnit("dB");
    param.SetValue(2.5f);
    CParamTextViewer viewer(param);
    EXPECT_STREQ(viewer.GetValue(), "2.50 dB");
}

TEST(CParamTextViewerTest, ReRendersOnValueDescriptorAndConverterChanges)
{
    CCaptureParam param;
    Describe(param, 2, 0.0f, 10.0f);
    param.SetValue(2.0f);
    CParamTextViewer viewer(param);
    CCountingCommand changed;
    viewer.GetValueChangedEvent().AddListener(changed);
    viewer.m_TextConverter.SetTemplate("{value} {unit}");
    EXPECT_STREQ(viewer.GetValue(), "2.0 ");
    param.GetWritableInfo().SetUnit("Hz");
    EXPECT_STREQ(viewer.GetValue(), "2.0 Hz");
    param.SetValue(3.0f);
    param.SetValue(3.0f);
    EXPECT_STREQ(viewer.GetValue(), "3.0 Hz");
    EXPECT_EQ(changed.GetCount(), 3);
}

TEST(CParamTextViewerTest, FollowsTheParametersGesturesAndReconnects)
{
    CCaptureParam first, second;
    second.GetWritableInfo().SetMax(10.0f);
    second.SetValue(7.0f);
    CParamTextViewer viewer(first);
    viewer.m_TextConverter.SetTemplate("{value}");
    VeltisTest::CGestureLog log;
    log.Watch(viewer, 1, 2);
    first.BeginCapture();
    EXPECT_TRUE(viewer.IsCaptured());
    first.EndCapture();
    EXPECT_EQ(log.Take(), (std::vector<int>{1, 2}));
    viewer.Connect(&second);
    EXPECT_STREQ(viewer.GetValue(), "7.0");
    EXPECT_EQ(VeltisTest::ListenerCount(first.GetValueChangedEvent()), 0);
    EXPECT_EQ(VeltisTest::ListenerCount(first.GetInfo().GetChangedEvent()), 0);
    first.BeginCapture();
    EXPECT_TRUE(log.Take().empty());
}

} // namespace
