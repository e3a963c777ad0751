#include "Veltis/Audio/DSP/CAudioStreams.h"
#include "Veltis/Audio/DSP/CFilterBypassManager.h"
#include "support/TRecordingFilter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

using namespace Veltis::Audio::DSP;

namespace {

// A filter that doubles its input behind a manager at 44.1 kHz; with an input of ones each output
// sample is 1 + the position of that sample.
struct CBypassFixture {
    CBypassFixture()
    {
        m_Filter.m_Scale = 2.0f;
        m_Manager.SetSampleRate(44100);
    }

    std::vector<float> Run(int count, float value = 1.0f)
    {
        std::vector<float> in(count, value), out(count, -1.0f);
        CAudioStream inStream(in.data(), count), outStream(out.data(), count);
        CAudioStreams inputs(1, &inStream), outputs(1, &outStream);
        m_Manager.Process(m_Filter, {&inputs, &outputs, count, nullptr, nullptr});
        return out;
    }

    VeltisTest::TRecordingFilter<1> m_Filter;
    CFilterBypassManager m_Manager;
};

} // namespace

TEST(BypassManager, FadeOutLasts441SamplesAtTenMilliseconds)
{
    CBypassFixture f;
    f.m_Manager.SetTransitionTime(10.0f);
    f.m_Manager.SetBypass(true);
    EXPECT_FALSE(f.m_Manager.IsActive());
    EXPECT_TRUE(f.m_Manager.IsFading());
    const std::vector<float> out = f.Run(512);
    EXPECT_EQ(out[0], 2.0f);
    EXPECT_GT(out[440], 1.0f);
    EXPECT_EQ(out[441], 1.0f);
    EXPECT_FALSE(f.m_Manager.IsFading());
    EXPECT_EQ(f.m_Manager.GetPosition(), 0.0f);
}

TEST(BypassManager, SwitchingBackTurnsTheFadeWhereItStands)
{
    CBypassFixture f;
    f.m_Manager.SetTransitionTime(10.0f);
    f.m_Manager.SetBypass(true);
    f.Run(100);
    EXPECT_NEAR(f.m_Manager.GetPosition(), 0.773f, 0.001f);
    f.m_Manager.SetBypass(false);
    const std::vector<float> back = f.Run(120);
    EXPECT_NEAR(back[0], 1.773f, 0.001f);
    EXPECT_LT(back[98], 2.0f);
    EXPECT_EQ(back[101], 2.0f);
    EXPECT_FALSE(f.m_Manager.IsFading());
    EXPECT_EQ(f.m_Manager.GetPosition(), 1.0f);
}

TEST(BypassManager, BypassedOutputIsTheInputWhileTheFilterRunsOnSilence)
{
    CBypassFixture f;
    f.m_Manager.SetBypass(true); // no transition time: at once
    EXPECT_FALSE(f.m_Manager.IsFading());
    std::vector<float> in(64), out(64);
    for (int k = 0; k < 64; ++k)
        in[k] = std::sin(0.1f * k) * 1e-3f;
    CAudioStream inStream(in.data(), 64), outStream(out.data(), 64);
    CAudioStreams inputs(1, &inStream), outputs(1, &outStream);
    for (int block = 1; block <= 3; ++block) {
        f.m_Manager.Process(f.m_Filter, {&inputs, &outputs, 64, nullptr, nullptr});
        EXPECT_EQ(std::memcmp(in.data(), out.data(), sizeof(float) * 64), 0);
        EXPECT_EQ(f.m_Filter.m_SkipSilenceCalls, block);
    }
    EXPECT_EQ(f.m_Filter.m_DoProcessCalls, 0);
}

TEST(BypassManager, SwitchingToTheSameStateDoesNothing)
{
    CBypassFixture f;
    f.m_Manager.SetTransitionTime(10.0f);
    f.m_Manager.SetBypass(false);
    EXPECT_FALSE(f.m_Manager.IsFading());
    EXPECT_EQ(f.Run(4), std::vector<float>(4, 2.0f));
    EXPECT_EQ(f.m_Filter.m_DoProcessCalls, 1);
}

TEST(BypassManager, SampleRateEndsAFadeWithThePositionOfTheState)
{
    CBypassFixture f;
    f.m_Manager.SetTransitionTime(10.0f);
    f.m_Manager.SetBypass(true);
    f.Run(10);
    f.m_Manager.SetSampleRate(48000);
    EXPECT_FALSE(f.m_Manager.IsFading());
    EXPECT_EQ(f.m_Manager.GetPosition(), 0.0f);
    // The old step stays until the transition time is set again.
    f.m_Manager.SetBypass(false);
    EXPECT_TRUE(f.m_Manager.IsFading());
    EXPECT_NEAR(f.Run(1)[0], 1.0f, 1e-6f);
    EXPECT_NEAR(f.m_Manager.GetPosition(), 1.0f / 441.0f, 1e-6f);
}

TEST(BypassManager, ImmediateSwitchThenFadeInStartsFromTheUnprocessedSignal)
{
    CBypassFixture f;
    f.m_Manager.SetBypass(true);
    f.Run(4);
    f.m_Manager.SetTransitionTime(10.0f);
    f.m_Manager.SetBypass(false);
    const std::vector<float> out = f.Run(4);
    EXPECT_EQ(out[0], 1.0f);
    EXPECT_GT(out[1], 1.0f);
    EXPECT_LT(out[3], 1.01f);
}

TEST(BypassManager, StepIsTheSpecifiedSinglePrecisionProduct)
{
    struct Case {
        double rate;
        float ms;
        float step;
    };
    const Case kCases[] = {
        {44100, 10.0f, static_cast<float>(999.999952502551 / (10.0 * 44100))},
        {48000, 60.0f, static_cast<float>(999.999952502551 / (60.0 * 48000))},
        {44100, 0.0f, 0.0f},
        {0, 10.0f, 0.0f},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.ms);
        CBypassFixture f;
        f.m_Manager.SetSampleRate(c.rate);
        f.m_Manager.SetBypass(true);
        f.m_Manager.SetTransitionTime(c.ms);
        f.m_Manager.SetBypass(false);
        f.Run(1);
        // From bypassed (position 0) one sample moves the position by one step.
        EXPECT_EQ(f.m_Manager.GetPosition(), c.step == 0.0f ? 1.0f : c.step);
    }
}

TEST(BypassManager, SilencePathWhileBypassedWritesZerosAndReportsTheFilter)
{
    CBypassFixture f;
    f.m_Filter.SetTail(100);
    f.m_Manager.SetBypass(true);
    std::vector<float> out(32, 5.0f);
    CAudioStream outStream(out.data(), 32);
    CAudioStreams outputs(1, &outStream);
    EXPECT_TRUE(f.m_Manager.ProcessSilence(f.m_Filter, {nullptr, &outputs, 32, nullptr, nullptr}));
    EXPECT_EQ(out, std::vector<float>(32, 0.0f));
    EXPECT_EQ(f.m_Filter.m_DoProcessCalls, 1);

    // Fading in on silence: the processed signal of a silent input is silence.
    f.m_Manager.SetTransitionTime(10.0f);
    f.m_Manager.SetBypass(false);
    out.assign(32, 5.0f);
    EXPECT_TRUE(f.m_Manager.ProcessSilence(f.m_Filter, {nullptr, &outputs, 32, nullptr, nullptr}));
    EXPECT_EQ(out, std::vector<float>(32, 0.0f));
    EXPECT_TRUE(f.m_Manager.IsFading());
}

TEST(BypassManager, SharedBuffersServeSeveralManagers)
{
    CFilterBypassManagerBase::CBuffers buffers;
    CFilterBypassManagerBase first(&buffers), second(&buffers);
    first.ReserveBuffers(2, 4096);
    EXPECT_EQ(buffers.GetCount(), 2);
    EXPECT_GE(buffers.GetStorage()[1].GetCapacity(), 4096);
    EXPECT_EQ(buffers.GetStorage()[1].GetSize(), 0);
    second.SetBypass(true);
    VeltisTest::TRecordingFilter<1> filter;
    float in = 3.0f, out = 0.0f;
    CAudioStream inStream(&in, 1), outStream(&out, 1);
    CAudioStreams inputs(1, &inStream), outputs(1, &outStream);
    second.Process(filter, {&inputs, &outputs, 1, nullptr, nullptr});
    EXPECT_EQ(out, 3.0f);
    EXPECT_EQ(buffers.GetCount(), 1);
}

TEST(BypassManager, BlockWithoutInputsFadesFromSilence)
{
    CBypassFixture f;
    f.m_Manager.SetTransitionTime(10.0f);
    f.m_Manager.SetBypass(true);
    f.Run(4); // leaves processed samples in the scratch buffers
    std::vector<float> out(4, 5.0f);
    CAudioStream outStream(out.data(), 4);
    CAudioStreams outputs(1, &outStream);
    f.m_Manager.Process(f.m_Filter, {nullptr, &outputs, 4, nullptr, nullptr});
    EXPECT_EQ(out, std::vector<float>(4, 0.0f));
    EXPECT_TRUE(f.m_Filter.m_LastSilentInput);
    f.m_Manager.Process(f.m_Filter, {nullptr, nullptr, 4, nullptr, nullptr}); // nothing to write
    EXPECT_TRUE(f.m_Manager.IsFading());
}
