#include "Veltis/DataModel/Controls/CParamControl.h"
#include "Veltis/DataModel/Objects/CCaptureParam.h"

#include "support/CCountingCommand.h"
#include "support/CaptureSupport.h"
#include "support/ListenerCount.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <vector>

using namespace Veltis;
using DataModel::Controls::CParamControl;
using DataModel::Objects::CCaptureParam;
using VeltisTest::CCountingCommand;

namespace {

void Describe(CCaptureParam& param, int type, float min, float max, float defaultValue)
{
    param.GetWritableInfo().SetType(type);
    VeltisTest::SetRange(param, min, max);
    param.GetWritableInfo().SetDefault(defaultValue);
}

TEST(CParamControlTest, ControlsBeginComesBeforeTheParametersAndEachEdgeOnce)
{
    CCaptureParam param;
    CParamControl control(param);
    VeltisTest::CGestureLog log;
    log.Watch(control, 1, 2);
    log.Watch(param, 3, 4);
    control.BeginCapture();
    control.BeginCapture();
    EXPECT_EQ(log.Take(), (std::vector<int>{1, 3}));
    EXPECT_TRUE(control.IsCaptured());
    EXPECT_TRUE(control.GetPositionCapture().IsCaptured());
    control.EndCapture();
    control.EndCapture();
    EXPECT_EQ(log.Take(), (std::vector<int>{2, 4}));
    EXPECT_FALSE(control.GetPositionCapture().IsCaptured());
}

TEST(CParamControlTest, WritesClampedPositionsAndNothingWhenDisabled)
{
    CCaptureParam param;
    Describe(param, 2, 0.0f, 10.0f, 4.0f);
    CParamControl control(param);
    struct Case {
        float position;
        float expected;
    };
    const Case kCases[] = {{0.3f, 3.0f}, {1.7f, 10.0f}, {-0.2f, 0.0f},
                           {std::numeric_limits<float>::quiet_NaN(), 10.0f}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.position);
        param.SetValue(5.0f);
        control.SetPosition(c.position);
        EXPECT_FLOAT_EQ(param.GetValue(), c.expected);
        EXPECT_FLOAT_EQ(control.GetPosition(), c.expected / 10.0f);
    }
    control.ResetToDefault();
    EXPECT_EQ(param.GetValue(), 4.0f);
    control.Enable(false);
    param.SetValue(5.0f);
    VeltisTest::CGestureLog log;
    log.Watch(param, 1, 2);
    control.BeginCapture();
    control.SetPosition(0.1f);
    control.ResetToDefault();
    control.EndCapture();
    EXPECT_EQ(param.GetValue(), 5.0f);
    EXPECT_EQ(log.Take(), (std::vector<int>{1, 2}));
}

TEST(CParamControlTest, EnableAnnouncesOnlyChanges)
{
    CCaptureParam param;
    CParamControl control(param);
    CCountingCommand changed;
    control.GetEnableChangedEvent().AddListener(changed);
    control.Enable(true);
    control.Enable(false);
    control.Enable(false);
    EXPECT_EQ(changed.GetCount(), 1);
    EXPECT_FALSE(control.IsEnabled());
}

TEST(CParamControlTest, FineModeMultipliesThePositions)
{
    CCaptureParam param;
    Describe(param, 2, 0.0f, 1.0f, 0.0f);
    CParamControl control(param);
    control.SetPositionsCount(128);
    control.SetFineMode(true);
    EXPECT_TRUE(control.IsFineMode());
    EXPECT_EQ(control.GetPositionsCount(), 1271);
    CCountingCommand changed;
    control.GetChangedEvent().AddListener(changed);
    // A new ratio applies again to the unmultiplied count.
    control.SetFineRatio(4);
    EXPECT_EQ(control.GetPositionsCount(), 509);
    control.SetFineMode(false);
    EXPECT_EQ(control.GetPositionsCount(), 128);
    // Leaving announced nothing.
    const int afterRatio = changed.GetCount();
    control.SetFineMode(true);
    control.SetFineMode(false);
    EXPECT_EQ(changed.GetCount(), afterRatio + 1);
    control.SetFineRatio(0);
    EXPECT_EQ(control.GetFineRatio(), 1);
    EXPECT_EQ(control.GetPageStepFactor(), 5.0f);
}

TEST(CParamControlTest, FineModeIsRefusedWhereTheDescriptorClampsAndKeptWhenContinuous)
{
    CCaptureParam integer;
    Describe(integer, 1, 0.0f, 10.0f, 0.0f);
    CParamControl steps(integer);
    steps.SetFineMode(true);
    EXPECT_FALSE(steps.IsFineMode());
    EXPECT_EQ(steps.GetPositionsCount(), 11);

    CCaptureParam continuous;
    Describe(continuous, 2, 0.0f, 1.0f, 0.0f);
    CParamControl free(continuous);
    free.SetFineMode(true);
    EXPECT_TRUE(free.IsFineMode());
    EXPECT_EQ(free.GetPositionsCount(), -1);
    free.SetFineMode(false);
    EXPECT_EQ(free.GetPositionsCount(), -1);
}

TEST(CParamControlTest, PublishedPositionCaptureLeavesTheParameterAlone)
{
    CCaptureParam param;
    CParamControl control(param);
    control.BeginPositionCapture();
    EXPECT_TRUE(control.GetPositionCapture().IsCaptured());
    EXPECT_FALSE(param.IsCaptured());
    control.EndPositionCapture();
    EXPECT_FALSE(control.GetPositionCapture().IsCaptured());
}

TEST(CParamControlTest, AnOpenGestureEndsOnTheOldParameterWhenReconnectedOrDestroyed)
{
    CCaptureParam first, second;
    VeltisTest::CGestureLog log;
    log.Watch(first, 1, 2);
    log.Watch(second, 3, 4);
    {
        CParamControl control(first);
        control.BeginCapture();
        control.Connect(&second);
        EXPECT_EQ(log.Take(), (std::vector<int>{1, 2}));
        EXPECT_FALSE(control.IsCaptured());
        EXPECT_EQ(&control.GetWritableParam(), &second);
        control.BeginCapture();
        // Reconnecting to the same parameter keeps the gesture.
        control.Connect(&second);
        EXPECT_TRUE(control.IsCaptured());
    }
    EXPECT_EQ(log.Take(), (std::vector<int>{3, 4}));
    EXPECT_EQ(VeltisTest::ListenerCount(second.GetValueChangedEvent()), 0);
}

} // namespace
