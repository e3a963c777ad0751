#include <gtest/gtest.h>

#include <vector>

#include "Veltis/DataModel/Objects/CCaptureParamAnimation.h"
#include "support/CFakeClock.h"
#include "support/CWriteLog.h"
#include "support/CManualTimerProvider.h"
#include "support/CaptureSupport.h"
#include "support/ListenerCount.h"

using Veltis::DataModel::Objects::CCaptureParam;
using Veltis::DataModel::Objects::CCaptureParamAnimation;
using VeltisTest::CCountingCommand;

namespace {

// An animator connected to a 0..1 target at 0.25 named "gain"; the target's writes are recorded.
struct AnimatorFixture : ::testing::Test {
    AnimatorFixture() : animator(&timer, PrepareTarget()), writes(target)
    {
        animator.GetValueChangedEvent().AddListener(changes);
    }
    ~AnimatorFixture() override { animator.GetValueChangedEvent().RemoveListener(&changes); }
    CCaptureParam* PrepareTarget()
    {
        VeltisTest::SetRange(target, 0.0f, 1.0f);
        target.GetWritableInfo().SetName("gain");
        target.SetValue(0.25f);
        return &target;
    }
    void TickAfter(double ms, int count = 1) { VeltisTest::TickAfter(clock, timer, ms, count); }
    std::vector<float> TakeWrites() { return writes.Take(); }

    VeltisTest::CFakeClock clock;
    VeltisTest::CManualTimerProvider timer;
    CCaptureParam target;
    CCaptureParamAnimation animator;
    VeltisTest::CWriteLog writes;
    CCountingCommand changes;
};

TEST_F(AnimatorFixture, ConnectCopiesValueAndDescriptorWithoutMovingTheTarget)
{
    EXPECT_EQ(animator.GetValue(), 0.25f);
    EXPECT_STREQ(animator.GetInfo().GetName(), "gain");
    EXPECT_EQ(animator.GetInfo().GetMax(), 1.0f);
    TickAfter(50, 3);
    EXPECT_TRUE(TakeWrites().empty());
    EXPECT_EQ(target.GetValue(), 0.25f);
    EXPECT_TRUE(animator.IsEnabled());
    EXPECT_EQ(animator.GetRefreshTime(), 50);
}

TEST_F(AnimatorFixture, AWriteGlidesTheTargetThereOverTheDuration)
{
    animator.SetValue(1.0f);
    EXPECT_EQ(changes.GetCount(), 1);
    TickAfter(50, 6);
    // The fraction of the way that the elapsed time gives, in float as the link computes it.
    std::vector<float> expected;
    for (int step = 1; step <= 4; ++step)
        expected.push_back((0.75f * static_cast<float>(step * 50.0 / 250.0)) + 0.25f);
    expected.push_back(1.0f);
    EXPECT_EQ(TakeWrites(), expected);
    EXPECT_EQ(animator.GetValue(), 1.0f);
    EXPECT_EQ(changes.GetCount(), 1);
}

TEST_F(AnimatorFixture, DisabledTheTargetFollowsAtOnceAndTheDurationComesBackOnEnabling)
{
    CCountingCommand enableChanges;
    animator.GetEnableChangedEvent().AddListener(enableChanges);
    animator.Enable(false);
    animator.Enable(false);
    EXPECT_EQ(enableChanges.GetCount(), 1);
    animator.SetValue(0.75f);
    EXPECT_EQ(TakeWrites(), std::vector<float>({0.75f}));

    animator.SetDuration(100);
    animator.Enable(true);
    animator.SetValue(0.25f);
    EXPECT_TRUE(TakeWrites().empty());
    TickAfter(50, 2);
    EXPECT_EQ(TakeWrites(), std::vector<float>({0.5f, 0.25f}));
    animator.GetEnableChangedEvent().RemoveListener(&enableChanges);
}

TEST_F(AnimatorFixture, AnOutsideChangeIsTakenOverAtOnceAndStopsTheTransition)
{
    animator.SetValue(1.0f);
    TickAfter(50);
    target.SetValue(0.3f);
    EXPECT_EQ(animator.GetValue(), 0.3f);
    TakeWrites();
    TickAfter(50, 5);
    EXPECT_TRUE(TakeWrites().empty());
    EXPECT_EQ(target.GetValue(), 0.3f);
}

TEST_F(AnimatorFixture, ComparesBeforeClamping)
{
    animator.SetValue(0.25f);
    EXPECT_EQ(changes.GetCount(), 0);
    animator.SetValue(1.0f);
    animator.SetValue(7.0f);
    EXPECT_EQ(animator.GetValue(), 1.0f);
    EXPECT_EQ(changes.GetCount(), 2);
}

TEST_F(AnimatorFixture, FollowsTheTargetDescriptorWithoutReclamping)
{
    animator.SetValue(1.0f);
    target.GetWritableInfo().SetMax(0.5f);
    EXPECT_EQ(animator.GetInfo().GetMax(), 0.5f);
    EXPECT_EQ(animator.GetValue(), 1.0f);
}

TEST_F(AnimatorFixture, TheTargetGestureLastsUntilItStopsMoving)
{
    VeltisTest::CGestureLog gestures;
    gestures.Watch(target, 1, 2);
    animator.BeginCapture();
    animator.SetValue(1.0f);
    animator.EndCapture();
    EXPECT_TRUE(target.IsCaptured());
    TickAfter(50, 5);
    EXPECT_FALSE(target.IsCaptured());
    EXPECT_EQ(gestures.Take(), std::vector<int>({1, 2}));
}

TEST_F(AnimatorFixture, DisconnectAndDestructionLeaveTheTargetUnwatched)
{
    animator.Disconnect();
    EXPECT_EQ(VeltisTest::ListenerCount(target.GetValueChangedEvent()), 0);
    EXPECT_EQ(VeltisTest::ListenerCount(target.GetBeginCaptureEvent()), 0);
    EXPECT_EQ(VeltisTest::ListenerCount(target.GetInfo().GetChangedEvent()), 0);
    animator.SetValue(0.0f);
    TickAfter(300);
    EXPECT_EQ(target.GetValue(), 0.25f);

    {
        CCaptureParamAnimation other(&timer, &target);
        EXPECT_GT(VeltisTest::ListenerCount(target.GetValueChangedEvent()), 0);
    }
    EXPECT_EQ(VeltisTest::ListenerCount(target.GetValueChangedEvent()), 0);
    EXPECT_EQ(VeltisTest::ListenerCount(target.GetInfo().GetChangedEvent()), 0);
}

TEST(Animator, UnconnectedWritesStayAtZeroButStillNotify)
{
    VeltisTest::CManualTimerProvider timer;
    CCaptureParamAnimation animator(&timer, nullptr);
    CCountingCommand changes;
    animator.GetValueChangedEvent().AddListener(changes);
    animator.SetValue(5.0f);
    EXPECT_EQ(animator.GetValue(), 0.0f);
    EXPECT_EQ(changes.GetCount(), 1);
    timer.ClearCalls();
    animator.SetRefreshTime(50);
    EXPECT_TRUE(timer.GetCalls().empty());
    animator.SetRefreshTime(30);
    EXPECT_EQ(animator.GetRefreshTime(), 30);
    animator.GetValueChangedEvent().RemoveListener(&changes);
}

} // namespace
