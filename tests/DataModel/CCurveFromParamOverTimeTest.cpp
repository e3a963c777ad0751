#include <gtest/gtest.h>

#include <climits>

#include "Veltis/DataModel/Objects/CCaptureCurve.h"
#include "Veltis/DataModel/Objects/CCaptureSurfaceFromCurveOverTime.h"
#include "Veltis/DataModel/Objects/CCurveFromParamOverTime.h"
#include "Veltis/Math/CConstantFunction.h"
#include "support/CFakeClock.h"
#include "support/CManualTimerProvider.h"
#include "support/CaptureSupport.h"

using Veltis::DataModel::Objects::CCaptureCurve;
using Veltis::DataModel::Objects::CCaptureParam;
using Veltis::DataModel::Objects::CCaptureSurfaceFromCurveOverTime;
using Veltis::DataModel::Objects::CCurveFromParamOverTime;
using Veltis::Math::CSweptValues;
using VeltisTest::CCountingCommand;

namespace {

// A parameter of -1..1 with default 0.5 sampled by a curve history on a manual timer and a fake clock.
struct CurveHistoryFixture : ::testing::Test {
    CurveHistoryFixture() : history(&source, &timer)
    {
        history.GetValueChangedEvent().AddListener(changes);
    }
    ~CurveHistoryFixture() override { history.GetValueChangedEvent().RemoveListener(&changes); }

    void TickAfter(double ms) { VeltisTest::TickAfter(clock, timer, ms); }
    float At(float x) { return history.GetValue().GetValue(x); }

    static CCaptureParam* MakeSource(CCaptureParam& param)
    {
        VeltisTest::SetRange(param, -1.0f, 1.0f);
        param.GetWritableInfo().SetDefault(0.5f);
        param.GetWritableInfo().SetName("level");
        return &param;
    }

    VeltisTest::CFakeClock clock;
    VeltisTest::CManualTimerProvider timer;
    CCaptureParam param;
    CCaptureParam* sourcePointer = MakeSource(param);
    CCaptureParam& source = *sourcePointer;
    CCurveFromParamOverTime history;
    CCountingCommand changes;
};

TEST_F(CurveHistoryFixture, FreshHistoryHoldsTenSecondsAtFiftyMilliseconds)
{
    EXPECT_EQ(history.GetRefreshTime(), 50);
    ASSERT_EQ(timer.GetRegistrationCount(), 1);
    EXPECT_EQ(timer.GetCalls().back().m_Period, 50);
    EXPECT_EQ(history.GetValue().GetTypeId(), std::string(CSweptValues::kClassId));
    const CSweptValues& swept = dynamic_cast<const CSweptValues&>(history.GetValue());
    EXPECT_EQ(swept.GetMaxPointsCount(), CSweptValues::GetRingSize(200));
    EXPECT_FLOAT_EQ(swept.GetDuration(), 10.0f);

    const auto& time = history.GetInfo().GetXInfo();
    EXPECT_STREQ(time.GetName(), "time");
    EXPECT_STREQ(time.GetUnit(), "s");
    EXPECT_FLOAT_EQ(time.GetMin(), -10.0f);
    EXPECT_EQ(time.GetMax(), 0.0f);
    EXPECT_STREQ(history.GetInfo().GetYInfo().GetName(), "level");
    EXPECT_EQ(history.GetInfo().GetYInfo().GetMin(), -1.0f);
    EXPECT_FALSE(history.IsCaptured());
}

TEST_F(CurveHistoryFixture, ShowsTheDefaultUntilSamplesArriveThenInterpolatesBetweenThem)
{
    source.SetValue(0.2f);
    EXPECT_EQ(At(0.0f), 0.5f);
    TickAfter(50);
    EXPECT_EQ(At(0.0f), 0.2f);
    EXPECT_EQ(At(-0.01f), 0.5f);
    source.SetValue(1.0f);
    TickAfter(50);
    EXPECT_EQ(At(0.0f), 1.0f);
    EXPECT_FLOAT_EQ(At(-0.025f), 0.6f);
    EXPECT_EQ(changes.GetCount(), 2);
}

TEST_F(CurveHistoryFixture, EveryTickNotifiesAlsoWhenTheSampleIsRefused)
{
    TickAfter(50);
    source.SetValue(0.9f);
    timer.Tick();
    EXPECT_EQ(changes.GetCount(), 2);
    EXPECT_EQ(At(0.0f), 0.0f);
}

TEST_F(CurveHistoryFixture, OnlyTheValueAtTheTickIsRecordedAndPausingFreezesTheCurve)
{
    source.SetValue(0.1f);
    source.SetValue(0.3f);
    TickAfter(50);
    EXPECT_EQ(At(0.0f), 0.3f);

    history.SetPaused(true);
    EXPECT_TRUE(history.IsPaused());
    source.SetValue(0.7f);
    TickAfter(50);
    EXPECT_EQ(At(0.0f), 0.3f);
    EXPECT_EQ(changes.GetCount(), 1);

    history.SetPaused(false);
    TickAfter(50);
    EXPECT_EQ(At(0.0f), 0.7f);
    EXPECT_FLOAT_EQ(At(-0.05f), 0.5f);
}

TEST_F(CurveHistoryFixture, DurationAndPeriodResizeTheHistoryAndDiscardSamples)
{
    struct Case {
        int durationMs;
        int refreshMs;
        int expectedPeriod;
        int points;
    };
    const Case kCases[] = {
        {5000, 50, 50, 100}, {10000, 37, 37, 270}, {10000, 0, 1, 10000}, {10000, -5, 1, 10000}, {250, 2, 2, 125},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.durationMs * 1000 + c.refreshMs);
        TickAfter(50);
        history.SetDuration(c.durationMs);
        history.SetRefreshTime(c.refreshMs);
        EXPECT_EQ(history.GetRefreshTime(), c.expectedPeriod);
        EXPECT_EQ(timer.GetCalls().back().m_Period, c.expectedPeriod);
        EXPECT_EQ(timer.GetRegistrationCount(), 1);
        const CSweptValues& swept = dynamic_cast<const CSweptValues&>(history.GetValue());
        EXPECT_EQ(swept.GetMaxPointsCount(), CSweptValues::GetRingSize(c.points));
        EXPECT_EQ(swept.GetPointsCount(), 0);
        EXPECT_FLOAT_EQ(history.GetInfo().GetXInfo().GetMin(), c.durationMs * -0.001f);
        EXPECT_EQ(At(0.0f), 0.5f);
    }
}

TEST_F(CurveHistoryFixture, AHugeDurationFromASkinIsCappedInsteadOfAllocatingGigabytes)
{
    history.SetRefreshTime(1);
    history.SetDuration(INT_MAX);
    const CSweptValues& swept = dynamic_cast<const CSweptValues&>(history.GetValue());
    EXPECT_EQ(swept.GetMaxPointsCount(), CCurveFromParamOverTime::kMaxPointsCount);
    history.SetDuration(INT_MIN);
    EXPECT_EQ(swept.GetMaxPointsCount(), CSweptValues::GetRingSize(0));
    TickAfter(50);
    EXPECT_EQ(At(0.0f), 0.0f);
}

TEST_F(CurveHistoryFixture, DisconnectStopsSamplingWithoutNotifyingAndAnotherParamCanBeBound)
{
    TickAfter(50);
    history.Disconnect();
    EXPECT_EQ(changes.GetCount(), 1);
    source.SetValue(1.0f);
    TickAfter(50);
    EXPECT_EQ(changes.GetCount(), 1);
    EXPECT_EQ(At(0.0f), 0.0f);

    CCaptureParam other;
    VeltisTest::SetRange(other, 0.0f, 100.0f);
    other.GetWritableInfo().SetDefault(40.0f);
    history.SetParam(&other);
    EXPECT_EQ(history.GetInfo().GetYInfo().GetMax(), 100.0f);
    EXPECT_EQ(At(-5.0f), 40.0f);
    history.SetParam(nullptr);
    TickAfter(50);
    EXPECT_EQ(changes.GetCount(), 1);
}

TEST(CurveHistory, DestructionUnregistersItsTimer)
{
    VeltisTest::CManualTimerProvider timer;
    CCaptureParam source;
    { CCurveFromParamOverTime history(&source, &timer); }
    EXPECT_EQ(timer.GetRegistrationCount(), 0);
}

TEST(SurfaceHistory, SamplesTheCurveEveryHundredMillisecondsAndAnnouncesResets)
{
    VeltisTest::CFakeClock clock;
    VeltisTest::CManualTimerProvider timer;
    CCaptureCurve curve;
    curve.GetWritableInfo().GetXInfo().SetName("frequency");
    curve.GetWritableInfo().GetYInfo().SetDefault(3.0f);
    {
        CCaptureSurfaceFromCurveOverTime history(&curve, &timer);
        CCountingCommand changes;
        history.GetValueChangedEvent().AddListener(changes);

        EXPECT_EQ(history.GetRefreshTime(), 100);
        const auto& swept = dynamic_cast<const Veltis::Math::CSweptCurvesFunction&>(history.GetValue());
        EXPECT_EQ(swept.GetMaxPointsCount(), CSweptValues::GetRingSize(100));
        EXPECT_STREQ(history.GetInfo().GetXInfo().GetName(), "time");
        EXPECT_FLOAT_EQ(history.GetInfo().GetXInfo().GetMin(), -10.0f);
        EXPECT_STREQ(history.GetInfo().GetYInfo().GetName(), "frequency");
        EXPECT_EQ(history.GetInfo().GetZInfo().GetDefault(), 3.0f);
        EXPECT_EQ(history.GetValue().GetValue(0.0f, 7.0f), 3.0f);

        clock.AdvanceMs(100);
        timer.Tick();
        EXPECT_EQ(history.GetValue().GetValue(0.0f, 7.0f), 7.0f);
        curve.SetValue(Veltis::Math::CConstantFunction(2.0f));
        clock.AdvanceMs(100);
        timer.Tick();
        EXPECT_FLOAT_EQ(history.GetValue().GetValue(-0.05f, 6.0f), 4.0f);
        EXPECT_EQ(changes.GetCount(), 2);

        history.SetDuration(5000);
        EXPECT_EQ(changes.GetCount(), 3);
        history.Disconnect();
        EXPECT_EQ(changes.GetCount(), 4);
        EXPECT_EQ(history.GetValue().GetValue(0.0f, 7.0f), 0.0f);
        history.GetValueChangedEvent().RemoveListener(&changes);
    }
    EXPECT_EQ(timer.GetRegistrationCount(), 0);
}

} // namespace
