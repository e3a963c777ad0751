#include "PluginsFilters/CHalfBandOversampler.h"

#include "TessalineTestSupport.h"

#include "Veltis/Audio/DSP/CAudioStream.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

using PluginsFilters::CHalfBandFilter;
using PluginsFilters::CHalfBandOversampler;
using TessalineTest::SameBits;
using Veltis::Audio::DSP::CAudioStream;

namespace {

// The half-band filter written out as plainly as possible, one sample at the doubled rate at a time:
// the reference the production code must match bit for bit.
class CLiteralHalfBand {
public:
    CLiteralHalfBand(const std::vector<double>& a, const std::vector<double>& b) : m_previousB(0.0)
    {
        for (double c : a)
            m_a.push_back({c, 0, 0, 0, 0, 0, 0});
        for (double c : b)
            m_b.push_back({c, 0, 0, 0, 0, 0, 0});
    }

    double Step(double x)
    {
        const double oA = Branch(m_a, x);
        const double out = 0.5 * (oA + m_previousB);
        m_previousB = Branch(m_b, x);
        return out;
    }

    std::vector<float> Up(const std::vector<float>& in)
    {
        std::vector<float> out;
        for (float s : in) {
            float o0 = static_cast<float>(Step(s));
            o0 = o0 * 2.0f;
            float o1 = static_cast<float>(Step(0.0));
            o1 = o1 * 2.0f;
            out.push_back(o0);
            out.push_back(o1);
        }
        return out;
    }

    std::vector<float> Down(const std::vector<float>& in)
    {
        std::vector<float> out;
        for (size_t k = 0; k + 1 < in.size(); k += 2) {
            out.push_back(static_cast<float>(Step(in[k])));
            Step(in[k + 1]);
        }
        return out;
    }

private:
    // a, x1, x2, x3, y1, y2, y3
    typedef std::vector<std::vector<double>> Sections;

    static double Branch(Sections& sections, double x)
    {
        for (std::vector<double>& s : sections) {
            s[3] = s[2];
            s[2] = s[1];
            s[1] = x;
            s[6] = s[5];
            s[5] = s[4];
            double y = (x - s[6]) * s[0] + s[3];
            uint64_t bits;
            std::memcpy(&bits, &y, sizeof bits);
            if (((bits >> 32) & 0x7FE00000u) == 0)
                y = 0.0;
            s[4] = y;
            x = y;
        }
        float f = static_cast<float>(x);
        uint32_t fbits;
        std::memcpy(&fbits, &f, sizeof fbits);
        if ((fbits & 0x7F800000u) == 0)
            f = 0.0f;
        return f;
    }

    Sections m_a;
    Sections m_b;
    double m_previousB;
};

std::vector<double> List(int n, bool steep, int branch)
{
    const double* c = CHalfBandFilter::GetCoefficients(n, steep, branch);
    return std::vector<double>(c, c + n);
}

std::vector<double> Coefficients(const CHalfBandFilter& filter, int branch)
{
    std::vector<double> result;
    for (int i = 0; i < filter.GetSectionCount(branch); ++i)
        result.push_back(filter.GetSection(branch, i).a);
    return result;
}

// Random samples with impulses, silences of both signs of zero and tiny values mixed in.
std::vector<float> TestSignal(int count, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> uniform(-1.0f, 1.0f);
    std::vector<float> signal(count);
    for (int k = 0; k < count; ++k) {
        const int kind = (k / 97) % 4;
        if (kind == 0)
            signal[k] = uniform(random);
        else if (kind == 1)
            signal[k] = k % 97 == 3 ? 1.0f : 0.0f;
        else if (kind == 2)
            signal[k] = uniform(random) * 1e-30f;
        else
            signal[k] = k % 2 ? -0.0f : 0.0f;
    }
    return signal;
}

// Amplitude of the steady-state response of the filter step to a sine at frequency f (fraction of the
// rate the filter runs at), after the transient.
double MeasureGain(CHalfBandFilter& filter, double f)
{
    const int settle = 6000;
    const int window = 8000;
    std::vector<float> output(settle + window);
    for (int n = 0; n < settle + window; ++n)
        output[n] = static_cast<float>(filter.Step(static_cast<float>(std::sin(2.0 * TessalineTest::kPi * f * n))));
    return TessalineTest::FitAmplitude(output, f, 1.0, settle);
}

double ToDb(double gain) { return 20.0 * std::log10(gain); }

} // namespace

TEST(CHalfBandOversamplerTest, ProductionMatchesTheLiteralFormBitForBitOverAllSetsAndBlockSplits)
{
    const std::vector<float> input = TestSignal(3000, 7);
    std::mt19937 random(11);
    for (int steep = 0; steep < 2; ++steep)
        for (int n = steep ? 0 : 1; n <= 6; ++n) {
            SCOPED_TRACE(testing::Message() << (steep ? "steep " : "soft ") << n);
            CHalfBandOversampler production(6);
            production.SetCoefficients(n, steep != 0);
            const std::vector<double> a = n ? List(n, steep != 0, 0) : std::vector<double>();
            const std::vector<double> b = n ? List(n, steep != 0, 1) : std::vector<double>();
            CLiteralHalfBand literalUp(a, b), literalDown(a, b);
            const std::vector<float> expectedUp = literalUp.Up(input);
            const std::vector<float> expectedDown = literalDown.Down(expectedUp);

            // The input read with a step of 2, the output written with a step of 3.
            std::vector<float> strided(2 * input.size());
            for (size_t k = 0; k < input.size(); ++k)
                strided[2 * k] = input[k];
            std::vector<float> up(2 * input.size()), downStrided(3 * input.size(), -7.0f);
            std::uniform_int_distribution<int> blockSize(0, 300);
            for (int done = 0, total = static_cast<int>(input.size()); done < total;) {
                int count = blockSize(random);
                if (count > total - done)
                    count = total - done;
                CAudioStream in(strided.data() + 2 * done, 2 * count, 2);
                production.Upsample(in, up.data() + 2 * done, count);
                CAudioStream out(downStrided.data() + 3 * done, 3 * count, 3);
                production.Downsample(up.data() + 2 * done, out, count);
                done += count;
            }
            std::vector<float> down(input.size());
            for (size_t k = 0; k < input.size(); ++k)
                down[k] = downStrided[3 * k];
            EXPECT_TRUE(SameBits(up, expectedUp));
            EXPECT_TRUE(SameBits(down, expectedDown));
        }
}

TEST(CHalfBandOversamplerTest, BandClaimsHoldInSteadyState)
{
    struct Case {
        int n;
        bool steep;
        double passEnd;     // flat within passRipple dB from 0 up to here
        double passRipple;
        double stopStart;   // at least stopDb down from here to the Nyquist frequency
        double stopDb;
    };
    const Case kCases[] = {
        {3, false, 0.2345, 0.001, 0.275, 80.0},
        {4, false, 0.2345, 0.001, 0.275, 106.0},
        // "104 dB" is rounded: its ripple peaks reach -103.98 dB.
        {6, true, 0.0, 0.0, 0.26, 103.9},
        {1, false, 0.0, 0.0, 0.3, 36.0},
        {1, true, 0.0, 0.0, 0.3, 36.0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << (c.steep ? "steep " : "soft ") << c.n);
        CHalfBandFilter filter(6);
        filter.SetCoefficients(c.n, c.steep);
        for (double f = 0.005; f <= c.passEnd + 1e-9; f += 0.005) {
            filter.Clear();
            EXPECT_NEAR(ToDb(MeasureGain(filter, f)), 0.0, c.passRipple) << "at " << f;
        }
        if (c.passEnd > 0.0) {
            filter.Clear();
            EXPECT_NEAR(ToDb(MeasureGain(filter, c.passEnd)), 0.0, c.passRipple) << "at the pass-band edge";
        }
        for (double f = c.stopStart; f < 0.5; f += 0.0025) {
            filter.Clear();
            EXPECT_LE(ToDb(MeasureGain(filter, f)), -c.stopDb) << "at " << f;
        }
    }
    // The equaliser's set at 0.3 of the doubled rate: 86.4 dB down.
    CHalfBandFilter filter(6);
    filter.SetCoefficients(3, false);
    EXPECT_NEAR(ToDb(MeasureGain(filter, 0.3)), -86.4, 0.1);
    // The half-power point at a quarter of the rate.
    filter.Clear();
    EXPECT_NEAR(ToDb(MeasureGain(filter, 0.25)), -3.01, 0.01);
}

TEST(CHalfBandOversamplerTest, ConstantInputSettlesToUnityThroughBothConversions)
{
    CHalfBandOversampler oversampler(6);
    oversampler.SetCoefficients(3, false);
    std::vector<float> ones(2000, 1.0f), up(4000), down(2000);
    CAudioStream in(ones.data(), 2000);
    oversampler.Upsample(in, up.data(), 2000);
    for (int k = 3000; k < 4000; ++k)
        EXPECT_NEAR(up[k], 1.0f, 1e-6f) << k;
    std::vector<float> constantUp(4000, 1.0f);
    CAudioStream out(down.data(), 2000);
    oversampler.Downsample(constantUp.data(), out, 2000);
    for (int k = 1500; k < 2000; ++k)
        EXPECT_NEAR(down[k], 1.0f, 1e-6f) << k;
}

TEST(CHalfBandOversamplerTest, CoefficientSetsFollowTheSubstitutionAndCapacityRules)
{
    struct Case {
        int capacity;
        int n;
        bool steep;
        int expectedN;       // the set whose lists are used
        bool expectedSteep;
        int expectedCount;   // sections per branch
    };
    const Case kCases[] = {
        {6, 9, true, 4, true, 4},   {6, 0, false, 4, false, 4}, {6, 7, false, 4, false, 4},
        {6, -1, true, 4, true, 4},  {6, 6, false, 6, false, 6}, {2, 3, false, 3, false, 2},
        {6, 0, true, 0, true, 0},   {6, 1, true, 1, true, 1},   {0, 3, false, 3, false, 0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.capacity << " " << c.n << " " << c.steep);
        CHalfBandFilter filter(c.capacity);
        filter.SetCoefficients(c.n, c.steep);
        for (int branch = 0; branch < 2; ++branch) {
            ASSERT_EQ(filter.GetSectionCount(branch), c.expectedCount);
            std::vector<double> expected;
            if (c.expectedN > 0)
                expected = List(c.expectedN, c.expectedSteep, branch);
            expected.resize(c.expectedCount);
            EXPECT_EQ(Coefficients(filter, branch), expected);
        }
    }
    // A new filter holds soft set 4; the table's first entries are the printed literals.
    CHalfBandFilter fresh(6);
    EXPECT_EQ(Coefficients(fresh, 0), List(4, false, 0));
    EXPECT_EQ(CHalfBandFilter::GetCoefficients(3, false, 0)[0], 0.06029739095712437);
    EXPECT_EQ(CHalfBandFilter::GetCoefficients(6, true, 1)[5], 0.9878163707328971);
    EXPECT_EQ(CHalfBandFilter::GetCoefficients(7, true, 0), nullptr);
}

TEST(CHalfBandOversamplerTest, WithoutSectionsTheStepAveragesTheCurrentAndThePreviousInput)
{
    CHalfBandFilter filter(6);
    filter.SetCoefficients(0, true);
    EXPECT_EQ(filter.Step(1.0), 0.5);
    EXPECT_EQ(filter.Step(3.0), 2.0);
    EXPECT_EQ(filter.Step(0.0), 1.5);
}

TEST(CHalfBandOversamplerTest, ClearingAndGrowingZeroHistoriesAndKeepCoefficients)
{
    CHalfBandFilter filter(6);
    filter.SetCoefficients(2, false);
    for (int k = 0; k < 10; ++k)
        filter.Step(1.0);
    filter.SetCoefficients(4, false);
    // The sections that came into use start from zero; those in use keep their history.
    EXPECT_NE(filter.GetSection(0, 1).y1, 0.0);
    EXPECT_EQ(filter.GetSection(0, 2).x1, 0.0);
    EXPECT_EQ(filter.GetSection(1, 3).y1, 0.0);
    filter.Step(1.0);
    filter.Clear();
    for (int branch = 0; branch < 2; ++branch)
        for (int i = 0; i < 4; ++i) {
            const CHalfBandFilter::AllpassSection& s = filter.GetSection(branch, i);
            EXPECT_EQ(s.x1 + s.x2 + s.x3 + s.y1 + s.y2 + s.y3, 0.0);
        }
    EXPECT_EQ(filter.GetPreviousB(), 0.0);
    EXPECT_EQ(Coefficients(filter, 1), List(4, false, 1));
}

// Sections switched off and on again start from zero, not from the history they had before.
TEST(CHalfBandOversamplerTest, SectionsSwitchedBackOnStartFromSilence)
{
    for (bool steep : {false, true}) {
        SCOPED_TRACE(steep ? "steep" : "soft");
        CHalfBandOversampler oversampler(6);
        oversampler.SetCoefficients(6, steep);
        std::vector<float> signal = VeltisTest::Noise(512, 0.5f, 11), up(1024), down(512);
        CAudioStream in(signal.data(), 512), out(down.data(), 512);
        oversampler.Upsample(in, up.data(), 512);
        oversampler.Downsample(up.data(), out, 512);
        oversampler.SetCoefficients(2, steep);
        oversampler.Clear();
        oversampler.SetCoefficients(6, steep);

        std::vector<float> silence(512, 0.0f);
        CAudioStream silent(silence.data(), 512);
        oversampler.Upsample(silent, up.data(), 512);
        oversampler.Downsample(up.data(), out, 512);
        EXPECT_EQ(up, std::vector<float>(1024, 0.0f));
        EXPECT_EQ(down, std::vector<float>(512, 0.0f));
    }
}

TEST(CHalfBandOversamplerTest, TinyValuesAreFlushedSoSilenceLeavesZeroHistories)
{
    CHalfBandOversampler oversampler(6);
    oversampler.SetCoefficients(3, false);
    // Float denormals in: every branch output is a float denormal or less, flushed to zero.
    std::vector<float> signal(64, std::numeric_limits<float>::denorm_min() * 1000.0f), up(128);
    CAudioStream in(signal.data(), 64);
    oversampler.Upsample(in, up.data(), 64);
    for (float v : up)
        EXPECT_EQ(v, 0.0f);
    // After an impulse, silence decays the double histories into the flushed range: exact zeros.
    std::vector<float> impulse(1 << 16, 0.0f), out(1 << 17);
    impulse[0] = 1.0f;
    CAudioStream impulseIn(impulse.data(), 1 << 16);
    oversampler.Upsample(impulseIn, out.data(), 1 << 16);
    oversampler.Upsample(impulseIn, out.data(), 1 << 16);
    const CHalfBandFilter& filter = oversampler.GetUp();
    for (int branch = 0; branch < 2; ++branch)
        for (int i = 0; i < filter.GetSectionCount(branch); ++i) {
            const CHalfBandFilter::AllpassSection& s = filter.GetSection(branch, i);
            EXPECT_TRUE(s.x1 == 0.0 && s.x2 == 0.0 && s.x3 == 0.0 && s.y1 == 0.0 && s.y2 == 0.0 && s.y3 == 0.0);
        }
    EXPECT_EQ(out[(1 << 17) - 1], 0.0f);
}

TEST(CHalfBandOversamplerTest, NonFiniteInputDoesNotLatch)
{
    const float kBad[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                          -std::numeric_limits<float>::infinity(), 3e38f};
    for (float bad : kBad) {
        SCOPED_TRACE(bad);
        CHalfBandOversampler oversampler(6);
        oversampler.SetCoefficients(3, false);
        std::vector<float> signal(32, bad), up(64), down(32);
        CAudioStream in(signal.data(), 32);
        CAudioStream out(down.data(), 32);
        oversampler.Upsample(in, up.data(), 32);
        oversampler.Downsample(up.data(), out, 32);
        std::fill(signal.begin(), signal.end(), 0.5f);
        oversampler.Upsample(in, up.data(), 32);
        oversampler.Downsample(up.data(), out, 32);
        for (int k = 0; k < 32; ++k) {
            EXPECT_TRUE(std::isfinite(up[2 * k]) && std::isfinite(up[2 * k + 1]));
            EXPECT_TRUE(std::isfinite(down[k]));
        }
    }
}

TEST(CHalfBandOversamplerTest, StreamsWithoutBuffersReadZerosAndAreNotWritten)
{
    CHalfBandOversampler oversampler(6);
    std::vector<float> up(16, 9.0f);
    CAudioStream none;
    oversampler.Upsample(none, up.data(), 8);
    for (float v : up)
        EXPECT_EQ(v, 0.0f);
    oversampler.Downsample(up.data(), none, 8);
}
