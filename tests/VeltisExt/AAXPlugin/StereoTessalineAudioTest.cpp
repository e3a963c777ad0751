#include <gtest/gtest.h>

#include <math.h>

#include <limits>
#include <vector>

#include "platform/aax/AAXStemFormat.h"
#include "support/StereoTessalineModule.h"

using namespace VeltisTest;
using Veltis::Platform::AAXHost::CHostInstance;
using Veltis::Platform::AAXHost::SInstanceSettings;

namespace {

SInstanceSettings AtRate(float rate, int inputs = 2, int outputs = 2)
{
    SInstanceSettings settings;
    settings.m_SampleRate = rate;
    settings.m_InputStemFormat = AAXStemFormat::FromChannelCount(inputs);
    settings.m_OutputStemFormat = AAXStemFormat::FromChannelCount(outputs);
    return settings;
}

void BoostAt1kHz(CHostInstance& instance, const char* gain)
{
    for (const char* side : {" (L)", " (R)"}) {
        StereoTessalineTest::SetByText(instance, (std::string("Band 3 Active") + side).c_str(), "1");
        StereoTessalineTest::SetByText(instance, (std::string("Freq 3") + side).c_str(), "1000");
        StereoTessalineTest::SetByText(instance, (std::string("Gain 3") + side).c_str(), gain);
    }
}

bool AllFinite(const std::vector<std::vector<float>>& channels, size_t from = 0)
{
    for (const std::vector<float>& channel : channels)
        for (size_t i = from; i < channel.size(); ++i)
            if (!std::isfinite(channel[i]))
                return false;
    return true;
}

} // namespace

TEST_F(StereoTessalineTest, BandBoostIsMeasuredThroughTheHost)
{
    const double rate = 44100.0;
    CHostInstance& instance = NewInstance(AtRate(44100.0f));
    BoostAt1kHz(instance, "12");
    const std::vector<float> tone = Sine(1000.0, rate, 22050, 0.05f);
    const std::vector<std::vector<float>> out = RenderSignal(instance, tone);
    const double gain = 20.0 * log10(RMS(out[0], 11025) / RMS(tone, 11025));
    EXPECT_NEAR(gain, 12.0, 0.5);
    EXPECT_NEAR(20.0 * log10(RMS(out[1], 11025) / RMS(tone, 11025)), 12.0, 0.5);
    const std::vector<float> low = Sine(100.0, rate, 22050, 0.05f);
    EXPECT_NEAR(20.0 * log10(RMS(RenderSignal(instance, low)[0], 11025) / RMS(low, 11025)), 0.0, 1.0);
}

TEST_F(StereoTessalineTest, AutomationRampsWithinTheBlockItArrivesFor)
{
    CHostInstance& instance = NewInstance(AtRate(44100.0f));
    const std::vector<float> tone = Sine(1000.0, 44100.0, 4096, 0.1f);
    RenderSignal(instance, tone);
    SetByText(instance, "Post (L)", "12");
    const std::vector<float> block = Sine(1000.0, 44100.0, 512, 0.1f);
    const std::vector<std::vector<float>> ramp = RenderSignal(instance, block);
    const std::vector<std::vector<float>> after = RenderSignal(instance, block);
    // The gain grows across the block where the change arrives, then holds.
    auto envelope = [&](const std::vector<float>& out, size_t from, size_t to) {
        double peak = 0.0;
        for (size_t i = from; i < to; ++i)
            peak = std::max(peak, fabs(static_cast<double>(out[i])));
        return peak;
    };
    const double start = envelope(ramp[0], 0, 44);
    const double middle = envelope(ramp[0], 234, 278);
    const double end = envelope(ramp[0], 468, 512);
    EXPECT_NEAR(start, 0.1, 0.02);
    EXPECT_GT(middle, start * 1.5);
    EXPECT_GT(end, middle * 1.3);
    EXPECT_NEAR(envelope(after[0], 0, 512), 0.1 * pow(10.0, 12.0 / 20.0), 0.02);
    // The right channel's own gain never moved.
    EXPECT_NEAR(envelope(ramp[1], 0, 512), 0.1, 0.01);
}

TEST_F(StereoTessalineTest, MasterBypassCrossfadesWithinTenMilliseconds)
{
    const double rate = 44100.0;
    CHostInstance& instance = NewInstance(AtRate(44100.0f));
    BoostAt1kHz(instance, "12");
    const std::vector<float> tone = Sine(1000.0, rate, 8192, 0.05f);
    RenderSignal(instance, tone);
    instance.Automate("", 1.0);
    const std::vector<float> next = Sine(1000.0, rate, 4410, 0.05f);
    const std::vector<std::vector<float>> out = RenderSignal(instance, next, {}, {441});
    // Not switched at once, dry after 10 ms (441 samples).
    EXPECT_GT(RMS(std::vector<float>(out[0].begin(), out[0].begin() + 44), 0), 0.05);
    for (size_t i = 441 + 512; i < out[0].size(); ++i)
        ASSERT_NEAR(out[0][i], next[i], 1e-6) << i;
}

TEST_F(StereoTessalineTest, BlockSizesChangingBetweenCallsGiveTheSameSignal)
{
    CHostInstance& steady = NewInstance(AtRate(48000.0f));
    CHostInstance& varying = NewInstance(AtRate(48000.0f));
    BoostAt1kHz(steady, "6");
    BoostAt1kHz(varying, "6");
    // Both take the automation ramp in the same blocks first.
    const std::vector<float> settle = Sine(997.0, 48000.0, 4096, 0.2f);
    RenderSignal(steady, settle);
    RenderSignal(varying, settle);
    const std::vector<float> tone = Sine(997.0, 48000.0, 20000, 0.2f);
    const std::vector<std::vector<float>> reference = RenderSignal(steady, tone, {}, {512});
    const std::vector<std::vector<float>> out = RenderSignal(varying, tone, {}, {1, 7, 4096, 333, 64, 2, 1023, 4095});
    for (size_t i = 0; i < tone.size(); ++i)
        ASSERT_NEAR(out[0][i], reference[0][i], 1e-4) << i;
}

TEST_F(StereoTessalineTest, SampleRatesFrom22050To192000ProcessTheBoost)
{
    for (float rate : {22050.0f, 44100.0f, 48000.0f, 88200.0f, 96000.0f, 176400.0f, 192000.0f}) {
        SCOPED_TRACE(rate);
        CHostInstance& instance = NewInstance(AtRate(rate));
        BoostAt1kHz(instance, "12");
        const size_t frames = static_cast<size_t>(rate / 4);
        const std::vector<float> tone = Sine(1000.0, rate, frames, 0.05f);
        const std::vector<std::vector<float>> out = RenderSignal(instance, tone);
        EXPECT_TRUE(AllFinite(out));
        EXPECT_NEAR(20.0 * log10(RMS(out[0], frames / 2) / RMS(tone, frames / 2)), 12.0, 0.7);
    }
}

TEST_F(StereoTessalineTest, NonFiniteAndDenormalInputRecovers)
{
    CHostInstance& instance = NewInstance(AtRate(44100.0f));
    BoostAt1kHz(instance, "12");
    const float kBad[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                          -std::numeric_limits<float>::infinity(), 1e-40f};
    for (float bad : kBad) {
        SCOPED_TRACE(bad);
        std::vector<float> input = Sine(1000.0, 44100.0, 1024, 0.1f);
        for (size_t i = 100; i < 300; ++i)
            input[i] = bad;
        RenderSignal(instance, input);
        const std::vector<std::vector<float>> out = RenderSignal(instance, Sine(1000.0, 44100.0, 8192, 0.1f));
        EXPECT_TRUE(AllFinite(out, 4096));
    }
}

TEST_F(StereoTessalineTest, HostChannelCountsBelowTheProcessorsAreAbsorbed)
{
    CHostInstance& mono = NewInstance(AtRate(44100.0f, 1, 2));
    const std::vector<float> tone = Sine(1000.0, 44100.0, 4096, 0.1f);
    std::vector<std::vector<float>> out = RenderSignal(mono, tone, {}, {512}, 1);
    EXPECT_NEAR(RMS(out[0], 2048), RMS(tone, 2048), 1e-3);
    EXPECT_NEAR(RMS(out[1], 2048), 0.0, 1e-6);

    CHostInstance& none = NewInstance(AtRate(44100.0f, 0, 2));
    out = RenderSignal(none, tone, {}, {512}, 0);
    EXPECT_TRUE(AllFinite(out));
    EXPECT_EQ(RMS(out[0], 0), 0.0);
}
