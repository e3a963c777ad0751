#include "Veltis/Audio/DSP/Algorithm/BiquadDesigns.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

using namespace Veltis::Audio::DSP::Algorithm;
using Veltis::Math::FunctionsLibrary::FromdB;

namespace {

enum EKind { kLowPass, kHighPass, kLowShelf, kHighShelf, kPeak };

struct CCoefficients {
    double b0, b1, b2, c1, c2;
};

// The textbook form: a0 divides every term, c = -a / a0. Omega and the gain factors are rounded to
// 32 bits as the filters round them.
CCoefficients Reference(EKind kind, double fs, float frequency, float gain, float bandwidth)
{
    const double w = static_cast<float>(2.0 * M_PI / fs * frequency);
    const double s = std::sin(w), c = std::cos(w);
    double b0, b1, b2, a0, a1, a2;
    if (kind == kLowPass || kind == kHighPass) {
        const double alpha = s / (2.0 / std::sqrt(2.0));
        const double sign = kind == kLowPass ? 1.0 : -1.0;
        b0 = (1.0 - sign * c) / 2.0;
        b1 = sign * (1.0 - sign * c);
        b2 = b0;
        a0 = 1.0 + alpha;
        a1 = -2.0 * c;
        a2 = 1.0 - alpha;
    } else if (kind == kPeak) {
        const double A = FromdB(0.5f * gain);
        const double alpha = s * (0.5f * bandwidth);
        b0 = 1.0 + alpha * A;
        b1 = -2.0 * c;
        b2 = 1.0 - alpha * A;
        a0 = 1.0 + alpha / A;
        a1 = -2.0 * c;
        a2 = 1.0 - alpha / A;
    } else {
        const float root = FromdB(0.25f * gain);
        const double A = static_cast<float>(root * root);
        const double twoRootAAlpha = 2.0 * root * (s / std::sqrt(2.0));
        const double sign = kind == kLowShelf ? 1.0 : -1.0;
        b0 = A * ((A + 1) - sign * (A - 1) * c + twoRootAAlpha);
        b1 = sign * 2 * A * ((A - 1) - sign * (A + 1) * c);
        b2 = A * ((A + 1) - sign * (A - 1) * c - twoRootAAlpha);
        a0 = (A + 1) + sign * (A - 1) * c + twoRootAAlpha;
        a1 = -sign * 2 * ((A - 1) + sign * (A + 1) * c);
        a2 = (A + 1) + sign * (A - 1) * c - twoRootAAlpha;
    }
    return {b0 / a0, b1 / a0, b2 / a0, -a1 / a0, -a2 / a0};
}

CBiquad Design(EKind kind, double fs, float frequency, float gain, float bandwidth)
{
    CBiquad biquad;
    const float omega = FrequencyToOmega(1.0 / fs, frequency);
    switch (kind) {
    case kLowPass:
        DesignLowPass({omega}, biquad);
        break;
    case kHighPass:
        DesignHighPass({omega}, biquad);
        break;
    case kLowShelf:
        DesignLowShelf({omega, ShelfGainToFactor(gain)}, biquad);
        break;
    case kHighShelf:
        DesignHighShelf({omega, ShelfGainToFactor(gain)}, biquad);
        break;
    case kPeak:
        DesignPeak({omega, BandwidthToHalf(bandwidth), PeakGainToFactor(gain)}, biquad);
        break;
    }
    return biquad;
}

void ExpectRelativelyNear(double actual, double expected, double tolerance)
{
    EXPECT_LE(std::fabs(actual - expected), tolerance * std::fabs(expected) + 1e-300) << actual << " vs " << expected;
}

} // namespace

TEST(BiquadDesignsTest, EveryKindMatchesTheTextbookFormOverAGrid)
{
    const double kRates[] = {44100.0, 48000.0, 96000.0};
    const float kFrequencies[] = {10.0f, 63.0f, 1000.0f, 5000.0f, 16000.0f, 22000.0f};
    const float kGains[] = {-40.0f, -6.5f, 0.0f, 12.0f, 40.0f};
    const float kBandwidths[] = {0.01f, 1.0f, 5.0f};
    for (EKind kind : {kLowPass, kHighPass, kLowShelf, kHighShelf, kPeak}) {
        for (double fs : kRates) {
            for (float f : kFrequencies) {
                if (kind == kPeak && f > 16000.0f)
                    continue;
                for (float gain : kGains) {
                    for (float bw : kBandwidths) {
                        SCOPED_TRACE(testing::Message() << "kind " << kind << " fs " << fs << " f " << f << " gain "
                                                        << gain << " bw " << bw);
                        const CBiquad actual = Design(kind, fs, f, gain, bw);
                        const CCoefficients expected = Reference(kind, fs, f, gain, bw);
                        ExpectRelativelyNear(actual.b0, expected.b0, 1e-12);
                        ExpectRelativelyNear(actual.b1, expected.b1, 1e-12);
                        ExpectRelativelyNear(actual.b2, expected.b2, 1e-12);
                        ExpectRelativelyNear(actual.c1, expected.c1, 1e-12);
                        ExpectRelativelyNear(actual.c2, expected.c2, 1e-12);
                    }
                }
            }
        }
    }
}

// A peak whose bandwidth is missing or too narrow would put its poles on the unit circle (or make
// every coefficient NaN): it takes the minimum bandwidth.
TEST(BiquadDesignsTest, PeakBandwidthsBelowTheMinimumTakeTheMinimum)
{
    struct Case { const char* name; float halfBandwidth; };
    const Case kCases[] = {
        {"NaN", std::numeric_limits<float>::quiet_NaN()},
        {"zero", 0.0f},
        {"negative", -0.5f},
        {"below the minimum", 1e-4f},
    };
    const double fs = 48000.0;
    for (float frequency : {100.0f, 2000.0f}) {
        const CCoefficients expected =
            Reference(kPeak, fs, frequency, 12.0f, static_cast<float>(2.0 * kMinHalfBandwidth));
        for (const Case& c : kCases) {
            SCOPED_TRACE(testing::Message() << c.name << " at " << frequency << " Hz");
            CBiquad actual;
            DesignPeak({FrequencyToOmega(1.0 / fs, frequency), c.halfBandwidth, PeakGainToFactor(12.0f)}, actual);
            for (double coefficient : {actual.b0, actual.b1, actual.b2, actual.c1, actual.c2})
                EXPECT_TRUE(std::isfinite(coefficient));
            ExpectRelativelyNear(actual.b0, expected.b0, 1e-6);
            ExpectRelativelyNear(actual.b1, expected.b1, 1e-6);
            ExpectRelativelyNear(actual.b2, expected.b2, 1e-6);
            ExpectRelativelyNear(actual.c1, expected.c1, 1e-6);
            ExpectRelativelyNear(actual.c2, expected.c2, 1e-6);
        }
    }
}

TEST(BiquadDesignsTest, LowPassAtOneKilohertzAndFortyEightKilohertz)
{
    const CBiquad biquad = Design(kLowPass, 48000.0, 1000.0f, 0.0f, 1.0f);
    EXPECT_NEAR(biquad.b0, 0.00391612686903, 1e-13);
    EXPECT_NEAR(biquad.c1, 1.81534107759, 1e-11);
    EXPECT_NEAR(biquad.c2, -0.831005585066, 1e-12);
    EXPECT_EQ(biquad.b1, 2.0 * biquad.b0);
}

TEST(BiquadDesignsTest, ZeroDecibelsIsFlatAndTheHighPassBlocksDirectCurrent)
{
    for (EKind kind : {kLowShelf, kHighShelf, kPeak}) {
        const CBiquad biquad = Design(kind, 48000.0, 700.0f, 0.0f, 2.0f);
        EXPECT_DOUBLE_EQ(biquad.b0, 1.0);
        EXPECT_DOUBLE_EQ(biquad.b1, -biquad.c1);
        EXPECT_DOUBLE_EQ(biquad.b2, -biquad.c2);
    }
    const CBiquad highPass = Design(kHighPass, 44100.0, 300.0f, 0.0f, 1.0f);
    EXPECT_NEAR(highPass.b0 + highPass.b1 + highPass.b2, 0.0, 1e-15);
}

TEST(BiquadDesignsTest, DigitalFrequencyStaysInsideTheOpenHalfCircle)
{
    EXPECT_EQ(LimitOmega(FrequencyToOmega(1.0 / 44100.0, 22000.0f)),
              static_cast<double>(FrequencyToOmega(1.0 / 44100.0, 22000.0f)));
    EXPECT_EQ(LimitOmega(FrequencyToOmega(1.0 / 384000.0, 10.0f)),
              static_cast<double>(FrequencyToOmega(1.0 / 384000.0, 10.0f)));
    EXPECT_EQ(LimitOmega(4.0f), kMaxOmega);
    EXPECT_EQ(LimitOmega(-1.0f), kMinOmega);
    EXPECT_EQ(LimitOmega(std::numeric_limits<float>::quiet_NaN()), kMinOmega);
    EXPECT_LT(kMaxOmega, M_PI);

    CBiquad peak;
    DesignPeak({std::numeric_limits<float>::quiet_NaN(), 0.0f, 1.0f}, peak);
    for (double c : {peak.b0, peak.b1, peak.b2, peak.c1, peak.c2})
        EXPECT_TRUE(std::isfinite(c));
}

namespace {

// One second of uniform noise through the section; the largest output magnitude.
template <class Run>
float RunNoise(int samples, Run run)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
    float largest = 0.0f;
    for (int k = 0; k < samples; ++k) {
        const float y = run(noise(random));
        if (!(std::fabs(y) <= largest))
            largest = std::fabs(y);
    }
    return largest;
}

} // namespace

// At 22.05 and 32 kHz the top of the parameter ranges lies at or above half the rate.
TEST(BiquadDesignsTest, FiltersAtOrAboveHalfTheRateStayBounded)
{
    for (double fs : {22050.0, 32000.0}) {
        for (EKind kind : {kLowPass, kHighPass, kLowShelf, kHighShelf, kPeak}) {
            SCOPED_TRACE(testing::Message() << "fs " << fs << " kind " << kind);
            CBiquad biquad = Design(kind, fs, kind == kPeak ? 16000.0f : 22000.0f, 12.0f, 0.01f);
            const float largest =
                RunNoise(static_cast<int>(fs), [&](float x) { return biquad.ProcessSample(x); });
            EXPECT_LT(largest, 100.0f);
        }
    }
}

TEST(BiquadDesignsTest, RampAcrossHalfTheRateStaysBounded)
{
    const double fs = 32000.0;
    CPeakTerms steps[2] = {{FrequencyToOmega(1.0 / fs, 1000.0f), 0.005f, PeakGainToFactor(20.0f)},
                           {FrequencyToOmega(1.0 / fs, 1.0f), -1e-6f, 1.0f}};
    CBiquad biquad;
    DesignPeak(steps[0], biquad);
    const float largest = RunNoise(static_cast<int>(fs), [&](float x) {
        float y;
        ProcessBiquadRamp(biquad, steps, 2, &DesignPeak, &x, 1, &y, 1, 1);
        return y;
    });
    EXPECT_GT(steps[0].m_Omega, M_PI);
    EXPECT_LT(largest, 1000.0f);
}
