#include "Veltis/Audio/DSP/Filters/CFastCompressor.h"
#include "Veltis/DataModel/Objects/IConstParamInfo.h"
#include "Veltis/DataModel/Objects/IConstProductInfo.h"
#include "Veltis/Math/FunctionsLibrary.h"

#include "support/CAllocationCounter.h"
#include "support/MonoFilterBlocks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

using namespace Veltis::Audio::DSP;
using namespace Veltis::Audio::DSP::Filters;
using Veltis::Math::FunctionsLibrary::FromdB;
using VeltisTest::FillVariations;
using VeltisTest::Noise;
using VeltisTest::ProcessInPlace;
using VeltisTest::SetRate;
using VeltisTest::SetValues;

TEST(CFastCompressorTest, SlopeOneGivesTheInputBackWithinRounding)
{
    CFastCompressor compressor;
    SetRate(compressor, 48000.0);
    SetValues(compressor, {0.001f, 0.01f, -20.0f, 1.0f, 3.0f});
    const std::vector<float> input = Noise(2048, 4.0f);
    std::vector<float> output = input;
    ProcessInPlace(compressor, output.data(), 2048);
    for (size_t k = 0; k < input.size(); ++k)
        ASSERT_NEAR(output[k], input[k], 4.0f * std::numeric_limits<float>::epsilon() * std::fabs(input[k])) << k;
}

TEST(CFastCompressorTest, FlatSlopeAtZeroDecibelsNeverExceedsFullScale)
{
    CFastCompressor compressor;
    SetRate(compressor, 44100.0);
    SetValues(compressor, {0.0f, 0.2f, 0.0f, 0.0f, 0.0f});
    std::vector<float> samples = Noise(4096, 8.0f);
    ProcessInPlace(compressor, samples.data(), 4096);
    for (float y : samples)
        ASSERT_LE(std::fabs(y), 1.0f);
}

TEST(CFastCompressorTest, SteadyInputAboveTheThresholdIsCompressedAlongTheSlope)
{
    CFastCompressor compressor;
    SetRate(compressor, 48000.0);
    SetValues(compressor, {0.0f, 0.1f, -6.0f, 0.5f, 0.0f});
    std::vector<float> samples(256, 1.0f);
    ProcessInPlace(compressor, samples.data(), 256);
    EXPECT_NEAR(compressor.GetGain(), 0.7505936f, 1e-6f);
    EXPECT_NEAR(samples[255], 0.7505936f, 1e-6f);
    compressor.UpdateOutputs();
    EXPECT_NEAR(compressor.GetOutputParamsValues().GetValue(0), -2.49f, 0.01f);

    compressor.Reset();
    compressor.UpdateOutputs();
    EXPECT_EQ(compressor.GetGain(), 1.0f);
    EXPECT_EQ(compressor.GetOutputParamsValues().GetValue(0), 0.0f);
}

TEST(CFastCompressorTest, TimesAreSecondsTimesTheRate)
{
    CFastCompressor compressor;
    SetRate(compressor, 48000.0);
    SetValues(compressor, {0.25f, 0.5f, 0.0f, 1.0f, 0.0f});
    EXPECT_EQ(compressor.GetFollower().m_ReleaseLength, 24000);
    EXPECT_EQ(compressor.GetFollower().m_AttackCoeff,
              static_cast<float>(std::exp(-std::log(10.0) / static_cast<double>(0.25f * 48000.0))));
    EXPECT_EQ(compressor.GetFollower().m_HoldLength, 0);
}

// A threshold ramp re-applies entry 0 after samples k with k & (2^mode - 1) == 0: the gain of sample k + 1
// shows which threshold was in force.
TEST(CFastCompressorTest, RampReappliesTheCurveEveryTwoToTheModeSamples)
{
    for (int mode : {0, 4}) {
        SCOPED_TRACE(mode);
        CFastCompressor compressor;
        compressor.SetMode(mode);
        SetRate(compressor, 48000.0);
        CDynamicParamsVariations variations;
        FillVariations(variations, {{0.0f, 0.0f, -20.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.1f, 0.0f, 0.0f}});
        std::vector<float> samples(40, 1.0f);
        ProcessInPlace(compressor, samples.data(), 40, &variations);
        // Slope 0: the output is the threshold in force for that sample.
        float threshold = FromdB(-20.0f);
        float inForce = threshold;
        const float step = FromdB(0.1f);
        for (int k = 0; k < 40; ++k) {
            ASSERT_EQ(samples[k], inForce) << k;
            threshold *= step;
            if ((k & ((1 << mode) - 1)) == 0)
                inForce = threshold;
        }
    }
}

// The equaliser keeps compressors by value and assigns clones into them.
TEST(CFastCompressorTest, AssignmentCopiesTheWholeState)
{
    CFastCompressor original;
    original.SetMode(4);
    SetRate(original, 48000.0);
    SetValues(original, {0.001f, 0.05f, -12.0f, 0.3f, 2.0f});
    std::vector<float> warmUp = Noise(300, 2.0f);
    ProcessInPlace(original, warmUp.data(), 300);

    CFastCompressor assigned;
    assigned = original;
    EXPECT_EQ(assigned.GetMode(), 4);
    EXPECT_EQ(assigned.GetGain(), original.GetGain());
    std::vector<float> a = Noise(512, 2.0f), b = a;
    ProcessInPlace(original, a.data(), 512);
    ProcessInPlace(assigned, b.data(), 512);
    EXPECT_EQ(a, b);
}

TEST(CFastCompressorTest, RateZeroIgnoresValuesAndRamps)
{
    CFastCompressor compressor;
    SetValues(compressor, {0.0f, 0.0f, -40.0f, 0.0f, 0.0f});
    CDynamicParamsVariations variations;
    FillVariations(variations, {{0.0f, 0.0f, -40.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f, 0.0f, 0.0f}});
    std::vector<float> samples(16, 0.5f);
    ProcessInPlace(compressor, samples.data(), 16, &variations);
    for (float s : samples)
        EXPECT_EQ(s, 0.5f);
}

TEST(CFastCompressorTest, NonFiniteSampleDoesNotLatchTheGain)
{
    CFastCompressor compressor;
    SetRate(compressor, 48000.0);
    SetValues(compressor, {0.0f, 0.5f, 0.0f, 0.0f, 0.0f});
    std::vector<float> samples = {2.0f, std::numeric_limits<float>::infinity(), 2.0f, 4.0f};
    ProcessInPlace(compressor, samples.data(), 4);
    EXPECT_EQ(samples[2], 1.0f);
    EXPECT_EQ(samples[3], 1.0f);
}

TEST(CFastCompressorTest, DescriptorsAsPublished)
{
    CFastCompressor compressor;
    EXPECT_STREQ(compressor.GetObjectInfo().GetName(), "Fast Compressor");
    ASSERT_EQ(compressor.GetInputParamsInfo().GetCount(), 5);
    EXPECT_STREQ(compressor.GetInputParamsInfo().GetAt(0).GetName(), "Attack Time");
    EXPECT_EQ(compressor.GetInputParamsInfo().GetAt(1).GetDefault(), 700.0f);
    EXPECT_STREQ(compressor.GetInputParamsInfo().GetAt(3).GetName(), "Knee");
    EXPECT_STREQ(compressor.GetInputParamsInfo().GetAt(4).GetName(), "");
    ASSERT_EQ(compressor.GetOutputParamsInfo().GetCount(), 1);
    EXPECT_STREQ(compressor.GetOutputParamsInfo().GetAt(0).GetName(), "Compression");
    EXPECT_EQ(compressor.GetOutputParamsValues().GetCount(), 1);
}

TEST(CFastCompressorTest, BlocksAndRefreshesAllocateNothing)
{
    CFastCompressor compressor;
    compressor.SetMode(4);
    SetRate(compressor, 48000.0);
    CDynamicParamsVariations ramp;
    FillVariations(ramp, {{0.001f, 0.01f, -6.0f, 0.5f, 3.0f}, {0.0f, 0.0f, 0.001f, 0.0001f, 0.0f},
                          {0.0f, 0.0f, 0.0f, 0.0f, 0.0f}});
    std::vector<float> samples = Noise(4096, 2.0f);
    long count;
    {
        VeltisTest::CAllocationCounter counter;
        for (int block : {32, 512, 4096}) {
            ProcessInPlace(compressor, samples.data(), block, &ramp);
            VeltisTest::ProcessSilenceInPlace(compressor, samples.data(), block, &ramp);
            compressor.UpdateOutputs();
        }
        count = counter.GetCount();
    }
    EXPECT_EQ(count, 0);
}
