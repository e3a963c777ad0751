#include <gtest/gtest.h>

#include <vector>

#include "Veltis/DataModel/Objects/CCaptureParamTimerProxy.h"
#include "support/CManualTimerProvider.h"
#include "support/CaptureSupport.h"
#include "support/ListenerCount.h"

using Veltis::DataModel::Objects::CCaptureParam;
using Veltis::DataModel::Objects::CCaptureParamTimerProxy;
using Veltis::DataModel::Objects::CConstCaptureParamTimerProxy;
using VeltisTest::CCountingCommand;
using VeltisTest::CManualTimerProvider;

namespace {

enum { kValue = 1, kBegin = 2, kEnd = 3 };

// A source of 0..40 behind a writable proxy, whose three events log into one list.
struct ProxyFixture : ::testing::Test {
    ProxyFixture() : proxy(&source, &timer), value(kValue, &log), begin(kBegin, &log), end(kEnd, &log)
    {
        VeltisTest::SetRange(source, 0.0f, 40.0f);
        proxy.GetValueChangedEvent().AddListener(value);
        proxy.GetBeginCaptureEvent().AddListener(begin);
        proxy.GetEndCaptureEvent().AddListener(end);
    }
    ~ProxyFixture() override
    {
        proxy.GetValueChangedEvent().RemoveListener(&value);
        proxy.GetBeginCaptureEvent().RemoveListener(&begin);
        proxy.GetEndCaptureEvent().RemoveListener(&end);
    }
    std::vector<int> Take()
    {
        std::vector<int> taken;
        taken.swap(log);
        return taken;
    }

    CManualTimerProvider timer;
    CCaptureParam source;
    CCaptureParamTimerProxy proxy;
    std::vector<int> log;
    CCountingCommand value, begin, end;
};

TEST_F(ProxyFixture, RegistersOneCommandAtFiftyMillisecondsAndReadsTheSourceLive)
{
    ASSERT_EQ(timer.GetRegistrationCount(), 1);
    EXPECT_EQ(timer.GetCalls().back().m_Period, 50);
    EXPECT_EQ(proxy.GetRefreshTime(), 50);
    source.SetValue(12.0f);
    EXPECT_EQ(proxy.GetValue(), 12.0f);
    EXPECT_EQ(&proxy.GetInfo(), &source.GetInfo());
    EXPECT_TRUE(Take().empty());
}

TEST_F(ProxyFixture, ManySourceChangesBetweenTicksGiveOneNotification)
{
    for (float v : {1.0f, 2.0f, 3.0f, 4.0f, 5.0f})
        source.SetValue(v);
    timer.Tick();
    EXPECT_EQ(Take(), std::vector<int>({kValue}));
    timer.Tick();
    EXPECT_TRUE(Take().empty());

    source.SetValue(7.0f);
    source.SetValue(5.0f);
    timer.Tick();
    EXPECT_EQ(Take(), std::vector<int>({kValue}));
}

TEST_F(ProxyFixture, WithinOneTickBeginComesBeforeTheValueAndEndAfterIt)
{
    source.BeginCapture();
    source.SetValue(10.0f);
    timer.Tick();
    EXPECT_EQ(Take(), std::vector<int>({kBegin, kValue}));
    EXPECT_TRUE(proxy.IsCaptured());

    source.SetValue(11.0f);
    source.EndCapture();
    timer.Tick();
    EXPECT_EQ(Take(), std::vector<int>({kValue, kEnd}));
    EXPECT_FALSE(proxy.IsCaptured());
}

TEST_F(ProxyFixture, AGestureWithinOnePeriodIsInvisible)
{
    source.BeginCapture();
    source.SetValue(10.0f);
    source.EndCapture();
    timer.Tick();
    EXPECT_EQ(Take(), std::vector<int>({kValue}));
}

TEST_F(ProxyFixture, PausedProxyAnnouncesNothingAndResumingDeliversWhatIsPending)
{
    proxy.SetPaused(true);
    EXPECT_TRUE(proxy.IsPaused());
    source.BeginCapture();
    source.SetValue(10.0f);
    timer.Tick(3);
    EXPECT_TRUE(Take().empty());
    EXPECT_EQ(timer.GetRegistrationCount(), 1);

    proxy.SetPaused(false);
    timer.Tick();
    EXPECT_EQ(Take(), std::vector<int>({kBegin, kValue}));
}

TEST_F(ProxyFixture, AWriteThroughTheProxyIsAnnouncedAtOnceAndNotAgain)
{
    struct Case {
        float start;
        float requested;
        bool notified;
    };
    // 50 on a source held at 40: the source keeps 40, the request differed, so it is announced.
    const Case kCases[] = {{0.0f, 5.0f, true}, {5.0f, 5.0f, false}, {40.0f, 50.0f, true}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.requested);
        source.SetValue(c.start);
        timer.Tick();
        Take();
        proxy.SetValue(c.requested);
        EXPECT_EQ(Take(), c.notified ? std::vector<int>({kValue}) : std::vector<int>());
        timer.Tick();
        EXPECT_TRUE(Take().empty());
    }
    EXPECT_EQ(source.GetValue(), 40.0f);
}

TEST_F(ProxyFixture, AWriteOfTheSameValueStillAnnouncesAPendingChange)
{
    source.SetValue(5.0f);
    proxy.SetValue(5.0f);
    EXPECT_EQ(Take(), std::vector<int>({kValue}));
    timer.Tick();
    EXPECT_TRUE(Take().empty());
}

TEST_F(ProxyFixture, AGestureThroughTheProxyIsAnnouncedAtOnceAndNotAtTheNextTick)
{
    proxy.BeginCapture();
    EXPECT_TRUE(source.IsCaptured());
    EXPECT_EQ(Take(), std::vector<int>({kBegin}));
    proxy.BeginCapture();
    timer.Tick();
    EXPECT_TRUE(Take().empty());

    proxy.EndCapture();
    EXPECT_FALSE(source.IsCaptured());
    EXPECT_EQ(Take(), std::vector<int>({kEnd}));
    timer.Tick();
    EXPECT_TRUE(Take().empty());
}

TEST_F(ProxyFixture, SetRefreshTimeAlwaysReplacesTheCommand)
{
    for (int period : {50, 20}) {
        SCOPED_TRACE(period);
        timer.ClearCalls();
        proxy.SetRefreshTime(period);
        ASSERT_EQ(timer.GetCalls().size(), 2u);
        EXPECT_FALSE(timer.GetCalls()[0].m_Added);
        EXPECT_TRUE(timer.GetCalls()[1].m_Added);
        EXPECT_EQ(timer.GetCalls()[1].m_Period, period);
        EXPECT_EQ(timer.GetRegistrationCount(), 1);
        EXPECT_EQ(proxy.GetRefreshTime(), period);
    }
    source.SetValue(3.0f);
    timer.Tick();
    EXPECT_EQ(Take(), std::vector<int>({kValue}));
}

TEST(CaptureParamTimerProxy, TakesTheSourceGestureStateAndUnhooksEverythingWhenDestroyed)
{
    CManualTimerProvider timer;
    CCaptureParam source;
    source.BeginCapture();
    {
        CConstCaptureParamTimerProxy proxy(&source, &timer);
        EXPECT_TRUE(proxy.IsCaptured());
        EXPECT_EQ(VeltisTest::ListenerCount(source.GetValueChangedEvent()), 1);
    }
    EXPECT_EQ(timer.GetRegistrationCount(), 0);
    EXPECT_EQ(VeltisTest::ListenerCount(source.GetValueChangedEvent()), 0);
    EXPECT_EQ(VeltisTest::ListenerCount(source.GetBeginCaptureEvent()), 0);
    EXPECT_EQ(VeltisTest::ListenerCount(source.GetEndCaptureEvent()), 0);
}

} // namespace
