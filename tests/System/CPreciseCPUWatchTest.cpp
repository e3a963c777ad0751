#include <gtest/gtest.h>

#include <stdint.h>

#include <cmath>
#include <limits>

#include "Veltis/System/CPreciseCPUWatch.h"

using namespace Veltis;

TEST(CPreciseCPUWatchTest, ConversionsSaturateInsteadOfWrapping)
{
    System::CPreciseCPUWatch watch;
    struct Case {
        double milliseconds;
        uint64_t ticks;
    };
    // The monotonic clock counts nanoseconds.
    const Case kCases[] = {
        {0.0, 0},
        {1.0, 1000000},
        {2.5, 2500000},
        {-1.0, 0},
        {std::nan(""), 0},
        {1e300, UINT64_MAX},
        {std::numeric_limits<double>::infinity(), UINT64_MAX},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.milliseconds);
        EXPECT_EQ(watch.MillisecondsToTicks(c.milliseconds), c.ticks);
    }
    EXPECT_DOUBLE_EQ(watch.TicksToMilliseconds(1500000), 1.5);
}

TEST(CPreciseCPUWatchTest, AFreshWatchStandsAtZero)
{
    System::CPreciseCPUWatch watch;
    EXPECT_FALSE(watch.IsRunning());
    EXPECT_EQ(watch.GetElapsedTicks(), 0u);
}

TEST(CPreciseCPUWatchTest, StopFreezesTheElapsedTimeAndResetHoldsItAtZero)
{
    System::CPreciseCPUWatch watch;
    watch.Start();
    EXPECT_TRUE(watch.IsRunning());
    const uint64_t before = System::CPreciseCPUWatch::GetCurrentTicks();
    while (System::CPreciseCPUWatch::GetCurrentTicks() == before) {
    }
    watch.Stop();
    const uint64_t frozen = watch.GetElapsedTicks();
    EXPECT_GT(frozen, 0u);
    const uint64_t later = System::CPreciseCPUWatch::GetCurrentTicks();
    while (System::CPreciseCPUWatch::GetCurrentTicks() == later) {
    }
    EXPECT_EQ(watch.GetElapsedTicks(), frozen);
    EXPECT_DOUBLE_EQ(watch.GetElapsedMilliseconds(), watch.TicksToMilliseconds(frozen));

    watch.Reset();
    EXPECT_FALSE(watch.IsRunning());
    EXPECT_EQ(watch.GetElapsedTicks(), 0u);
}

TEST(CPreciseCPUWatchTest, ARunningWatchNeverGoesBackwards)
{
    System::CPreciseCPUWatch watch;
    watch.Start();
    uint64_t previous = 0;
    for (int i = 0; i < 1000; ++i) {
        const uint64_t elapsed = watch.GetElapsedTicks();
        ASSERT_GE(elapsed, previous);
        previous = elapsed;
    }
}
