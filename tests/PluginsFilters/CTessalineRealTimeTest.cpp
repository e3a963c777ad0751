#include "PluginsFilters/CStereoTessaline.h"
#include "TessalineTestSupport.h"
#include "support/CAllocationCounter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

using namespace TessalineTest;
using PluginsFilters::CStereoTessaline;

namespace {

// Stereo blocks over two channel buffers of up to capacity samples.
struct CStereoBuffers {
    explicit CStereoBuffers(int capacity) : m_left(capacity), m_right(capacity) {}

    void Fill(int count, float value)
    {
        for (int k = 0; k < count; ++k) {
            m_left[k] = value * std::sin(0.01f * static_cast<float>(k));
            m_right[k] = -m_left[k];
        }
    }

    // Runs one block; silent blocks go through the silence path.
    bool Run(Veltis::Audio::DSP::IFilter& filter, int count, const Veltis::Audio::DSP::IParamsVariations* variations,
             bool silent)
    {
        CAudioStream streams[2] = {CAudioStream(m_left.data(), count), CAudioStream(m_right.data(), count)};
        CAudioStreams vector(2, streams);
        const CProcessContext context = {&vector, &vector, count, variations, nullptr};
        if (silent)
            return filter.ProcessSilence(context);
        filter.Process(context);
        return true;
    }

    std::vector<float> m_left, m_right;
};

Values StereoValues(const Veltis::Audio::DSP::IFilter& filter, float oversample, float shift)
{
    Values v = Defaults(filter);
    v[0] = 1;
    v[1] = oversample;
    v[2] = 40 + shift;
    for (int channel = 0; channel < 2; ++channel) {
        const int base = channel * 30;
        v[base + CTessaline::kLowActive] = 1;
        v[base + CTessaline::kLowCut] = channel;
        v[base + CTessaline::kHighActive] = 1;
        v[base + CTessaline::kHighGain] = 3 + shift;
        for (int band = 1; band <= 5; ++band) {
            v[base + Band(band, 0)] = 1;
            v[base + Band(band, 3)] = -4 + shift;
        }
    }
    return v;
}

} // namespace

TEST(CTessalineRealTimeTest, TheAudioPathAllocatesNothingOnceTheRateIsSet)
{
    CStereoTessaline stereo;
    Prepare(stereo, 48000.0, StereoValues(stereo, 0, 0));
    CStereoBuffers buffers(8192);
    CDynamicParamsVariations variations(3, 65);
    std::mt19937 random(17);
    std::uniform_int_distribution<int> sizes(1, CTessaline::kBlockReserve);

    // Phases: ramps with 0 to 3 sets, a fade and switch to oversampling, ramps while oversampled, an
    // immediate switch back, silence past the tail, and audio again.
    const int kBlocks = 400;
    std::vector<Values> blockValues;
    std::vector<int> counts;
    for (int b = 0; b < kBlocks; ++b) {
        const float oversample = b >= 100 && b < 250 ? 1.0f : 0.0f;
        blockValues.push_back(StereoValues(stereo, oversample, static_cast<float>(b % 7)));
        const bool silent = b >= 280 && b < 380;
        counts.push_back(b % 50 == 0 || silent ? CTessaline::kBlockReserve : sizes(random));
    }
    const CParamsValues switchBack(65, blockValues[250].data());

    long allocations = 0;
    int silentBlocks = 0;
    bool oversampled = false;
    {
        VeltisTest::CAllocationCounter counter(1000);
        for (int b = 0; b < kBlocks; ++b) {
            const int count = counts[b];
            const Values& values = blockValues[b];
            const int sets = b % 4;
            variations.SetCount(sets);
            for (int j = 0; j < sets; ++j)
                for (int i = 0; i < 65; ++i)
                    variations.GetAt(j).SetValue(i, j == 0 ? values[i] : 0.001f * static_cast<float>(i % 3) / j);
            if (b == 250)
                stereo.SetParamsValues(switchBack);
            // Past the meter's tail of about five seconds.
            const bool silent = b >= 280 && b < 380;
            buffers.Fill(count, silent ? 0.0f : 0.5f);
            if (!buffers.Run(stereo, count, sets ? &variations : nullptr, silent))
                ++silentBlocks;
            oversampled = oversampled || stereo.GetLeftFilter().IsOversampling();
        }
        allocations = counter.GetCount();
    }
    EXPECT_EQ(allocations, 0);
    EXPECT_GT(silentBlocks, 0);
    EXPECT_TRUE(oversampled);
    EXPECT_FALSE(stereo.GetLeftFilter().IsOversampling());

    // A longer block than the reserve grows the buffers once.
    {
        VeltisTest::CAllocationCounter counter(1000);
        buffers.Fill(8192, 0.5f);
        buffers.Run(stereo, 8192, nullptr, false);
    }
    {
        VeltisTest::CAllocationCounter counter(1000);
        buffers.Fill(8192, 0.5f);
        buffers.Run(stereo, 8192, nullptr, false);
        allocations = counter.GetCount();
    }
    EXPECT_EQ(allocations, 0);
}

TEST(CTessalineRealTimeTest, HostileValuesAndSamplesNeverLatchAndTheOutputRecovers)
{
    const float kNaN = std::numeric_limits<float>::quiet_NaN();
    const float kInf = std::numeric_limits<float>::infinity();
    const float kBadValues[] = {kNaN, kInf, -kInf, 1e30f, -1e30f, 0.0f, 1e-45f};
    const double kRate = 22050.0;
    CTessaline probe;
    Values sane = Defaults(probe);
    sane[CTessaline::kLimiter] = 1;
    sane[CTessaline::kNonLinear] = 50;
    sane[CTessaline::kLowActive] = 1;
    sane[CTessaline::kHighActive] = 1;
    for (int band = 1; band <= 5; ++band)
        sane[Band(band, 0)] = 1;

    struct Case {
        int index;     // -1: every value at once
        float value;
        bool ramp;     // the bad value as a ramp's increment instead
        float sample;  // the input during the bad phase
        int oversample;
    };
    std::vector<Case> cases;
    for (int i = 0; i < CTessaline::kParamsCount; ++i) {
        cases.push_back({i, kNaN, false, 0.5f, 0});
        cases.push_back({i, i % 3 ? 1e30f : -kInf, i % 2 == 0, 0.5f, 1});
    }
    const float kBadSamples[] = {kNaN, kInf, -kInf, 1e-41f, 3e38f};
    for (int oversample = 0; oversample < 2; ++oversample) {
        for (float bad : kBadValues)
            cases.push_back({-1, bad, false, 0.5f, oversample});
        cases.push_back({-1, kInf, true, 0.5f, oversample});
        for (float sample : kBadSamples)
            cases.push_back({CTessaline::kPre, 0.0f, false, sample, oversample});
    }

    for (const Case& c : cases) {
        const int oversample = c.oversample;
        SCOPED_TRACE(testing::Message() << "index " << c.index << " value " << c.value << (c.ramp ? " ramp" : "")
                                        << " sample " << c.sample << (oversample ? " oversampled" : ""));
        Values values = sane;
        values[CTessaline::kOversample] = static_cast<float>(oversample);
        CTessaline equaliser;
        Prepare(equaliser, kRate, values);
        Values bad = values, increments(35, 0.0f);
        for (int i = 0; i < 35; ++i)
            if (c.index < 0 || c.index == i)
                (c.ramp ? increments[i] : bad[i]) = c.value;
        CDynamicParamsVariations variations;
        std::vector<float> block(441);
        for (int b = 0; b < 10; ++b) {
            MakeVariations(variations, bad, c.ramp ? increments : Values());
            std::fill(block.begin(), block.end(), c.sample);
            RunBlock(equaliser, block.data(), 441, &variations);
            if (b == 5)
                equaliser.SetParamsValues(CParamsValues(35, bad.data()));
            equaliser.UpdateOutputs();
        }
        equaliser.GetOutputCurves().GetValue(1).GetValue(1000.0f);

        // Sane values and finite input again: finite output within a second.
        equaliser.SetParamsValues(CParamsValues(35, values.data()));
        MakeVariations(variations, values);
        bool finite = true;
        for (int b = 0; b < 50; ++b) {
            for (int k = 0; k < 441; ++k)
                block[k] = 0.3f * std::sin(0.05f * static_cast<float>(b * 441 + k));
            RunBlock(equaliser, block.data(), 441, &variations);
            if (b >= 45)
                for (float s : block)
                    finite = finite && std::isfinite(s) && std::fabs(s) < 100.0f;
        }
        equaliser.UpdateOutputs();
        EXPECT_TRUE(finite);
        for (int i = 0; i < 3; ++i)
            EXPECT_TRUE(std::isfinite(equaliser.GetOutputParamsValues().GetValue(i))) << i;
    }
}

// Values jumping at every block, even at every sample, must not drive a section's state away: from
// finite input the output stays finite and far from any runaway.
TEST(CTessalineRealTimeTest, RandomAutomationNeverRunsAwayAtAnyRateOrBlockSize)
{
    const double kRates[] = {22050.0, 48000.0, 192000.0};
    const int kBlocks[] = {1, 2, 3, 17, 64, 511, 4096};
    const int kSamples = 12288;
    CTessaline probe;
    const Veltis::Audio::DSP::IFilter::IConstParamsInfo& info = probe.GetInputParamsInfo();
    for (double rate : kRates)
        for (int block : kBlocks) {
            SCOPED_TRACE(testing::Message() << rate << " Hz, blocks of " << block);
            std::mt19937 random(static_cast<unsigned>(rate) + static_cast<unsigned>(block));
            std::uniform_real_distribution<float> unit(0.0f, 1.0f);
            CTessaline equaliser;
            Values values = Defaults(probe);
            Prepare(equaliser, rate, values);
            const std::vector<float> input = VeltisTest::Noise(kSamples, 0.5f, static_cast<unsigned>(block));
            std::vector<float> signal = input;
            CDynamicParamsVariations variations;
            int nonFinite = 0;
            float peak = 0.0f;
            for (int done = 0; done < kSamples; done += block) {
                const int count = std::min(block, kSamples - done);
                // A new target for most values, reached by a ramp over the block as the host plays it;
                // the sections stay engaged most of the time, the clip reset never fires.
                Values targets = values, increments(values.size(), 0.0f);
                for (size_t i = 0; i < values.size(); ++i) {
                    const float min = info.GetAt(static_cast<int>(i)).GetMin();
                    const float max = info.GetAt(static_cast<int>(i)).GetMax();
                    const bool isSwitch = max - min == 1.0f && min == 0.0f;
                    if (static_cast<int>(i) == CTessaline::kClipReset || unit(random) < 0.2f)
                        continue;
                    targets[i] = isSwitch ? (unit(random) < 0.8f ? 1.0f : 0.0f) : min + (max - min) * unit(random);
                    increments[i] = (targets[i] - values[i]) / static_cast<float>(count);
                }
                MakeVariations(variations, values, increments);
                RunBlock(equaliser, signal.data() + done, count, &variations);
                values = targets;
                for (int k = done; k < done + count; ++k) {
                    nonFinite += std::isfinite(signal[k]) ? 0 : 1;
                    if (std::isfinite(signal[k]))
                        peak = std::max(peak, std::fabs(signal[k]));
                }
            }
            EXPECT_EQ(nonFinite, 0);
            EXPECT_LT(peak, 1e8f);
        }
}

TEST(CTessalineRealTimeTest, AHighSectionAboveNyquistStaysStable)
{
    CTessaline probe;
    for (int oversample = 0; oversample < 2; ++oversample)
        for (int cut = 0; cut < 2; ++cut) {
            SCOPED_TRACE(testing::Message() << (cut ? "cut" : "shelf") << (oversample ? " oversampled" : ""));
            Values values = Defaults(probe);
            values[CTessaline::kOversample] = static_cast<float>(oversample);
            values[CTessaline::kHighActive] = 1;
            values[CTessaline::kHighCut] = static_cast<float>(cut);
            values[CTessaline::kHighFreq] = 20000;
            values[CTessaline::kHighGain] = 12;
            CTessaline equaliser;
            Prepare(equaliser, 22050.0, values);
            std::vector<float> signal = VeltisTest::Noise(22050, 0.5f);
            RunSignal(equaliser, signal, 512);
            float peak = 0.0f;
            for (size_t k = 11025; k < signal.size(); ++k) {
                ASSERT_TRUE(std::isfinite(signal[k])) << k;
                peak = std::max(peak, std::fabs(signal[k]));
            }
            EXPECT_LT(peak, 8.0f);
        }
}

// The host's render road refreshes the outputs after each block on the audio thread; switching bands on and
// off there changes how many sections the total response multiplies.
TEST(CTessalineRealTimeTest, RefreshingOutputsWhileSectionsSwitchAllocatesNothing)
{
    CStereoTessaline stereo;
    Prepare(stereo, 48000.0, StereoValues(stereo, 0, 0));
    CStereoBuffers buffers(512);
    const int kBlocks = 128;
    std::vector<CParamsValues> blockValues;
    for (int b = 0; b < kBlocks; ++b) {
        Values values = StereoValues(stereo, 0, 0);
        for (int channel = 0; channel < 2; ++channel) {
            const int base = channel * 30;
            values[base + CTessaline::kLowActive] = static_cast<float>(b & 1);
            values[base + CTessaline::kHighActive] = static_cast<float>((b >> 1) & 1);
            for (int band = 1; band <= 5; ++band)
                values[base + Band(band, 0)] = static_cast<float>((b >> (band + 1)) & 1);
        }
        blockValues.emplace_back(65, values.data());
    }
    long allocations = 0;
    {
        VeltisTest::CAllocationCounter counter(1000);
        for (int b = 0; b < kBlocks; ++b) {
            stereo.SetParamsValues(blockValues[b]);
            buffers.Fill(512, 0.5f);
            buffers.Run(stereo, 512, nullptr, false);
            stereo.UpdateOutputs();
        }
        allocations = counter.GetCount();
    }
    EXPECT_EQ(allocations, 0);
}
