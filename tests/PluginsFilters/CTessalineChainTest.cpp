#include "TessalineTestSupport.h"
#include "Veltis/Audio/DSP/AudioStreamOperations.h"
#include "Veltis/Audio/DSP/CFilterBypassManagerBase.h"
#include "Veltis/Audio/DSP/Filters/CBrickwallLimiter.h"
#include "Veltis/Audio/DSP/Filters/CFastCompressor.h"
#include "Veltis/Audio/DSP/Filters/CGain.h"
#include "Veltis/Audio/DSP/Filters/CHighPassFilter.h"
#include "Veltis/Audio/DSP/Filters/CHighShelfFilter.h"
#include "Veltis/Audio/DSP/Filters/CLowPassFilter.h"
#include "Veltis/Audio/DSP/Filters/CLowShelfFilter.h"
#include "Veltis/Audio/DSP/Filters/CPeakFilter.h"
#include "Veltis/Core/IDirty.h"
#include "Veltis/Math/IFunction.h"

#include <gtest/gtest.h>

#include <complex>
#include <memory>

using namespace TessalineTest;
using namespace Veltis::Audio::DSP;
using namespace Veltis::Audio::DSP::Filters;

namespace {

std::vector<float> Noise(int count, unsigned seed, float amplitude = 0.5f)
{
    return VeltisTest::Noise(count, amplitude, seed);
}

// The equaliser's processing rebuilt from the framework's filters, stage by stage in the documented
// order with the documented value mappings; the equaliser must match it bit for bit.
class CReferenceChain {
public:
    CReferenceChain() : m_limiter(1), m_limiterBypass(&m_dry), m_oversampler(6), m_oversampling(false), m_rate(0)
    {
        IFilter* const filters[16] = {&m_lowShelf,      &m_lowCut,   &m_compressors[0], &m_peaks[0],
                                      &m_compressors[1], &m_peaks[1], &m_compressors[2], &m_peaks[2],
                                      &m_compressors[3], &m_peaks[3], &m_compressors[4], &m_peaks[4],
                                      &m_compressors[5], &m_highShelf, &m_highCut,      &m_compressors[6]};
        for (int i = 0; i < 16; ++i) {
            m_filters[i] = filters[i];
            m_bypass[i].reset(new CFilterBypassManagerBase(&m_dry));
        }
        for (CFastCompressor& compressor : m_compressors)
            compressor.SetMode(4);
        m_oversampler.SetCoefficients(3, false);
    }

    // What SetSampleRate with defaults and then SetParamsValues do to the equaliser.
    void Prepare(double rate, const Values& defaults, const Values& values)
    {
        m_rate = rate;
        SetRates();
        ApplyStates(defaults, false);
        ApplyValues(defaults);
        if ((values[1] > 0.5f) != m_oversampling) {
            m_oversampling = values[1] > 0.5f;
            SetRates();
        }
        ApplyStates(values, false);
        ApplyValues(values);
    }

    void Process(float* samples, int count, const IParamsVariations* v)
    {
        CAudioStream stream(samples, count);
        CAudioStreams streams(1, &stream);
        const int n = v ? v->GetCount() : 0;
        if (n > 0)
            ApplyStates(Read(v->GetAt(0)));
        Map(v, [](int, const Values& set) { return Values{set[5]}; });
        m_pre.DoProcess(streams, streams, count, &m_variations);

        IAudioStreams* work = &streams;
        int workCount = count;
        std::vector<float> up(2 * count);
        CAudioStream upStream(up.data(), 2 * count);
        CAudioStreams upStreams(1, &upStream);
        if (m_oversampling) {
            m_oversampler.Upsample(stream, up.data(), count);
            work = &upStreams;
            workCount = 2 * count;
        }
        for (int i = 0; i < 16; ++i) {
            Map(v, [i](int j, const Values& set) { return ItemValues(i, set, j); });
            if (m_oversampling)
                AdaptParamsVariationsToDoubleRate(m_variations);
            const CProcessContext context = {work, work, workCount, &m_variations, nullptr};
            m_bypass[i]->Process(*m_filters[i], context);
        }
        if (m_oversampling)
            m_oversampler.Downsample(up.data(), stream, count);

        Map(v, [](int, const Values& set) { return Values{set[34]}; });
        m_post.DoProcess(streams, streams, count, &m_variations);
        const CProcessContext context = {&streams, &streams, count, nullptr, nullptr};
        m_limiterBypass.Process(m_limiter, context);
    }

    // The documented mapping of one chain item; j is the variation set.
    static Values ItemValues(int item, const Values& v, int j)
    {
        switch (item) {
        case 0:
            return {v[7], v[8]};
        case 1:
            return {v[7]};
        case 13:
            return {v[11], v[12]};
        case 14:
            return {v[11]};
        default:
            break;
        }
        if (item >= 3 && item <= 11 && item % 2 == 1) {
            const int b = (item - 3) / 2;
            return {v[15 + 4 * b], v[16 + 4 * b], v[17 + 4 * b]};
        }
        const float nl = v[2] * 0.01f;
        if (j > 0)
            return {0.0f, 0.0f, -6.0f * nl, -0.4f * nl, 5.0f * nl};
        const float cd = v[3] * 0.01f;
        float h = 1.0f - cd;
        h = h * h;
        h = h * h;
        return {0.25f * h, 0.5f * h, 5.0f - 6.0f * nl, 0.5f - 0.4f * nl, 5.0f * nl};
    }

private:
    static Values Read(const Veltis::Containers::IConstValueVector<float>& set)
    {
        Values values(set.GetCount());
        for (int i = 0; i < set.GetCount(); ++i)
            values[i] = set.GetValue(i);
        return values;
    }

    template <class F>
    void Map(const IParamsVariations* v, F map)
    {
        const int n = v ? v->GetCount() : 0;
        m_variations.SetCount(n);
        for (int j = 0; j < n; ++j) {
            const Values mapped = map(j, Read(v->GetAt(j)));
            m_variations.GetAt(j).SetSize(static_cast<int>(mapped.size()), false);
            for (size_t k = 0; k < mapped.size(); ++k)
                m_variations.GetAt(j).SetValue(static_cast<int>(k), mapped[k]);
        }
        TrimParamsVariations(m_variations);
    }

    void SetRates()
    {
        const double chainRate = m_oversampling ? 2 * m_rate : m_rate;
        bool apply = true;
        m_pre.SetSampleRate(apply, m_rate);
        for (int i = 0; i < 16; ++i) {
            m_bypass[i]->SetSampleRate(chainRate);
            m_bypass[i]->SetTransitionTime(60.0f);
            apply = true;
            m_filters[i]->SetSampleRate(apply, chainRate);
        }
        apply = true;
        m_limiter.SetSampleRate(apply, m_rate);
        m_limiterBypass.SetSampleRate(m_rate);
        m_limiterBypass.SetTransitionTime(60.0f);
        apply = true;
        m_post.SetSampleRate(apply, m_rate);
        m_oversampler.Clear();
    }

    // The documented "On when" table; values applied outside a block switch the stages at once.
    void ApplyStates(const Values& v, bool fade = true)
    {
        auto on = [&v](int i) { return v[i] > 0.5f; };
        const bool nl = v[2] > 0.0f;
        const bool states[16] = {on(6) && !on(9), on(6) && on(9), on(6) && nl, on(14), on(14) && nl,
                                 on(18),          on(18) && nl,  on(22),      on(22) && nl, on(26),
                                 on(26) && nl,    on(30),        on(30) && nl, on(10) && !on(13),
                                 on(10) && on(13), on(10) && nl};
        const float limiter[] = {0.5f, 3.0f};
        m_limiter.SetParamsValues(CParamsValues(2, limiter));
        m_limiterBypass.SetBypass(v[0] < 0.5f, fade);
        for (int i = 0; i < 16; ++i)
            m_bypass[i]->SetBypass(!states[i], fade);
    }

    void ApplyValues(const Values& v)
    {
        m_pre.SetParamsValues(CParamsValues(1, &v[5]));
        m_post.SetParamsValues(CParamsValues(1, &v[34]));
        for (int i = 0; i < 16; ++i) {
            const Values mapped = ItemValues(i, v, 0);
            m_filters[i]->SetParamsValues(CParamsValues(static_cast<int>(mapped.size()), mapped.data()));
        }
    }

    CGain m_pre, m_post;
    CLowShelfFilter m_lowShelf;
    CHighPassFilter m_lowCut;
    CHighShelfFilter m_highShelf;
    CLowPassFilter m_highCut;
    CPeakFilter m_peaks[5];
    CFastCompressor m_compressors[7];
    CBrickwallLimiter m_limiter;
    IFilter* m_filters[16];
    CFilterBypassManagerBase::CBuffers m_dry;
    std::unique_ptr<CFilterBypassManagerBase> m_bypass[16];
    CFilterBypassManagerBase m_limiterBypass;
    PluginsFilters::CHalfBandOversampler m_oversampler;
    CDynamicParamsVariations m_variations;
    bool m_oversampling;
    double m_rate;
};

Values EverythingOn(const Values& defaults)
{
    Values v = defaults;
    v[CTessaline::kLowActive] = 1;
    v[CTessaline::kLowGain] = 4;
    v[CTessaline::kHighActive] = 1;
    v[CTessaline::kHighCut] = 1;
    v[CTessaline::kHighFreq] = 9000;
    for (int band = 1; band <= 5; ++band) {
        v[Band(band, 0)] = 1;
        v[Band(band, 2)] = 0.3f * band;
        v[Band(band, 3)] = band % 2 ? 5.0f : -7.0f;
    }
    return v;
}

// The magnitude of a cookbook biquad at frequency f, computed in double from the documented
// coefficient formulas at rate fs.
double CookbookDb(const char* kind, double fs, double frequency, double gainDb, double bandwidth, double f)
{
    const double w = static_cast<float>(6.283185307179586 * (1.0 / fs) * frequency);
    const double cw = std::cos(w), sw = std::sin(w);
    double b0, b1, b2, a0, a1, a2;
    const std::string k(kind);
    if (k == "lowpass" || k == "highpass") {
        const double alpha = sw * 0.7071067811865476;
        a0 = 1 + alpha;
        a1 = -2 * cw;
        a2 = 1 - alpha;
        b1 = k == "lowpass" ? 1 - cw : -1 - cw;
        b0 = b2 = (k == "lowpass" ? 1 - cw : 1 + cw) * 0.5;
    } else if (k == "peak") {
        const double A = std::pow(10.0, gainDb / 40.0);
        const double alpha = 0.5 * bandwidth * sw;
        b0 = 1 + alpha * A;
        b1 = -2 * cw;
        b2 = 1 - alpha * A;
        a0 = 1 + alpha / A;
        a1 = -2 * cw;
        a2 = 1 - alpha / A;
    } else {
        const double A = std::pow(10.0, gainDb / 40.0);
        const double beta = 2 * std::sqrt(A) * sw / std::sqrt(2.0);
        const double s = k == "lowshelf" ? 1.0 : -1.0;
        b0 = A * ((A + 1) - s * (A - 1) * cw + beta);
        b1 = s * 2 * A * ((A - 1) - s * (A + 1) * cw);
        b2 = A * ((A + 1) - s * (A - 1) * cw - beta);
        a0 = (A + 1) + s * (A - 1) * cw + beta;
        a1 = -s * 2 * ((A - 1) + s * (A + 1) * cw);
        a2 = (A + 1) + s * (A - 1) * cw - beta;
    }
    const std::complex<double> z = std::polar(1.0, -2.0 * kPi * f / fs);
    const std::complex<double> h = (b0 + b1 * z + b2 * z * z) / (a0 + a1 * z + a2 * z * z);
    return 20.0 * std::log10(std::abs(h));
}

} // namespace

TEST(CTessalineChainTest, MatchesTheReferenceChainBitForBit)
{
    CTessaline probe;
    const Values defaults = Defaults(probe);
    struct Case {
        const char* name;
        double rate;
        Values values;
        Values increments; // empty: constant values in set 0 of every block
        int block;
    };
    Values oversampled = EverythingOn(defaults);
    oversampled[CTessaline::kOversample] = 1;
    oversampled[CTessaline::kPre] = 3;
    Values nonLinear = EverythingOn(defaults);
    nonLinear[CTessaline::kNonLinear] = 70;
    nonLinear[CTessaline::kCompDist] = 85;
    nonLinear[CTessaline::kLimiter] = 1;
    nonLinear[CTessaline::kPre] = 14;
    nonLinear[CTessaline::kLowCut] = 1;
    Values ramps = EverythingOn(defaults);
    Values increments(35, 0.0f);
    for (int band = 1; band <= 5; ++band) {
        increments[Band(band, 1)] = 0.05f * band;
        increments[Band(band, 2)] = 0.0001f;
        increments[Band(band, 3)] = -0.0005f * band;
    }
    increments[CTessaline::kLowFreq] = 0.02f;
    increments[CTessaline::kLowGain] = 0.001f;
    increments[CTessaline::kHighFreq] = -0.5f;
    increments[CTessaline::kPre] = 0.0002f;
    increments[CTessaline::kPost] = -0.0002f;
    increments[CTessaline::kNonLinear] = 0.002f;
    Values rampsOversampled = ramps;
    rampsOversampled[CTessaline::kOversample] = 1;
    rampsOversampled[CTessaline::kNonLinear] = 10;
    const Case kCases[] = {
        {"oversampled", 48000.0, oversampled, {}, 512},
        {"non-linear and limiter", 44100.0, nonLinear, {}, 300},
        {"ramps in every band", 48000.0, ramps, increments, 256},
        {"ramps, oversampled and non-linear", 44100.0, rampsOversampled, increments, 333},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        CTessaline equaliser;
        CReferenceChain reference;
        Prepare(equaliser, c.rate, c.values);
        reference.Prepare(c.rate, defaults, c.values);
        ASSERT_EQ(equaliser.IsOversampling(), c.values[CTessaline::kOversample] > 0.5f);

        std::vector<float> actual = Noise(c.block * 60, 3), expected = actual;
        Values values = c.values;
        CDynamicParamsVariations variations;
        for (size_t done = 0; done < actual.size(); done += c.block) {
            MakeVariations(variations, values, c.increments);
            RunBlock(equaliser, actual.data() + done, c.block, &variations);
            reference.Process(expected.data() + done, c.block, &variations);
            for (size_t i = 0; i < c.increments.size(); ++i)
                values[i] += c.increments[i] * c.block;
        }
        EXPECT_TRUE(SameBits(actual, expected));
        EXPECT_NE(actual, Noise(c.block * 60, 3));
    }
}

TEST(CTessalineChainTest, BlocksWithoutVariationsRunEveryStage)
{
    CTessaline probe;
    Values values = EverythingOn(Defaults(probe));
    values[CTessaline::kNonLinear] = 50;
    values[CTessaline::kLimiter] = 1;
    values[CTessaline::kPre] = 10;
    CTessaline equaliser;
    CReferenceChain reference;
    Prepare(equaliser, 48000.0, values);
    reference.Prepare(48000.0, Defaults(probe), values);
    std::vector<float> actual = Noise(12000, 5), expected = actual;
    RunSignal(equaliser, actual, 400);
    for (size_t done = 0; done < expected.size(); done += 400)
        reference.Process(expected.data() + done, 400, nullptr);
    EXPECT_TRUE(SameBits(actual, expected));
}

TEST(CTessalineChainTest, SectionsAndBandsHaveTheirDesignedMagnitudes)
{
    CTessaline probe;
    const Values defaults = Defaults(probe);
    struct Case {
        const char* kind;
        int active;      // the switch that enables the stage
        int cutSwitch;   // -1 when none
        int frequency, gain, bandwidth;
        float freqValue, gainValue, bandwidthValue;
        double probe;    // measured at this frequency
    };
    const Case kCases[] = {
        {"lowshelf", CTessaline::kLowActive, -1, CTessaline::kLowFreq, CTessaline::kLowGain, -1, 200, 9, 0, 60},
        {"highpass", CTessaline::kLowActive, CTessaline::kLowCut, CTessaline::kLowFreq, -1, -1, 300, 0, 0, 150},
        {"highshelf", CTessaline::kHighActive, -1, CTessaline::kHighFreq, CTessaline::kHighGain, -1, 4000, -8, 0,
         9000},
        {"lowpass", CTessaline::kHighActive, CTessaline::kHighCut, CTessaline::kHighFreq, -1, -1, 2000, 0, 0, 3000},
        {"peak", Band(2, 0), -1, Band(2, 1), Band(2, 3), Band(2, 2), 700, 10, 0.5f, 850},
        {"peak", Band(5, 0), -1, Band(5, 1), Band(5, 3), Band(5, 2), 5000, -12, 2, 3500},
    };
    const double kRates[] = {44100.0, 48000.0};
    for (const Case& c : kCases)
        for (double rate : kRates)
            for (int oversample = 0; oversample < 2; ++oversample) {
                SCOPED_TRACE(testing::Message() << c.kind << " at " << c.freqValue << ", rate " << rate
                                                << (oversample ? ", oversampled" : ""));
                Values values = defaults;
                values[CTessaline::kOversample] = static_cast<float>(oversample);
                values[c.active] = 1;
                if (c.cutSwitch >= 0)
                    values[c.cutSwitch] = 1;
                values[c.frequency] = c.freqValue;
                if (c.gain >= 0)
                    values[c.gain] = c.gainValue;
                if (c.bandwidth >= 0)
                    values[c.bandwidth] = c.bandwidthValue;
                CTessaline equaliser;
                Prepare(equaliser, rate, values);
                const int count = static_cast<int>(rate * 0.5);
                std::vector<float> signal = Sine(c.probe, rate, count);
                RunSignal(equaliser, signal, 512);
                const double expected =
                    CookbookDb(c.kind, oversample ? 2 * rate : rate, c.freqValue, c.gainValue, c.bandwidthValue,
                               c.probe);
                EXPECT_NEAR(MeasureDb(signal, c.probe, rate, count / 2), expected, 0.003);
            }
}

// A section that is off runs neither its shelf nor its cut, whatever the cut switch says: the signal
// passes unchanged, bit for bit.
TEST(CTessalineChainTest, SectionsThatAreOffLeaveTheSignalUnchanged)
{
    CTessaline probe;
    struct Case {
        const char* name;
        int cutSwitch;   // -1 when none
        int frequency;
        float freqValue;
        double probe;
    };
    const Case kCases[] = {
        {"every default", -1, CTessaline::kLowFreq, 100, 50},
        {"low section off, its cut on", CTessaline::kLowCut, CTessaline::kLowFreq, 200, 50},
        {"high section off, its cut on", CTessaline::kHighCut, CTessaline::kHighFreq, 1000, 15000},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        Values values = Defaults(probe);
        if (c.cutSwitch >= 0)
            values[c.cutSwitch] = 1;
        values[c.frequency] = c.freqValue;
        CTessaline equaliser;
        Prepare(equaliser, 48000.0, values);
        // A fresh equaliser fades its sections to their first states: compared after that.
        std::vector<float> leadIn = Sine(c.probe, 48000.0, 4800);
        RunSignal(equaliser, leadIn, 480);
        const std::vector<float> input = Sine(c.probe, 48000.0, 9600);
        std::vector<float> output = input;
        RunSignal(equaliser, output, 480);
        EXPECT_TRUE(SameBits(output, input));
    }
}

// The equaliser's clip reset reaches its meter, whether the values are set or come with a block.
TEST(CTessalineChainTest, TheClipResetClearsTheClipOutput)
{
    for (bool withBlock : {false, true}) {
        SCOPED_TRACE(withBlock ? "values with a block" : "values set");
        CTessaline equaliser;
        Values values = Defaults(equaliser);
        Prepare(equaliser, 48000.0, values);
        std::vector<float> loud = Sine(1000.0, 48000.0, 480, 1.5);
        RunBlock(equaliser, loud.data(), 480);
        equaliser.UpdateOutputs();
        EXPECT_EQ(equaliser.GetOutputParamsValues().GetValue(2), 1.0f);

        values[CTessaline::kClipReset] = 1;
        std::vector<float> quiet = Sine(1000.0, 48000.0, 480, 0.1);
        if (withBlock) {
            CDynamicParamsVariations variations;
            MakeVariations(variations, values);
            RunBlock(equaliser, quiet.data(), 480, &variations);
        } else {
            equaliser.SetParamsValues(CParamsValues(static_cast<int>(values.size()), values.data()));
            RunBlock(equaliser, quiet.data(), 480);
        }
        equaliser.UpdateOutputs();
        EXPECT_EQ(equaliser.GetOutputParamsValues().GetValue(2), 0.0f);
    }
}

TEST(CTessalineChainTest, APlusSixDecibelBandMeasuresSixDecibelsAndSoDoesCurveOne)
{
    CTessaline probe;
    const double kRates[] = {44100.0, 48000.0};
    for (double rate : kRates)
        for (int oversample = 0; oversample < 2; ++oversample) {
            SCOPED_TRACE(testing::Message() << rate << (oversample ? " oversampled" : ""));
            Values values = Defaults(probe);
            values[CTessaline::kOversample] = static_cast<float>(oversample);
            values[Band(3, 0)] = 1;
            values[Band(3, 1)] = 1000;
            values[Band(3, 2)] = 1;
            values[Band(3, 3)] = 6;
            CTessaline equaliser;
            Prepare(equaliser, rate, values);
            const int count = static_cast<int>(rate * 0.5);
            std::vector<float> signal = Sine(1000.0, rate, count);
            RunSignal(equaliser, signal, 512);
            EXPECT_NEAR(MeasureDb(signal, 1000.0, rate, count / 2), 6.0, 0.01);
            equaliser.UpdateOutputs();
            EXPECT_NEAR(equaliser.GetOutputCurves().GetValue(1).GetValue(1000.0f), 6.0f, 0.01f);
            EXPECT_NEAR(equaliser.GetOutputCurves().GetValue(0).GetValue(1000.0f), 1.9953f, 0.002f);
            EXPECT_NEAR(equaliser.GetOutputCurves().GetValue(6).GetValue(1000.0f), 6.0f, 0.01f);
        }
}

TEST(CTessalineChainTest, CurvesRefreshOnlyAfterValuesAndMarkTheirSources)
{
    CTessaline equaliser;
    Values values = Defaults(equaliser);
    values[CTessaline::kLowActive] = 1;
    values[CTessaline::kLowGain] = 6;
    values[CTessaline::kPre] = -3;
    Prepare(equaliser, 48000.0, values);
    Veltis::Containers::IVector<Veltis::Core::IDirty>& dirty = equaliser.GetOutputCurvesDirty();
    equaliser.UpdateOutputs();
    for (int i = 0; i < 9; ++i)
        dirty.GetAt(i).ClearDirty();
    // Total response: pre gain times the low shelf.
    EXPECT_NEAR(equaliser.GetOutputCurves().GetValue(1).GetValue(20.0f), 3.0f, 0.05f);

    // No values applied since: nothing refreshes.
    equaliser.UpdateOutputs();
    for (int i = 0; i < 9; ++i)
        EXPECT_FALSE(dirty.GetAt(i).IsDirty()) << i;

    // The same values again: only the two totals are marked.
    equaliser.SetParamsValues(CParamsValues(35, values.data()));
    equaliser.UpdateOutputs();
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(dirty.GetAt(i).IsDirty(), i < 2) << i;
    for (int i = 0; i < 9; ++i)
        dirty.GetAt(i).ClearDirty();

    // Switching the low section to its cut marks curve 2 and draws it from the high pass.
    values[CTessaline::kLowCut] = 1;
    values[Band(4, 3)] = 2;
    equaliser.SetParamsValues(CParamsValues(35, values.data()));
    equaliser.UpdateOutputs();
    const bool expected[9] = {true, true, true, false, false, false, false, true, false};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(dirty.GetAt(i).IsDirty(), expected[i]) << i;
    EXPECT_LT(equaliser.GetOutputCurves().GetValue(2).GetValue(20.0f), -20.0f);
    // Band 4 is not active: it changes its own curve but not the total.
    EXPECT_NEAR(equaliser.GetOutputCurves().GetValue(7).GetValue(1600.0f), 2.0f, 0.01f);
    EXPECT_NEAR(equaliser.GetOutputCurves().GetValue(1).GetValue(1600.0f), -3.0f, 0.05f);
}

TEST(CTessalineChainTest, OnWhenConditionsAtTheirEdges)
{
    CTessaline equaliser;
    struct Case {
        int index;
        float value;
        int item;     // chain item, or -1 for the limiter
        bool engaged;
    };
    const Case kCases[] = {
        {CTessaline::kLimiter, 0.5f, -1, true},      {CTessaline::kLimiter, 0.49f, -1, false},
        {CTessaline::kLowActive, 0.5f, 0, false},    {CTessaline::kLowActive, 0.51f, 0, true},
        {CTessaline::kNonLinear, 0.0f, 4, false},    {CTessaline::kNonLinear, 0.01f, 4, true},
        {CTessaline::kNonLinear, 0.01f, 6, false},   {CTessaline::kHighActive, 1.0f, 15, false},
        {CTessaline::kHighActive, 1.0f, 13, true},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.index << " = " << c.value);
        Values values = Defaults(equaliser);
        values[Band(1, 0)] = 1;
        values[c.index] = c.value;
        Prepare(equaliser, 48000.0, values);
        const bool engaged = c.item < 0 ? equaliser.GetLimiterBypass().IsActive()
                                        : equaliser.GetChainItem(c.item).m_bypass->IsActive();
        EXPECT_EQ(engaged, c.engaged);
    }
}

TEST(CTessalineChainTest, NonLinearValuesHandedToTheCompressors)
{
    struct Case {
        float nonLinear, compDist;
        int set;
        float expected[5];
    };
    const Case kCases[] = {
        {0, 0, 0, {0.25f, 0.5f, 5, 0.5f, 0}},
        {0, 100, 0, {0, 0, 5, 0.5f, 0}},
        {50, 50, 0, {0.25f * 0.0625f, 0.5f * 0.0625f, 2, 0.3f, 2.5f}},
        {100, 30, 0, {0.25f * 0.2401f, 0.5f * 0.2401f, -1, 0.1f, 5}},
        {10, 30, 1, {0, 0, -0.6f, -0.04f, 0.5f}},
        {-20, 30, 2, {0, 0, 1.2f, 0.08f, -1}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.nonLinear << " " << c.compDist << " set " << c.set);
        Values values(35, 0.0f);
        values[CTessaline::kNonLinear] = c.nonLinear;
        values[CTessaline::kCompDist] = c.compDist;
        CDynamicParamsValues out;
        CTessaline::MapNonLinearParams(CParamsValues(35, values.data()), out, c.set);
        ASSERT_EQ(out.GetCount(), 5);
        for (int i = 0; i < 5; ++i)
            EXPECT_NEAR(out.GetValue(i), c.expected[i], 1e-6f) << i;
    }

    // The compressor takes the times in seconds: "Comp-Dist" 0 gives 0.25 s and 0.5 s of the chain rate.
    struct Timing {
        double rate;
        int oversample;
        float compDist;
        int release;       // 0.5 s in samples of the chain rate
        double attack;     // 0.25 s in samples of the chain rate
    };
    const Timing kTimings[] = {
        {48000.0, 0, 0, 24000, 12000}, {48000.0, 1, 0, 48000, 24000}, {44100.0, 0, 100, 0, 0}};
    for (const Timing& t : kTimings) {
        CTessaline equaliser;
        Values values = Defaults(equaliser);
        values[CTessaline::kOversample] = static_cast<float>(t.oversample);
        values[CTessaline::kCompDist] = t.compDist;
        Prepare(equaliser, t.rate, values);
        const double attackCoeff = t.attack > 0 ? std::exp(-std::log(10.0) / t.attack) : 0.0;
        for (int i = 0; i < 7; ++i) {
            EXPECT_EQ(equaliser.GetCompressor(i).GetFollower().m_ReleaseLength, t.release) << i;
            EXPECT_NEAR(equaliser.GetCompressor(i).GetFollower().m_AttackCoeff, attackCoeff, 1e-6) << i;
        }
    }
}

TEST(CTessalineChainTest, OversamplingSwitchFollowsTheFadeStateMachine)
{
    // Blocks of 10 ms at 48 kHz: a fade of 0.2 s lasts 20 blocks.
    const int kBlock = 480;
    struct Step {
        int blocks;       // how many blocks ask for this state
        float oversample;
        int fade;         // sign of the fade step after them
        bool oversampling;
        double chainRate;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
    };
    const Case kCases[] = {
        {"on and settle", {{1, 1, -1, false, 48000}, {17, 1, -1, false, 48000}, {3, 1, 1, true, 96000},
                           {17, 1, 1, true, 96000}, {3, 1, 0, true, 96000}, {5, 1, 0, true, 96000}}},
        {"back within the fade", {{5, 1, -1, false, 48000}, {1, 0, 1, false, 48000}, {3, 0, 1, false, 48000},
                                  {2, 0, 0, false, 48000}}},
        {"again during the fade-in", {{21, 1, 1, true, 96000}, {10, 1, 1, true, 96000}, {1, 0, -1, true, 96000},
                                      {3, 0, -1, true, 96000}, {1, 1, 1, true, 96000}, {14, 1, 0, true, 96000}}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        CTessaline equaliser;
        Values values = Defaults(equaliser);
        Prepare(equaliser, 48000.0, values);
        CDynamicParamsVariations variations;
        std::vector<float> block(kBlock, 0.1f);
        // A first block at the prepared values, which the first block would otherwise take at once.
        MakeVariations(variations, values);
        RunBlock(equaliser, block.data(), kBlock, &variations);
        int switches = 0;
        bool previous = equaliser.IsOversampling();
        for (const Step& step : c.steps) {
            values[CTessaline::kOversample] = step.oversample;
            MakeVariations(variations, values);
            for (int b = 0; b < step.blocks; ++b) {
                RunBlock(equaliser, block.data(), kBlock, &variations);
                switches += equaliser.IsOversampling() != previous;
                previous = equaliser.IsOversampling();
            }
            const float fade = equaliser.GetFadeStep();
            EXPECT_EQ(fade > 0 ? 1 : fade < 0 ? -1 : 0, step.fade);
            if (step.fade != 0) {
                EXPECT_NEAR(std::fabs(fade), 5.0f / 48000.0f, 1e-9f);
            }
            EXPECT_EQ(equaliser.IsOversampling(), step.oversampling);
            EXPECT_EQ(equaliser.GetChainRate(), step.chainRate);
        }
        EXPECT_LE(switches, 1);
        if (std::string(c.name) == "back within the fade") {
            EXPECT_EQ(switches, 0);
        }
        EXPECT_EQ(equaliser.GetFadeGain(), 1.0f);
    }
}

// An equaliser at 48 kHz whose blocks ask for oversampling.
class CTessalineSwitchTest : public testing::Test {
protected:
    void SetUp() override
    {
        values = Defaults(equaliser);
        Prepare(equaliser, 48000.0, values);
        // A first block at the prepared values, which the first block would otherwise take at once.
        MakeVariations(variations, values);
        float sample = 0.0f;
        RunBlock(equaliser, &sample, 1, &variations);
        values[CTessaline::kOversample] = 1;
        MakeVariations(variations, values);
    }

    CTessaline equaliser;
    Values values;
    CDynamicParamsVariations variations;
};

TEST_F(CTessalineSwitchTest, TheFadeOutLastsAFifthOfASecondAndSwitchesOnce)
{
    // One sample a block: the switch point is exact to the sample.
    float sample = 1.0f;
    int switchedAt = -1;
    for (int n = 0; n < 20000 && switchedAt < 0; ++n) {
        sample = 1.0f;
        RunBlock(equaliser, &sample, 1, &variations);
        if (equaliser.IsOversampling())
            switchedAt = n;
    }
    EXPECT_NEAR(switchedAt, 9600, 2);
    EXPECT_EQ(equaliser.GetFadeGain(), 0.0f);
}

TEST_F(CTessalineSwitchTest, SetParamsValuesSwitchesAtOnceAndLeavesTheFadeGainAtOne)
{
    std::vector<float> block(480, 0.2f);
    for (int b = 0; b < 5; ++b)
        RunBlock(equaliser, block.data(), 480, &variations);
    ASSERT_LT(equaliser.GetFadeStep(), 0.0f);
    ASSERT_LT(equaliser.GetFadeGain(), 0.8f);

    // Asking for the other state breaks the fade off: switched at once, no fade, gain back at 1.
    equaliser.SetParamsValues(CParamsValues(35, values.data()));
    EXPECT_TRUE(equaliser.IsOversampling());
    EXPECT_EQ(equaliser.GetChainRate(), 96000.0);
    EXPECT_EQ(equaliser.GetFadeStep(), 0.0f);
    EXPECT_EQ(equaliser.GetFadeGain(), 1.0f);
    for (int b = 0; b < 20; ++b) {
        std::fill(block.begin(), block.end(), 0.2f);
        RunBlock(equaliser, block.data(), 480, &variations);
    }
    EXPECT_NEAR(block[479], 0.2f, 1e-4f);

    // So the next fade starts from full level instead of jumping to where the broken one stopped.
    values[CTessaline::kOversample] = 0;
    MakeVariations(variations, values);
    std::fill(block.begin(), block.end(), 0.2f);
    RunBlock(equaliser, block.data(), 480, &variations);
    EXPECT_LT(equaliser.GetFadeStep(), 0.0f);
    EXPECT_NEAR(block[0], 0.2f, 1e-3f);
}

TEST(CTessalineChainTest, ConstantParametersGiveTheSameBitsWhateverTheBlockSize)
{
    CTessaline probe;
    Values values = EverythingOn(Defaults(probe));
    values[CTessaline::kNonLinear] = 30;
    values[CTessaline::kLimiter] = 1;
    values[CTessaline::kOversample] = 1;
    values[CTessaline::kPre] = 12;
    const std::vector<float> input = Noise(24576, 9);
    std::vector<float> first;
    const int kBlocks[] = {4096, 512, 64, 1, 4096};
    for (int block : kBlocks) {
        SCOPED_TRACE(block);
        CTessaline equaliser;
        Prepare(equaliser, 48000.0, values);
        // The start-up fades of the bypass managers end with the block they end in: one block for all.
        std::vector<float> warmUp = Noise(4096, 8);
        RunSignal(equaliser, warmUp, 4096);
        std::vector<float> signal = input;
        RunSignal(equaliser, signal, block);
        if (first.empty())
            first = signal;
        else
            EXPECT_TRUE(SameBits(signal, first));
    }
}

TEST(CTessalineChainTest, SilenceSkipsTheSectionFilterThatIsNotCurrent)
{
    CTessaline equaliser;
    Values values = Defaults(equaliser);
    values[CTessaline::kLowActive] = 1;
    values[CTessaline::kLowGain] = 6;
    values[Band(1, 0)] = 1;
    Prepare(equaliser, 48000.0, values);
    std::vector<float> signal = Noise(4800, 1);
    RunSignal(equaliser, signal, 480);
    // Switched by a block's values, so that the shelf is still fading out (values applied through
    // SetParamsValues switch at once).
    values[CTessaline::kLowCut] = 1;
    CDynamicParamsVariations variations;
    MakeVariations(variations, values);
    signal = Noise(480, 2);
    RunBlock(equaliser, signal.data(), 480, &variations);

    const auto& shelf = dynamic_cast<const CLowShelfFilter&>(*equaliser.GetChainItem(0).m_filter);
    const auto& cut = dynamic_cast<const CHighPassFilter&>(*equaliser.GetChainItem(1).m_filter);
    const auto& peak = dynamic_cast<const CPeakFilter&>(*equaliser.GetChainItem(3).m_filter);
    ASSERT_NE(shelf.GetBiquad().y1, 0.0);
    ASSERT_NE(cut.GetBiquad().y1, 0.0);
    equaliser.SkipSilence(64);
    EXPECT_NE(shelf.GetBiquad().y1, 0.0);
    EXPECT_EQ(cut.GetBiquad().y1, 0.0);
    EXPECT_EQ(peak.GetBiquad().y1, 0.0);
}

TEST(CTessalineChainTest, AfterTheTailSilentBlocksApplyValuesAtOnce)
{
    CTessaline equaliser;
    Values values = Defaults(equaliser);
    Prepare(equaliser, 48000.0, values);
    values[CTessaline::kOversample] = 1;
    CDynamicParamsVariations variations;
    MakeVariations(variations, values);
    std::vector<float> block(4096, 1.0f);
    int blocks = 0;
    while (VeltisTest::ProcessSilenceInPlace(equaliser, block.data(), 4096, &variations) && blocks < 1000)
        ++blocks;
    EXPECT_GE(blocks * 4096, equaliser.GetTailLength());
    EXPECT_TRUE(equaliser.IsOversampling());
    EXPECT_EQ(equaliser.GetFadeStep(), 0.0f);
    for (float v : block)
        EXPECT_EQ(v, 0.0f);
}

TEST(CTessalineChainTest, RunsAreBitIdentical)
{
    CTessaline probe;
    Values values = EverythingOn(Defaults(probe));
    values[CTessaline::kNonLinear] = 60;
    values[CTessaline::kLimiter] = 1;
    std::vector<float> runs[2];
    for (std::vector<float>& run : runs) {
        CTessaline equaliser;
        Prepare(equaliser, 44100.0, values);
        run = Noise(20000, 4, 2.0f);
        RunSignal(equaliser, run, 441);
    }
    EXPECT_TRUE(SameBits(runs[0], runs[1]));
}
