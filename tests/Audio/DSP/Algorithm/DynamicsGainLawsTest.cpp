#include "Veltis/Audio/DSP/Algorithm/DynamicsGainLaws.h"
#include "Veltis/Math/FunctionsLibrary.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Veltis::Audio::DSP::Algorithm;
using Veltis::Math::FunctionsLibrary::FromdB;

TEST(DynamicsGainLawsTest, CompressorLineAboveTheThreshold)
{
    const float threshold = FromdB(-6.0f);
    EXPECT_NEAR(GetCompressorGain(1.0f, threshold, 0.0f, 0.5f), 0.7505936f, 1e-6f);
    EXPECT_EQ(GetCompressorGain(0.4f, threshold, 0.0f, 0.5f), 1.0f);
    // Slope 0 holds the output envelope at the threshold.
    EXPECT_NEAR(GetCompressorGain(3.0f, 1.0f, 0.0f, 0.0f) * 3.0f, 1.0f, 1e-6f);
}

TEST(DynamicsGainLawsTest, CompressorKneeJoinsUnityAndTheLine)
{
    const float threshold = 0.5f;
    const float width = threshold - threshold / FromdB(6.0f);
    const float low = threshold - width;
    const float high = threshold + width;
    EXPECT_NEAR(GetCompressorGain(low + 1e-6f, threshold, width, 0.3f), 1.0f, 1e-5f);
    const float line = ((high - threshold) * 0.3f + threshold) / high;
    EXPECT_NEAR(GetCompressorGain(high - 1e-6f, threshold, width, 0.3f), line, 1e-5f);
    EXPECT_NEAR(GetCompressorGain(high + 1e-6f, threshold, width, 0.3f), line, 1e-5f);
}

TEST(DynamicsGainLawsTest, CompressorSlopeOneGivesUnityUpToRounding)
{
    for (float e : {0.1f, 0.6f, 1.0f, 7.5f})
        for (float threshold : {0.25f, 1.0f, 2.0f})
            EXPECT_NEAR(GetCompressorGain(e, threshold, threshold - threshold / FromdB(3.0f), 1.0f), 1.0f, 4e-7f);
}

TEST(DynamicsGainLawsTest, LimiterHoldsFullScaleWithASoftKnee)
{
    const float knee = FromdB(-3.0f);
    EXPECT_NEAR(GetLimiterGain(0.8f, knee), 0.99093f, 1e-5f);
    EXPECT_EQ(GetLimiterGain(knee, knee), 1.0f);
    EXPECT_EQ(GetLimiterGain(1.3f, knee), 1.0f / 1.3f);
    EXPECT_EQ(GetLimiterGain(2.0f, 1.0f), 0.5f);
    EXPECT_EQ(GetLimiterGain(0.99f, 1.0f), 1.0f);
    for (int i = 0; i <= 400; ++i) {
        const float e = 0.01f * static_cast<float>(i);
        EXPECT_LE(e * GetLimiterGain(e, knee), 1.0f) << e;
    }
}
