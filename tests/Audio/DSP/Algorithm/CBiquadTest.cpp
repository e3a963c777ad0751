#include "Veltis/Audio/DSP/Algorithm/BiquadDesigns.h"
#include "Veltis/Audio/DSP/Algorithm/CBiquad.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

using namespace Veltis::Audio::DSP::Algorithm;

TEST(CBiquadTest, UnitCoefficientPassesAnImpulseUnchanged)
{
    CBiquad biquad;
    biquad.b0 = 1.0;
    const float input[4] = {1.0f, 0.0f, -0.5f, 0.0f};
    float output[4];
    ProcessBiquad(biquad, input, 1, output, 1, 4);
    EXPECT_EQ(0, std::memcmp(input, output, sizeof input));
}

TEST(CBiquadTest, SubnormalOutputIsWrittenAsZeroAndNotFedBack)
{
    CBiquad biquad;
    biquad.c1 = 1.0;
    biquad.b0 = 1e-40;
    float samples[3] = {1.0f, 0.0f, 0.0f};
    ProcessBiquad(biquad, samples, 1, samples, 1, 3);
    EXPECT_EQ(samples[0], 0.0f);
    EXPECT_FALSE(std::signbit(samples[0]));
    EXPECT_EQ(biquad.y1, 0.0);
    EXPECT_EQ(samples[1], 0.0f);
    EXPECT_EQ(samples[2], 0.0f);
}

// One bad input must not leave infinities cycling through the history.
TEST(CBiquadTest, NonFiniteOutputRestartsTheWholeHistory)
{
    const float kBad[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()};
    for (float bad : kBad) {
        SCOPED_TRACE(bad);
        CBiquad biquad;
        DesignLowPass({0.3f}, biquad);
        const float input[4] = {0.5f, bad, 0.25f, 0.25f};
        float output[4];
        ProcessBiquad(biquad, input, 1, output, 1, 4);
        EXPECT_FALSE(std::isfinite(output[1]));
        EXPECT_EQ(biquad.x2, 0.25);
        EXPECT_TRUE(std::isfinite(output[2]));
        EXPECT_TRUE(std::isfinite(output[3]));
        EXPECT_EQ(output[2], static_cast<float>(0.25 * biquad.b0));
    }
}

TEST(CBiquadTest, StridedInPlaceBlockReadsEachSampleBeforeWritingIt)
{
    CBiquad a, b;
    DesignHighPass({0.1f}, a);
    b = a;
    float interleaved[8] = {1.0f, 9.0f, -1.0f, 9.0f, 0.5f, 9.0f, 0.25f, 9.0f};
    const float plain[4] = {1.0f, -1.0f, 0.5f, 0.25f};
    float expected[4];
    ProcessBiquad(b, plain, 1, expected, 1, 4);
    ProcessBiquad(a, interleaved, 2, interleaved, 2, 4);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(interleaved[2 * k], expected[k]);
        EXPECT_EQ(interleaved[2 * k + 1], 9.0f);
    }
}
