#include "Veltis/Audio/DSP/CAudioStream.h"
#include "Veltis/Audio/DSP/CAudioStreams.h"
#include "Veltis/Audio/DSP/Filters/CPeakMeter.h"
#include "Veltis/DataModel/Objects/IConstParamInfo.h"
#include "Veltis/DataModel/Objects/IConstProductInfo.h"

#include "support/CAllocationCounter.h"
#include "support/MonoFilterBlocks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

using namespace Veltis::Audio::DSP;
using namespace Veltis::Audio::DSP::Filters;
using VeltisTest::FillVariations;
using VeltisTest::SetRate;

namespace {

const CPeakMeter::CSettings kEqualiser = {1, -60.0f, 0.0f, 0.0f};

// The equaliser's defaults with the two trigger inputs given.
void SetTriggers(CPeakMeter& meter, float clipReset, float maxReset)
{
    VeltisTest::SetValues(meter, {0.0f, 0.0f, 400.0f, 1500.0f, 15.0f, clipReset, maxReset});
}

void Measure(CPeakMeter& meter, std::vector<float> samples, const IParamsVariations* variations = nullptr)
{
    VeltisTest::ProcessInPlace(meter, samples.data(), static_cast<int>(samples.size()), variations);
}

float Output(CPeakMeter& meter, int index)
{
    meter.UpdateOutputs();
    return meter.GetOutputParamsValues().GetValue(index);
}

} // namespace

TEST(CPeakMeterTest, TailAtTheEqualisersSettings)
{
    CPeakMeter meter(&kEqualiser);
    SetRate(meter, 44100.0);
    EXPECT_EQ(meter.GetHoldFollower().m_HoldLength, 66150);
    EXPECT_EQ(meter.GetHoldFollower().m_ReleaseLength, 58799);
    EXPECT_EQ(meter.GetPeakFollower().m_ReleaseLength, 17640);
    EXPECT_EQ(meter.GetTailLength(), 242547);

    // No setting goes past ten seconds.
    VeltisTest::SetValues(meter, {0.0f, 500.0f, 3000.0f, 3000.0f, 0.001f, 0.0f, 0.0f});
    EXPECT_EQ(meter.GetTailLength(), 441000);
}

TEST(CPeakMeterTest, LevelsAreClampedAndNeverMinusInfinity)
{
    CPeakMeter meter(&kEqualiser);
    SetRate(meter, 44100.0);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Output(meter, i), -60.0f) << i;
    Measure(meter, std::vector<float>(64, 2.0f)); // +6 dBFS
    EXPECT_EQ(Output(meter, CPeakMeter::kPeak), 0.0f);
    EXPECT_EQ(Output(meter, CPeakMeter::kPeakHold), 0.0f);
    EXPECT_EQ(Output(meter, CPeakMeter::kPeakMax), 0.0f);
    Measure(meter, std::vector<float>(64, 0.1f));
    meter.Reset();
    EXPECT_EQ(Output(meter, CPeakMeter::kPeak), -60.0f);
    EXPECT_EQ(Output(meter, CPeakMeter::kPeakMax), 0.0f); // maxima survive Reset
}

TEST(CPeakMeterTest, ClipLatchesAndBothEdgesOfTheResetClearIt)
{
    CPeakMeter meter(&kEqualiser);
    SetRate(meter, 48000.0);
    Measure(meter, {1.0f});
    EXPECT_EQ(Output(meter, CPeakMeter::kClipped), 0.0f);
    Measure(meter, {1.0001f, 0.0f});
    EXPECT_EQ(Output(meter, CPeakMeter::kClipped), 1.0f);
    SetTriggers(meter, 0.0f, 0.0f);
    EXPECT_EQ(Output(meter, CPeakMeter::kClipped), 1.0f); // no change of state
    SetTriggers(meter, 1.0f, 0.0f);
    EXPECT_EQ(Output(meter, CPeakMeter::kClipped), 0.0f);
    Measure(meter, {-1.5f});
    EXPECT_EQ(Output(meter, CPeakMeter::kClipped), 1.0f);
    SetTriggers(meter, 0.0f, 0.0f); // falling edge
    EXPECT_EQ(Output(meter, CPeakMeter::kClipped), 0.0f);
}

TEST(CPeakMeterTest, MaxResetRestartsTheMaximumOnEitherEdge)
{
    CPeakMeter meter(&kEqualiser);
    SetRate(meter, 48000.0);
    Measure(meter, {0.5f});
    EXPECT_NEAR(Output(meter, CPeakMeter::kPeakMax), -6.02f, 0.01f);
    SetTriggers(meter, 0.0f, 1.0f);
    EXPECT_EQ(Output(meter, CPeakMeter::kPeakMax), -60.0f);
    Measure(meter, {0.75f});
    EXPECT_NEAR(Output(meter, CPeakMeter::kPeakMax), -2.50f, 0.01f);
    SetTriggers(meter, 0.0f, 0.0f);
    EXPECT_EQ(Output(meter, CPeakMeter::kPeakMax), -60.0f);
}

TEST(CPeakMeterTest, HeldPeakStaysForTheMeterHoldThenFallsAtTheSpeed)
{
    CPeakMeter meter(&kEqualiser);
    SetRate(meter, 1000.0); // one sample per millisecond
    Measure(meter, {1.0f});
    Measure(meter, std::vector<float>(1499, 0.0f));
    EXPECT_EQ(Output(meter, CPeakMeter::kPeakHold), 0.0f);
    Measure(meter, std::vector<float>(1000, 0.0f));
    EXPECT_NEAR(Output(meter, CPeakMeter::kPeakHold), -15.0f, 0.1f);
    EXPECT_EQ(Output(meter, CPeakMeter::kPeak), -60.0f);

    VeltisTest::SetValues(meter, {0.0f, 0.0f, 400.0f, 0.0f, 0.0f, 0.0f, 0.0f});
    Measure(meter, {0.5f});
    Measure(meter, std::vector<float>(5000, 0.0f));
    EXPECT_NEAR(Output(meter, CPeakMeter::kPeakHold), -6.02f, 0.01f); // speed 0: never falls
}

TEST(CPeakMeterTest, OnlySetZeroOfTheVariationsIsUsed)
{
    CPeakMeter meter(&kEqualiser);
    SetRate(meter, 48000.0);
    CDynamicParamsVariations variations;
    FillVariations(variations, {{0.0f, 0.0f, 0.0f, 0.0f, 15.0f, 1.0f, 0.0f}, {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f}});
    Measure(meter, {0.5f, 0.0f}, &variations);
    // Release 0 from set 0: the peak follows the input at once.
    EXPECT_EQ(Output(meter, CPeakMeter::kPeak), -60.0f);
    EXPECT_EQ(meter.GetPeakFollower().m_ReleaseCoeff, 0.0f);
}

TEST(CPeakMeterTest, TwoChannelsAreNamedAndMeasuredApart)
{
    const CPeakMeter::CSettings settings = {2, -48.0f, 6.0f, 12.0f};
    CPeakMeter meter(&settings);
    const auto& outputs = meter.GetOutputParamsInfo();
    ASSERT_EQ(outputs.GetCount(), 8);
    const char* kNames[] = {"Peak(0)", "Peak Hold(0)", "Peak Max(0)", "Clipped(0)",
                            "Peak(1)", "Peak Hold(1)", "Peak Max(1)", "Clipped(1)"};
    for (int i = 0; i < 8; ++i)
        EXPECT_STREQ(outputs.GetAt(i).GetName(), kNames[i]);
    EXPECT_EQ(outputs.GetAt(6).GetMax(), 12.0f);
    EXPECT_EQ(outputs.GetAt(4).GetMin(), -48.0f);
    EXPECT_EQ(meter.GetProcessInfo().GetInputsInfo().GetCount(), 2);
    EXPECT_EQ(meter.GetProcessInfo().GetOutputsInfo().GetCount(), 0);

    SetRate(meter, 48000.0);
    std::vector<float> left(4, 0.0f), right(4, 4.0f);
    CAudioStream streams[2] = {CAudioStream(left.data(), 4), CAudioStream(right.data(), 4)};
    CAudioStreams inputs(2, streams);
    meter.Process({&inputs, &inputs, 4, nullptr, nullptr});
    EXPECT_EQ(Output(meter, CPeakMeter::kPeak), -48.0f);
    EXPECT_EQ(Output(meter, 4 + CPeakMeter::kPeak), 6.0f);
    EXPECT_EQ(Output(meter, 4 + CPeakMeter::kPeakMax), 12.0f); // +12.04 dB clamped to its own top
    EXPECT_EQ(Output(meter, 4 + CPeakMeter::kClipped), 1.0f);
    EXPECT_EQ(right[0], 4.0f); // no audio written

    // Fewer streams than channels: ignored.
    CAudioStreams one(1, streams);
    meter.Reset();
    meter.Process({&one, &one, 4, nullptr, nullptr});
    EXPECT_EQ(Output(meter, 4 + CPeakMeter::kPeak), -48.0f);
}

// Each meter describes its outputs from its own settings, not from the first meter built.
TEST(CPeakMeterTest, EveryMeterUsesItsOwnLevelsAndOneChannelKeepsPlainNames)
{
    CPeakMeter first(&kEqualiser);
    const CPeakMeter::CSettings other = {1, -90.0f, 10.0f, 20.0f};
    CPeakMeter second(&other);
    EXPECT_EQ(first.GetOutputParamsInfo().GetAt(0).GetMin(), -60.0f);
    EXPECT_EQ(second.GetOutputParamsInfo().GetAt(0).GetMin(), -90.0f);
    EXPECT_EQ(second.GetOutputParamsInfo().GetAt(2).GetMax(), 20.0f);
    EXPECT_STREQ(second.GetOutputParamsInfo().GetAt(0).GetName(), "Peak");
    EXPECT_STREQ(second.GetOutputParamsInfo().GetAt(3).GetName(), "Clipped");

    const CPeakMeter::CSettings none = {-3, -60.0f, 0.0f, 0.0f};
    CPeakMeter empty(&none);
    EXPECT_EQ(empty.GetOutputParamsInfo().GetCount(), 0);
    CPeakMeter defaults(nullptr);
    EXPECT_EQ(defaults.GetOutputParamsInfo().GetCount(), 4);
}

TEST(CPeakMeterTest, NonFiniteInputDoesNotLatchTheMeter)
{
    CPeakMeter meter(&kEqualiser);
    SetRate(meter, 48000.0);
    Measure(meter, {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(), 0.5f});
    EXPECT_NEAR(Output(meter, CPeakMeter::kPeak), -6.02f, 0.01f);
    EXPECT_FALSE(std::isnan(Output(meter, CPeakMeter::kPeakHold)));
}

TEST(CPeakMeterTest, RateZeroLeavesEveryCoefficientAndTrigger)
{
    CPeakMeter meter(&kEqualiser);
    SetTriggers(meter, 1.0f, 1.0f);
    EXPECT_EQ(meter.GetPeakFollower().m_ReleaseLength, 0);
    EXPECT_EQ(meter.GetHoldFollower().m_HoldLength, 0);
    EXPECT_EQ(meter.GetTailLength(), 0);
    SetRate(meter, 48000.0, false);
    Measure(meter, {1.5f});
    SetTriggers(meter, 0.0f, 0.0f); // the rate-0 call stored no state: no edge here
    EXPECT_EQ(Output(meter, CPeakMeter::kClipped), 1.0f);
}

TEST(CPeakMeterTest, DescriptorsAndClone)
{
    CPeakMeter meter(&kEqualiser);
    EXPECT_STREQ(meter.GetObjectInfo().GetName(), "Peak Meter");
    EXPECT_STREQ(meter.GetObjectInfo().GetComment(), "Peak Level Meter");
    ASSERT_EQ(meter.GetInputParamsInfo().GetCount(), 7);
    EXPECT_EQ(meter.GetInputParamsInfo().GetAt(5).GetType(), 3);
    EXPECT_STREQ(meter.GetInputParamsInfo().GetAt(6).GetName(), "Max Peak Reset");
    EXPECT_EQ(meter.GetInputParamsInfo().GetAt(2).GetDefault(), 400.0f);

    SetRate(meter, 48000.0);
    Measure(meter, {1.5f});
    std::unique_ptr<IFilter> clone(meter.Clone());
    clone->UpdateOutputs();
    EXPECT_EQ(clone->GetOutputParamsValues().GetValue(CPeakMeter::kClipped), 1.0f);
    EXPECT_EQ(clone->GetTailLength(), meter.GetTailLength());
}

TEST(CPeakMeterTest, BlocksAndRefreshesAllocateNothing)
{
    const CPeakMeter::CSettings stereo = {2, -60.0f, 0.0f, 0.0f};
    CPeakMeter meter(&stereo);
    SetRate(meter, 48000.0);
    std::vector<float> left(4096, 0.3f), right(4096, -0.7f);
    CAudioStream streams[2] = {CAudioStream(left.data(), 4096), CAudioStream(right.data(), 4096)};
    CAudioStreams inputs(2, streams);
    CDynamicParamsVariations variations;
    FillVariations(variations, {{0.0f, 0.0f, 400.0f, 1500.0f, 15.0f, 1.0f, 1.0f}});
    long count;
    {
        VeltisTest::CAllocationCounter counter;
        meter.Process({&inputs, &inputs, 4096, &variations, nullptr});
        meter.ProcessSilence({&inputs, &inputs, 512, nullptr, nullptr});
        meter.UpdateOutputs();
        count = counter.GetCount();
    }
    EXPECT_EQ(count, 0);
}

// Two meters run together must end where each would on its own, and a meter of two channels is refused.
TEST(CPeakMeterTest, PairOfMetersMatchesEachRunAlone)
{
    CPeakMeter alone[2] = {CPeakMeter(&kEqualiser), CPeakMeter(&kEqualiser)};
    CPeakMeter paired[2] = {CPeakMeter(&kEqualiser), CPeakMeter(&kEqualiser)};
    for (CPeakMeter* meter : {&alone[0], &alone[1], &paired[0], &paired[1]}) {
        SetRate(*meter, 48000.0);
        SetTriggers(*meter, 0.0f, 0.0f);
    }
    std::vector<float> left = VeltisTest::Noise(3000, 1.5f, 1), right = VeltisTest::Noise(3000, 0.2f, 2);
    for (int i = 500; i < 3000; ++i)
        left[i] = 0.0f;
    Measure(alone[0], left);
    Measure(alone[1], right);
    CAudioStream l(left.data(), 3000), r(right.data(), 3000);
    ASSERT_TRUE(CPeakMeter::ProcessPair(paired[0], l, paired[1], r, 3000));
    for (int c = 0; c < 2; ++c)
        for (int o = 0; o < CPeakMeter::kOutputsPerChannel; ++o)
            EXPECT_EQ(Output(paired[c], o), Output(alone[c], o)) << c << " " << o;
    const CPeakMeter::CSettings stereo = {2, -60.0f, 0.0f, 0.0f};
    CPeakMeter wide(&stereo);
    EXPECT_FALSE(CPeakMeter::ProcessPair(wide, l, paired[1], r, 3000));
}
