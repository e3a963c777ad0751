#include <gtest/gtest.h>

#include <vector>

#include "Veltis/DataModel/Objects/CCaptureParamTimeLink.h"
#include "support/CFakeClock.h"
#include "support/CManualTimerProvider.h"
#include "support/CaptureSupport.h"
#include "support/CWriteLog.h"

using Veltis::DataModel::Objects::CCaptureParam;
using Veltis::DataModel::Objects::CCaptureParamTimeLink;

namespace {

enum { kSourceBegin = 1, kSourceEnd = 2, kTargetBegin = 3, kTargetEnd = 4 };

// Source and target of 0..10 joined by an enabled time link of 250 ms stepping every 50 ms; the
// target's writes and both gestures are logged.
struct TimeLinkFixture : ::testing::Test {
    TimeLinkFixture() : link(&timer, &source, &target), writes(target)
    {
        VeltisTest::SetRange(source, 0.0f, 20.0f);
        VeltisTest::SetRange(target, 0.0f, 10.0f);
        gestures.Watch(source, kSourceBegin, kSourceEnd);
        gestures.Watch(target, kTargetBegin, kTargetEnd);
        link.Enable(true);
    }
    void TickAfter(double ms, int count = 1) { VeltisTest::TickAfter(clock, timer, ms, count); }
    std::vector<float> TakeWrites() { return writes.Take(); }

    VeltisTest::CFakeClock clock;
    VeltisTest::CManualTimerProvider timer;
    CCaptureParam source, target;
    CCaptureParamTimeLink link;
    VeltisTest::CWriteLog writes;
    VeltisTest::CGestureLog gestures;
};

TEST_F(TimeLinkFixture, MovesTheTargetInStepsAndEndsExactlyOnTheSourceValue)
{
    source.SetValue(10.0f);
    EXPECT_TRUE(TakeWrites().empty());
    TickAfter(50, 6);
    EXPECT_EQ(TakeWrites(), std::vector<float>({2.0f, 4.0f, 6.0f, 8.0f, 10.0f}));
    EXPECT_FALSE(link.IsTransitionActive());
}

TEST_F(TimeLinkFixture, ASourceBeyondTheTargetRangeEndsAtItsLimit)
{
    source.SetValue(20.0f);
    TickAfter(300);
    EXPECT_EQ(TakeWrites(), std::vector<float>({10.0f}));
}

TEST_F(TimeLinkFixture, ZeroDurationWritesInsideTheSourceNotification)
{
    link.SetDuration(0);
    source.SetValue(7.0f);
    EXPECT_EQ(TakeWrites(), std::vector<float>({7.0f}));
    link.SetDuration(-5);
    source.SetValue(3.0f);
    EXPECT_EQ(TakeWrites(), std::vector<float>({3.0f}));
}

TEST_F(TimeLinkFixture, AChangeDuringATransitionRestartsFromTheIntermediateValue)
{
    source.SetValue(10.0f);
    TickAfter(50, 2);
    EXPECT_EQ(target.GetValue(), 4.0f);
    source.SetValue(0.0f);
    TickAfter(50);
    EXPECT_FLOAT_EQ(target.GetValue(), 3.2f);
    TickAfter(200);
    EXPECT_EQ(target.GetValue(), 0.0f);
}

TEST_F(TimeLinkFixture, ATargetAlreadyAtTheEndEndsTheTransitionWithoutAWrite)
{
    source.SetValue(10.0f);
    TickAfter(50);
    target.SetValue(10.0f);
    TakeWrites();
    TickAfter(50);
    EXPECT_TRUE(TakeWrites().empty());
    EXPECT_FALSE(link.IsTransitionActive());

    source.SetValue(20.0f);
    EXPECT_FALSE(link.IsTransitionActive());
}

TEST_F(TimeLinkFixture, TheTargetGestureEndsWithTheTransitionNotWithTheSourceGesture)
{
    source.BeginCapture();
    source.SetValue(10.0f);
    TickAfter(50);
    source.EndCapture();
    EXPECT_EQ(gestures.Take(), std::vector<int>({kTargetBegin, kSourceBegin, kSourceEnd}));
    EXPECT_TRUE(target.IsCaptured());
    TickAfter(50, 4);
    EXPECT_EQ(gestures.Take(), std::vector<int>({kTargetEnd}));
    TickAfter(50);
    EXPECT_TRUE(gestures.Take().empty());
}

TEST_F(TimeLinkFixture, AGestureEndingWithoutATransitionEndsTheTargetGestureAtOnce)
{
    source.BeginCapture();
    source.EndCapture();
    EXPECT_EQ(gestures.Take(), std::vector<int>({kTargetBegin, kSourceBegin, kTargetEnd, kSourceEnd}));
}

TEST_F(TimeLinkFixture, ANewGestureCancelsThePendingEnd)
{
    source.BeginCapture();
    source.SetValue(10.0f);
    source.EndCapture();
    source.BeginCapture();
    TickAfter(50, 6);
    EXPECT_TRUE(target.IsCaptured());
    source.EndCapture();
    EXPECT_EQ(gestures.Take(), std::vector<int>({kTargetBegin, kSourceBegin, kSourceEnd, kSourceBegin, kTargetEnd, kSourceEnd}));
}

TEST_F(TimeLinkFixture, DisablingDuringATransitionLetsItRunAndEndTheGestureOnce)
{
    source.BeginCapture();
    source.SetValue(10.0f);
    TickAfter(50);
    link.Enable(false);
    EXPECT_TRUE(target.IsCaptured());
    source.EndCapture();
    TickAfter(50, 4);
    EXPECT_EQ(target.GetValue(), 10.0f);
    EXPECT_EQ(gestures.Take(), std::vector<int>({kTargetBegin, kSourceBegin, kSourceEnd, kTargetEnd}));
}

TEST_F(TimeLinkFixture, DisablingDuringAGestureWithoutATransitionEndsTheTargetGestureAtOnce)
{
    source.BeginCapture();
    link.Enable(false);
    EXPECT_FALSE(target.IsCaptured());
    source.EndCapture();
    link.Enable(true);
    EXPECT_EQ(gestures.Take(), std::vector<int>({kTargetBegin, kSourceBegin, kTargetEnd, kSourceEnd}));
}

TEST_F(TimeLinkFixture, AGesturePendingWhenTheLinkDiesIsEnded)
{
    link.Enable(false);
    CCaptureParam other;
    VeltisTest::SetRange(other, 0.0f, 10.0f);
    VeltisTest::CGestureLog otherGestures;
    otherGestures.Watch(other, kTargetBegin, kTargetEnd);
    {
        CCaptureParamTimeLink inner(&timer, &source, &other);
        inner.Enable(true);
        source.BeginCapture();
        source.SetValue(10.0f);
        source.EndCapture();
        EXPECT_TRUE(other.IsCaptured());
    }
    EXPECT_FALSE(other.IsCaptured());
    EXPECT_EQ(otherGestures.Take(), std::vector<int>({kTargetBegin, kTargetEnd}));
}

TEST(TimeLink, RegistersItsCommandOnceAndReplacesItOnlyForANewPeriod)
{
    VeltisTest::CManualTimerProvider timer;
    {
        CCaptureParamTimeLink link(&timer, nullptr, nullptr);
        ASSERT_EQ(timer.GetCalls().size(), 2u);
        EXPECT_FALSE(timer.GetCalls()[0].m_Added);
        EXPECT_EQ(timer.GetCalls()[1].m_Period, 50);
        EXPECT_FALSE(link.IsEnabled());
        timer.ClearCalls();
        link.SetRefreshTime(50);
        EXPECT_TRUE(timer.GetCalls().empty());
        link.SetRefreshTime(20);
        EXPECT_EQ(link.GetRefreshTime(), 20);
        EXPECT_EQ(timer.GetCalls().back().m_Period, 20);
        EXPECT_EQ(timer.GetRegistrationCount(), 1);
    }
    EXPECT_EQ(timer.GetRegistrationCount(), 0);
}

} // namespace
