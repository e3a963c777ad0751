#include "Veltis/Audio/DSP/CAudioStreams.h"
#include "Veltis/Audio/DSP/CDynamicParamsVariations.h"
#include "Veltis/Audio/DSP/CParamsValues.h"
#include "Veltis/Audio/DSP/TFullStereoFromMonoFilter.h"
#include "support/TRecordingFilter.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace Veltis::Audio::DSP;
using VeltisTest::TRecordingFilter;

namespace {

typedef TRecordingFilter<4> CToy4;
typedef TRecordingFilter<35> CToy35;

std::vector<float> Params(const float* values, int count) { return std::vector<float>(values, values + count); }

// Two sets of count values: set 0 the index of each value, set 1 zero but for one increment.
void MakeRamp(CDynamicParamsVariations& variations, int count, int rampIndex)
{
    variations.SetCount(2);
    variations.SetParamsCount(count);
    for (int i = 0; i < count; ++i) {
        variations.GetAt(0).SetValue(i, static_cast<float>(i));
        variations.GetAt(1).SetValue(i, i == rampIndex ? 0.5f : 0.0f);
    }
}

// Stereo blocks of two channels of ones.
struct CStereoBlock {
    explicit CStereoBlock(int count)
        : m_In(2 * count, 1.0f), m_Out(2 * count, 0.0f),
          m_InStreams{CAudioStream(m_In.data(), count), CAudioStream(m_In.data() + count, count)},
          m_OutStreams{CAudioStream(m_Out.data(), count), CAudioStream(m_Out.data() + count, count)},
          m_Inputs(2, m_InStreams), m_Outputs(2, m_OutStreams), m_Context{&m_Inputs, &m_Outputs, count, nullptr, nullptr}
    {
    }

    std::vector<float> m_In, m_Out;
    CAudioStream m_InStreams[2], m_OutStreams[2];
    CAudioStreams m_Inputs, m_Outputs;
    CProcessContext m_Context;
};

} // namespace

TEST(FullStereoFromMono, ValuesAreSplitIntoSharedAndPerChannelBlocks)
{
    TFullStereoFromMonoFilter<CToy4> stereo(1, 2);
    ASSERT_EQ(stereo.GetInputParamsInfo().GetCount(), 6);
    EXPECT_STREQ(stereo.GetInputParamsInfo().GetAt(3).GetName(), "P1 (R)");
    const float values[6] = {10, 11, 12, 13, 14, 15}; // u, v, w, x, y, z
    stereo.SetParamsValues(CParamsValues(6, values));
    EXPECT_EQ(Params(stereo.GetLeftFilter().m_LastParams, 4), (std::vector<float>{10, 11, 12, 15}));
    EXPECT_EQ(Params(stereo.GetRightFilter().m_LastParams, 4), (std::vector<float>{10, 13, 14, 15}));

    CDynamicParamsValues mono;
    stereo.GetChannelParamsValues(1, CParamsValues(6, values), mono);
    ASSERT_EQ(mono.GetCount(), 4);
    EXPECT_EQ(mono.GetValue(1), 13.0f);
}

TEST(FullStereoFromMono, SplitNeverReadsPastAShortVector)
{
    TFullStereoFromMonoFilter<CToy4> stereo(1, 2);
    const float values[3] = {10, 11, 12};
    stereo.SetParamsValues(CParamsValues(3, values));
    EXPECT_EQ(Params(stereo.GetLeftFilter().m_LastParams, 4), (std::vector<float>{10, 11, 12, 0}));
    EXPECT_EQ(Params(stereo.GetRightFilter().m_LastParams, 4), (std::vector<float>{10, 0, 0, 0}));
}

TEST(FullStereoFromMono, ProductLayoutRoutesValuesByIndex)
{
    TFullStereoFromMonoFilter<CToy35> stereo(5, -1);
    ASSERT_EQ(stereo.GetInputParamsInfo().GetCount(), 65);
    EXPECT_STREQ(stereo.GetInputParamsInfo().GetAt(5).GetName(), "P5 (L)");
    EXPECT_STREQ(stereo.GetInputParamsInfo().GetAt(35).GetName(), "P5 (R)");

    std::vector<float> values(65);
    for (int i = 0; i < 65; ++i)
        values[i] = static_cast<float>(i);
    stereo.SetParamsValues(CParamsValues(65, values.data()));
    EXPECT_EQ(stereo.GetRightFilter().m_LastParams[10], 40.0f);
    EXPECT_EQ(stereo.GetLeftFilter().m_LastParams[10], 10.0f);
    EXPECT_EQ(stereo.GetRightFilter().m_LastParams[2], 2.0f);
    EXPECT_EQ(stereo.GetLeftFilter().m_LastParams[2], 2.0f);
    EXPECT_EQ(stereo.GetRightFilter().m_LastParams[34], 64.0f);
}

TEST(FullStereoFromMono, RampsReachOnlyTheChannelsTheyMove)
{
    struct Case {
        int stereoIndex;
        int leftSets, rightSets;
        int monoIndex;
    };
    const Case kCases[] = {{40, 1, 2, 10}, {3, 2, 2, 3}, {7, 2, 1, 7}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.stereoIndex);
        TFullStereoFromMonoFilter<CToy35> stereo(5, -1);
        CDynamicParamsVariations variations(3, 65);
        MakeRamp(variations, 65, c.stereoIndex);
        CStereoBlock block(32);
        block.m_Context.m_Variations = &variations;
        stereo.Process(block.m_Context);
        const CToy35& left = stereo.GetLeftFilter();
        const CToy35& right = stereo.GetRightFilter();
        EXPECT_EQ(left.m_LastSets, c.leftSets);
        EXPECT_EQ(right.m_LastSets, c.rightSets);
        EXPECT_EQ(left.m_LastSetSizes[0], 35);
        EXPECT_EQ(right.m_LastVariations[0][10], 40.0f);
        const CToy35& moved = c.rightSets == 2 ? right : left;
        EXPECT_EQ(moved.m_LastVariations[1][c.monoIndex], 0.5f);
    }
}

TEST(FullStereoFromMono, BlockWithoutVariationsGivesEachChannelNoSet)
{
    TFullStereoFromMonoFilter<CToy35> stereo(5, -1);
    CStereoBlock block(8);
    stereo.Process(block.m_Context);
    EXPECT_EQ(stereo.GetLeftFilter().m_LastSets, 0);
    EXPECT_EQ(stereo.GetRightFilter().m_LastSets, 0);
}

TEST(StereoFromMono, StreamsGoThroughTheirChannels)
{
    TStereoFromMonoFilter<CToy4> stereo;
    stereo.GetLeftFilter().m_Scale = 2.0f;
    stereo.GetRightFilter().m_Scale = 3.0f;
    CStereoBlock block(4);
    stereo.Process(block.m_Context);
    EXPECT_EQ(block.m_Out, (std::vector<float>{2, 2, 2, 2, 3, 3, 3, 3}));

    // A block with one stream: the right channel gets empty views.
    CAudioStreams oneIn(1, block.m_InStreams), oneOut(1, block.m_OutStreams);
    const CProcessContext mono = {&oneIn, &oneOut, 4, nullptr, nullptr};
    stereo.Process(mono);
    EXPECT_EQ(stereo.GetRightFilter().m_DoProcessCalls, 2);
}

TEST(StereoFromMono, SharedFormGivesBothChannelsTheSameValuesAndVariations)
{
    TStereoFromMonoFilter<CToy4> stereo;
    EXPECT_EQ(&stereo.GetInputParamsInfo(), &stereo.GetLeftFilter().GetInputParamsInfo());
    const float values[4] = {1, 2, 3, 4};
    stereo.SetParamsValues(CParamsValues(4, values));
    EXPECT_EQ(Params(stereo.GetRightFilter().m_LastParams, 4), (std::vector<float>{1, 2, 3, 4}));
    CDynamicParamsVariations variations(3, 4);
    MakeRamp(variations, 4, 1);
    CStereoBlock block(4);
    block.m_Context.m_Variations = &variations;
    stereo.Process(block.m_Context);
    EXPECT_EQ(stereo.GetLeftFilter().m_LastSets, 2);
    EXPECT_EQ(stereo.GetRightFilter().m_LastSets, 2);
    EXPECT_EQ(stereo.GetRightFilter().m_LastVariations[1][1], 0.5f);
}

TEST(StereoFromMono, OutputsArePerChannelLeftFirst)
{
    TFullStereoFromMonoFilter<CToy4> stereo(1, 2);
    std::vector<std::string> names;
    for (int i = 0; i < stereo.GetOutputParamsInfo().GetCount(); ++i)
        names.push_back(stereo.GetOutputParamsInfo().GetAt(i).GetName());
    EXPECT_EQ(names, (std::vector<std::string>{"Peak (L)", "Clipped (L)", "Peak (R)", "Clipped (R)"}));
    stereo.GetLeftFilter().m_Scale = 2.0f;
    stereo.GetRightFilter().m_Scale = 5.0f;
    stereo.UpdateOutputs();
    const auto& values = stereo.GetOutputParamsValues();
    ASSERT_EQ(values.GetCount(), 4);
    EXPECT_EQ(values.GetValue(0), 2.0f);
    EXPECT_EQ(values.GetValue(1), 3.0f);
    EXPECT_EQ(values.GetValue(2), 5.0f);
    EXPECT_EQ(values.GetValue(3), 6.0f);
    EXPECT_EQ(stereo.GetOutputCurves().GetCount(), 0);
    EXPECT_EQ(stereo.GetOutputStrings().GetCount(), 0);
    EXPECT_EQ(stereo.GetOutputCurvesDirty().GetCount(), 0);

    ASSERT_EQ(stereo.GetProcessInfo().GetInputsInfo().GetCount(), 2);
    EXPECT_STREQ(stereo.GetProcessInfo().GetInputsInfo().GetAt(1).GetName(), "In");
    EXPECT_STREQ(stereo.GetProcessInfo().GetOutputsInfo().GetAt(1).GetName(), "Out");
    EXPECT_STREQ(stereo.GetObjectInfo().GetName(), "Recorder");
}

TEST(StereoFromMono, TailAndLatencyAreTheLarger)
{
    TStereoFromMonoFilter<CToy4> stereo;
    stereo.GetLeftFilter().SetTail(100);
    stereo.GetRightFilter().SetTail(2000);
    stereo.GetLeftFilter().SetLatencySamples(64);
    EXPECT_EQ(stereo.GetTailLength(), 2000);
    EXPECT_EQ(stereo.GetLatency(), 64);
}

TEST(StereoFromMono, SilenceIsTrueWhileEitherChannelRunsAndCallsBoth)
{
    TFullStereoFromMonoFilter<CToy35> stereo(5, -1);
    stereo.GetRightFilter().SetTail(100);
    CStereoBlock block(64);
    CDynamicParamsVariations variations(1, 65);
    MakeRamp(variations, 65, -1);
    variations.SetCount(1);
    block.m_Context.m_Variations = &variations;
    EXPECT_TRUE(stereo.ProcessSilence(block.m_Context));
    EXPECT_EQ(stereo.GetLeftFilter().m_SkipSilenceCalls, 1);
    EXPECT_EQ(stereo.GetLeftFilter().m_LastParams[34], 34.0f); // set 0, split for the left
    EXPECT_EQ(stereo.GetRightFilter().m_DoProcessCalls, 1);
    EXPECT_TRUE(stereo.ProcessSilence(block.m_Context));
    EXPECT_FALSE(stereo.ProcessSilence(block.m_Context));
    EXPECT_EQ(stereo.GetRightFilter().m_LastParams[34], 64.0f);
}

TEST(StereoFromMono, OutputDataSyncOnlyWhenAChannelHasOne)
{
    TStereoFromMonoFilter<CToy4> stereo;
    EXPECT_EQ(stereo.GetOutputDataSync(), nullptr);
    stereo.GetRightFilter().m_HasSync = true;
    ASSERT_NE(stereo.GetOutputDataSync(), nullptr);
    stereo.GetOutputDataSync()->SetRefreshRate(50);
    EXPECT_EQ(stereo.GetRightFilter().m_Sync.GetRefreshRate(), 50.0);
}

TEST(StereoFromMono, SampleRateReachesBothChannelsWithTheirDefaults)
{
    TFullStereoFromMonoFilter<CToy4> stereo(1, 2);
    bool apply = true;
    stereo.SetSampleRate(apply, 44100);
    EXPECT_EQ(stereo.GetLeftFilter().GetSampleRate(), 44100);
    EXPECT_EQ(stereo.GetRightFilter().m_LastParams[3], 3.5f);
}

TEST(StereoFromMono, CloneIsAnIndependentFullCopy)
{
    TFullStereoFromMonoFilter<CToy4> stereo(1, 2);
    stereo.GetRightFilter().m_Scale = 3.0f;
    std::unique_ptr<IFilter> clone(stereo.Clone());
    ASSERT_EQ(clone->GetInputParamsInfo().GetCount(), 6);
    EXPECT_STREQ(clone->GetInputParamsInfo().GetAt(4).GetName(), "P2 (R)");
    const float values[6] = {10, 11, 12, 13, 14, 15};
    clone->SetParamsValues(CParamsValues(6, values));
    auto& copy = dynamic_cast<TFullStereoFromMonoFilter<CToy4>&>(*clone);
    EXPECT_EQ(copy.GetRightFilter().m_LastParams[1], 13.0f);
    EXPECT_EQ(stereo.GetRightFilter().m_SetParamsCalls, 0);
    EXPECT_EQ(copy.GetRightFilter().m_Scale, 3.0f);
    CStereoBlock block(2);
    clone->Process(block.m_Context);
    EXPECT_EQ(block.m_Out[3], 3.0f);
}
