#include "Veltis/Audio/DSP/Filters/CBrickwallLimiter.h"
#include "Veltis/DataModel/Objects/IConstParamInfo.h"
#include "Veltis/DataModel/Objects/IConstProductInfo.h"
#include "Veltis/Math/FunctionsLibrary.h"

#include "support/CAllocationCounter.h"
#include "support/MonoFilterBlocks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <random>
#include <vector>

using namespace Veltis::Audio::DSP;
using namespace Veltis::Audio::DSP::Filters;
using Veltis::Math::FunctionsLibrary::FromdB;
using VeltisTest::FillVariations;
using VeltisTest::ProcessInPlace;
using VeltisTest::SetRate;
using VeltisTest::SetValues;

TEST(CBrickwallLimiterTest, ConstantOverloadComesOutAtFullScaleFromTheFirstSample)
{
    CBrickwallLimiter limiter(1);
    SetRate(limiter, 44100.0);
    SetValues(limiter, {0.5f, 0.0f});
    std::vector<float> samples(128, 2.0f);
    ProcessInPlace(limiter, samples.data(), 128);
    for (float s : samples)
        ASSERT_EQ(s, 1.0f);
    limiter.UpdateOutputs();
    EXPECT_NEAR(limiter.GetOutputParamsValues().GetValue(0), -6.02f, 0.01f);
    limiter.Reset();
    limiter.UpdateOutputs();
    EXPECT_EQ(limiter.GetOutputParamsValues().GetValue(0), 0.0f);
}

TEST(CBrickwallLimiterTest, ReleaseShrinksTheExcessToATenthInTheDecayTime)
{
    CBrickwallLimiter limiter;
    SetRate(limiter, 44100.0);
    SetValues(limiter, {0.5f, 0.0f});
    std::vector<float> samples(22051, 0.5f);
    samples[0] = 4.0f;
    ProcessInPlace(limiter, samples.data(), 22051);
    EXPECT_EQ(samples[0], 1.0f);
    EXPECT_LT(samples[1], 0.5f);
    EXPECT_NEAR(limiter.GetFollower().m_Envelopes[0] - 0.5f, 0.35f, 1e-3f);
}

TEST(CBrickwallLimiterTest, SoftKneeBelowFullScale)
{
    CBrickwallLimiter limiter;
    SetRate(limiter, 48000.0);
    SetValues(limiter, {0.0f, 3.0f});
    EXPECT_EQ(limiter.GetKnee(), FromdB(-3.0f));
    std::vector<float> samples = {0.8f, 0.5f, 1.3f};
    ProcessInPlace(limiter, samples.data(), 3);
    EXPECT_NEAR(samples[0], 0.8f * 0.99093f, 1e-5f);
    EXPECT_EQ(samples[1], 0.5f); // at or below the knee: unchanged
    EXPECT_EQ(samples[2], 1.3f * (1.0f / 1.3f));
}

TEST(CBrickwallLimiterTest, TailIsFourDecayTimes)
{
    CBrickwallLimiter limiter;
    SetRate(limiter, 48000.0); // defaults: 0.7 s
    EXPECT_EQ(limiter.GetTailLength(), 134400);
    SetValues(limiter, {1e30f, 0.0f});
    EXPECT_EQ(limiter.GetTailLength(), INT32_MAX);
    SetValues(limiter, {std::numeric_limits<float>::quiet_NaN(), 0.0f});
    EXPECT_EQ(limiter.GetTailLength(), 0);
}

TEST(CBrickwallLimiterTest, NoiseStaysAtOrBelowFullScaleAlsoWhileRamping)
{
    std::mt19937 random(5);
    std::uniform_real_distribution<float> noise(-6.0f, 6.0f);
    for (int sets = 0; sets <= 3; ++sets) {
        SCOPED_TRACE(sets);
        CBrickwallLimiter limiter;
        SetRate(limiter, 48000.0);
        SetValues(limiter, {0.05f, 6.0f});
        CDynamicParamsVariations variations;
        FillVariations(variations, {{0.05f, 6.0f}, {0.0001f, -0.001f}, {0.0f, 0.00001f}});
        variations.SetCount(sets);
        std::vector<float> samples(4096);
        for (float& s : samples)
            s = noise(random);
        ProcessInPlace(limiter, samples.data(), 4096, sets ? &variations : nullptr);
        for (float s : samples)
            ASSERT_LE(std::fabs(s), 1.0f);
    }
}

TEST(CBrickwallLimiterTest, DecayRampChangesTheReleaseAfterEverySample)
{
    CBrickwallLimiter limiter;
    SetRate(limiter, 48000.0);
    CDynamicParamsVariations variations;
    FillVariations(variations, {{0.1f, 0.0f}, {0.001f, 0.0f}});
    std::vector<float> samples(10, 0.0f);
    ProcessInPlace(limiter, samples.data(), 10, &variations);
    const float decay = static_cast<float>(0.1f * 48000.0) + 9.0f * static_cast<float>(0.001f * 48000.0) +
                        static_cast<float>(0.001f * 48000.0);
    EXPECT_NEAR(static_cast<float>(limiter.GetFollower().m_ReleaseLength), decay, 1.0f);

    // The final length alone would also come from one jump at the end of the block. Within the block a
    // longer release holds the envelope higher, so from the second sample on the limiter attenuates more
    // than one that keeps the starting decay.
    CBrickwallLimiter ramped, steady;
    SetRate(ramped, 48000.0);
    SetRate(steady, 48000.0);
    SetValues(steady, {0.1f, 0.0f});
    std::vector<float> rampedOut = {3.0f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f};
    std::vector<float> steadyOut = rampedOut;
    ProcessInPlace(ramped, rampedOut.data(), 10, &variations);
    ProcessInPlace(steady, steadyOut.data(), 10);
    EXPECT_EQ(rampedOut[0], steadyOut[0]);
    for (int k = 1; k < 10; ++k)
        EXPECT_LT(rampedOut[k], steadyOut[k]) << k;
}

TEST(CBrickwallLimiterTest, LimitsAgainOnTheSampleAfterANaN)
{
    CBrickwallLimiter limiter;
    SetRate(limiter, 48000.0);
    std::vector<float> samples = {3.0f, std::numeric_limits<float>::quiet_NaN(), 3.0f, 2.0f};
    ProcessInPlace(limiter, samples.data(), 4);
    EXPECT_TRUE(std::isnan(samples[1]));
    EXPECT_EQ(samples[2], 1.0f);
    EXPECT_NEAR(samples[3], 2.0f / 3.0f, 1e-4f); // the envelope has released a little from 3
}

TEST(CBrickwallLimiterTest, RateZeroMakesSetParamsValuesANoOp)
{
    CBrickwallLimiter limiter;
    SetValues(limiter, {0.5f, 12.0f});
    EXPECT_EQ(limiter.GetKnee(), 1.0f);
    EXPECT_EQ(limiter.GetTailLength(), 0);
}

TEST(CBrickwallLimiterTest, CloneCarriesTheEnvelope)
{
    CBrickwallLimiter limiter;
    SetRate(limiter, 48000.0);
    std::vector<float> samples = {5.0f};
    ProcessInPlace(limiter, samples.data(), 1);
    std::unique_ptr<IFilter> clone(limiter.Clone());
    std::vector<float> a(8, 0.9f), b(8, 0.9f);
    ProcessInPlace(limiter, a.data(), 8);
    ProcessInPlace(*clone, b.data(), 8);
    EXPECT_EQ(a, b);
    EXPECT_LT(a[0], 0.9f);
}

TEST(CBrickwallLimiterTest, DescriptorsAsPublished)
{
    CBrickwallLimiter limiter;
    EXPECT_STREQ(limiter.GetObjectInfo().GetName(), "Brickwall Limiter");
    ASSERT_EQ(limiter.GetInputParamsInfo().GetCount(), 2);
    EXPECT_EQ(limiter.GetInputParamsInfo().GetAt(0).GetDefault(), 0.7f);
    EXPECT_STREQ(limiter.GetInputParamsInfo().GetAt(0).GetUnit(), "s");
    EXPECT_STREQ(limiter.GetOutputParamsInfo().GetAt(0).GetName(), "Attenuation");
    EXPECT_EQ(limiter.GetOutputParamsInfo().GetAt(0).GetMin(), -60.0f);
}

TEST(CBrickwallLimiterTest, BlocksAndRefreshesAllocateNothing)
{
    CBrickwallLimiter limiter;
    SetRate(limiter, 48000.0);
    CDynamicParamsVariations ramp;
    FillVariations(ramp, {{0.5f, 3.0f}, {0.0001f, 0.001f}});
    std::vector<float> samples(4096, 1.5f);
    long count;
    {
        VeltisTest::CAllocationCounter counter;
        for (int block : {32, 512, 4096}) {
            ProcessInPlace(limiter, samples.data(), block, &ramp);
            ProcessInPlace(limiter, samples.data(), block);
            VeltisTest::ProcessSilenceInPlace(limiter, samples.data(), block);
            limiter.UpdateOutputs();
        }
        count = counter.GetCount();
    }
    EXPECT_EQ(count, 0);
}
