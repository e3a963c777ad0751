#include "Veltis/Audio/DSP/COutputDataSync.h"
#include "Veltis/Audio/DSP/COutputDataSyncMux.h"
#include "support/TRecordingFilter.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

using namespace Veltis::Audio::DSP;

TEST(OutputDataSync, PeriodIsTheTruncatedRatioAndDueAfterARateChange)
{
    struct Case {
        double rate, hz;
        int period;
    };
    const Case kCases[] = {
        {44100, 50, 882}, {48000, 50, 960}, {44100, 30, 1470}, {44100, 22, 2004},
        {44100, 0, 0},    {0, 50, 0},       {1e300, 1, INT_MAX}, {44100, NAN, 0}, {-44100, 50, 0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.hz);
        COutputDataSync sync;
        sync.SetRefreshRate(c.hz);
        sync.SetSampleRate(c.rate);
        EXPECT_EQ(sync.GetPeriod(), c.period);
        EXPECT_TRUE(sync.IsRefreshNeeded());
    }
}

TEST(OutputDataSync, ResetDropsTheExcessOverThePeriod)
{
    COutputDataSync sync;
    sync.SetRefreshRate(50);
    sync.SetSampleRate(44100);
    sync.Reset();
    sync.AddSamples(512);
    EXPECT_FALSE(sync.IsRefreshNeeded());
    sync.AddSamples(512);
    EXPECT_TRUE(sync.IsRefreshNeeded());
    sync.Reset();
    sync.AddSamples(512);
    EXPECT_FALSE(sync.IsRefreshNeeded());

    // A lower rate's shorter period is due at once; the counter is kept.
    sync.SetRefreshRate(100);
    EXPECT_TRUE(sync.IsRefreshNeeded());
    EXPECT_EQ(sync.GetRefreshRate(), 100.0);
}

TEST(OutputDataSync, CounterStopsAtTheLargestCount)
{
    COutputDataSync sync;
    sync.SetRefreshRate(1);
    sync.SetSampleRate(1e300);
    sync.Reset();
    for (int i = 0; i < 3; ++i)
        sync.AddSamples(INT_MAX);
    EXPECT_TRUE(sync.IsRefreshNeeded());
    sync.AddSamples(-5);
    EXPECT_TRUE(sync.IsRefreshNeeded());
}

TEST(OutputDataSyncMux, CombinesTheSyncsThatExist)
{
    VeltisTest::TRecordingFilter<1> first, second;
    COutputDataSyncMux mux(&first, &second);
    EXPECT_EQ(mux.Get(), nullptr);
    EXPECT_EQ(mux.GetRefreshRate(), 0.0);
    EXPECT_FALSE(mux.IsRefreshNeeded());

    second.m_HasSync = true;
    ASSERT_EQ(mux.Get(), &mux);
    mux.SetRefreshRate(50);
    second.m_Sync.SetSampleRate(44100);
    EXPECT_EQ(mux.GetRefreshRate(), 50.0);
    EXPECT_TRUE(mux.IsRefreshNeeded());
    mux.Reset();
    EXPECT_FALSE(mux.IsRefreshNeeded());

    first.m_HasSync = true;
    first.m_Sync.SetRefreshRate(70);
    EXPECT_EQ(mux.GetRefreshRate(), 70.0);
    EXPECT_TRUE(mux.IsRefreshNeeded()); // the first's period is 0: always due
}
