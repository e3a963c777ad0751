#include "Veltis/Audio/DSP/CAudioStreamToStreams.h"
#include "Veltis/Audio/DSP/CAudioStreams.h"
#include "Veltis/Audio/DSP/CDynamicParamsVariations.h"
#include "Veltis/Audio/DSP/ILegacyPresets.h"
#include "support/CAllocationCounter.h"
#include "support/TRecordingFilter.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Veltis::Audio::DSP;
using VeltisTest::TRecordingFilter;

namespace {

// One channel of a given size, filled with a marker that silence must overwrite.
struct CBlock {
    explicit CBlock(int count) : m_In(count, 1.0f), m_Out(count, 7.0f), m_InStream(m_In.data(), count),
                                 m_OutStream(m_Out.data(), count), m_Inputs(&m_InStream), m_Outputs(&m_OutStream)
    {
        m_Context = {&m_Inputs, &m_Outputs, count, nullptr, nullptr};
    }
    bool OutputIs(float value) const
    {
        for (float sample : m_Out)
            if (sample != value)
                return false;
        return true;
    }

    std::vector<float> m_In, m_Out;
    CAudioStream m_InStream, m_OutStream;
    CAudioStreamToStreams m_Inputs, m_Outputs;
    CProcessContext m_Context;
};

} // namespace

TEST(BaseFilter, SilenceRunsTheSignalPathOnlyForTheTail)
{
    TRecordingFilter<2> filter;
    filter.SetTail(1000);
    CBlock block(256);
    filter.Process(block.m_Context);
    EXPECT_EQ(filter.m_DoProcessCalls, 1);

    const long long expectedCounters[4] = {256, 512, 768, 1024};
    for (long long expected : expectedCounters) {
        SCOPED_TRACE(expected);
        EXPECT_TRUE(filter.ProcessSilence(block.m_Context));
        EXPECT_EQ(filter.GetSilentSamples(), expected);
        EXPECT_TRUE(filter.m_LastSilentInput);
        EXPECT_NE(filter.m_LastPostInputs, &block.m_Inputs); // the silent streams, not the context's
    }
    EXPECT_EQ(filter.m_DoProcessCalls, 5);
    EXPECT_EQ(filter.m_PostProcessCalls, 5);

    EXPECT_FALSE(filter.ProcessSilence(block.m_Context));
    EXPECT_EQ(filter.m_DoProcessCalls, 5);
    EXPECT_EQ(filter.m_PostProcessCalls, 5);
    EXPECT_TRUE(block.OutputIs(0.0f));

    // A normal block starts the tail again.
    filter.Process(block.m_Context);
    EXPECT_EQ(filter.GetSilentSamples(), 0);
    EXPECT_TRUE(filter.ProcessSilence(block.m_Context));
}

TEST(BaseFilter, SilenceAfterTheTailAppliesSetZeroAndSkips)
{
    TRecordingFilter<2> filter;
    CBlock block(64);
    CDynamicParamsVariations variations(2, 2);
    variations.GetAt(0).SetValue(0, 3.0f);
    variations.GetAt(0).SetValue(1, 4.0f);
    variations.GetAt(1).SetValue(0, 1.0f);
    variations.GetAt(1).SetValue(1, 1.0f);
    block.m_Context.m_Variations = &variations;

    EXPECT_FALSE(filter.ProcessSilence(block.m_Context));
    EXPECT_EQ(filter.m_DoProcessCalls, 0);
    EXPECT_EQ(filter.m_PostProcessCalls, 0);
    EXPECT_TRUE(block.OutputIs(0.0f));
    EXPECT_EQ(filter.m_SetParamsCalls, 1);
    EXPECT_EQ(filter.m_LastParams[0], 3.0f);
    EXPECT_EQ(filter.m_LastParams[1], 4.0f);
    EXPECT_EQ(filter.m_SkipSilenceCalls, 1);
    EXPECT_EQ(filter.m_LastSkipCount, 64);
    EXPECT_EQ(filter.GetSilentSamples(), 64);

    variations.SetCount(0);
    filter.ProcessSilence(block.m_Context);
    block.m_Context.m_Variations = nullptr;
    filter.ProcessSilence(block.m_Context);
    EXPECT_EQ(filter.m_SetParamsCalls, 1);
    EXPECT_EQ(filter.m_SkipSilenceCalls, 3);
}

TEST(BaseFilter, SilenceWithoutOutputsChangesNothing)
{
    TRecordingFilter<1> filter;
    filter.SetTail(10);
    CBlock block(8);
    block.m_Context.m_Outputs = nullptr;
    EXPECT_FALSE(filter.ProcessSilence(block.m_Context));
    EXPECT_EQ(filter.GetSilentSamples(), 0);
    EXPECT_EQ(filter.m_SkipSilenceCalls, 0);
}

TEST(BaseFilter, ProcessWithoutInputsSkipsTheSignalPathButPostProcesses)
{
    TRecordingFilter<1> filter;
    CBlock block(8);
    filter.ProcessSilence(block.m_Context);
    block.m_Context.m_Inputs = nullptr;
    filter.Process(block.m_Context);
    EXPECT_EQ(filter.m_DoProcessCalls, 0);
    EXPECT_EQ(filter.m_PostProcessCalls, 1);
    EXPECT_EQ(filter.GetSilentSamples(), 0);
}

TEST(BaseFilter, SampleRateWithTheFlagAppliesTheDefaultsWithoutAllocating)
{
    TRecordingFilter<3> filter;
    bool apply = false;
    filter.SetSampleRate(apply, 44100);
    EXPECT_EQ(filter.m_SetParamsCalls, 0);
    EXPECT_EQ(filter.m_SampleRateChanges, 1);
    EXPECT_EQ(filter.m_ResetCalls, 1);
    EXPECT_EQ(filter.GetSampleRate(), 44100);

    const float current[3] = {9, 9, 9};
    filter.SetParamsValues(CParamsValues(3, current));
    apply = true;
    {
        VeltisTest::CAllocationCounter counter;
        filter.SetSampleRate(apply, 88200);
        EXPECT_EQ(counter.GetCount(), 0);
    }
    EXPECT_TRUE(apply);
    EXPECT_EQ(filter.m_LastParamsCount, 3);
    EXPECT_EQ(filter.m_LastParams[0], 0.5f);
    EXPECT_EQ(filter.m_LastParams[2], 2.5f);

    // The copy brings its own defaults.
    TRecordingFilter<3> copy(filter);
    copy.SetSampleRate(apply, 48000);
    EXPECT_EQ(copy.m_LastParams[1], 1.5f);
}

TEST(BaseFilter, SampleRateResetsTheSilenceCounter)
{
    TRecordingFilter<1> filter;
    CBlock block(16);
    filter.ProcessSilence(block.m_Context);
    EXPECT_EQ(filter.GetSilentSamples(), 16);
    bool apply = false;
    filter.SetSampleRate(apply, 44100);
    EXPECT_EQ(filter.GetSilentSamples(), 0);
}

TEST(BaseFilter, OutputsAreSharedEmptyObjects)
{
    TRecordingFilter<1> a, b;
    EXPECT_EQ(&a.GetOutputStrings(), &b.GetOutputStrings());
    EXPECT_EQ(&a.GetOutputCurves(), &b.GetOutputCurves());
    EXPECT_NE(static_cast<void*>(&a.GetOutputCurvesDirty()), static_cast<void*>(&a.GetOutputSurfacesDirty()));
    EXPECT_EQ(a.GetOutputCurves().GetCount(), 0);
    EXPECT_EQ(a.GetOutputSurfaces().GetCount(), 0);
    EXPECT_EQ(a.GetOutputSurfacesDirty().GetCount(), 0);
    EXPECT_EQ(a.GetLegacyPresets().GetCount(), 0);
    EXPECT_EQ(a.GetOutputDataSync(), nullptr);
    EXPECT_EQ(&a.GetInputParamsInfo(), &static_cast<const TRecordingFilter<1>&>(a).GetInputParamsInfo());
}

TEST(BaseFilter, CopyAndAssignmentCopyDescriptionsAndCounters)
{
    TRecordingFilter<2> source;
    source.SetTail(300);
    bool apply = false;
    source.SetSampleRate(apply, 96000);
    TRecordingFilter<1> target;
    static_cast<CBaseCoreDSPFilter&>(target) = source;
    EXPECT_EQ(target.GetTailLength(), 300);
    EXPECT_EQ(target.GetSampleRate(), 96000);
    ASSERT_EQ(target.GetInputParamsInfo().GetCount(), 2);
    EXPECT_STREQ(target.GetInputParamsInfo().GetAt(1).GetName(), "P1");
    EXPECT_STREQ(target.GetOutputParamsInfo().GetAt(1).GetName(), "Clipped");
    apply = true;
    target.SetSampleRate(apply, 44100);
    EXPECT_EQ(target.m_LastParamsCount, 2);
}

TEST(ProcessInfo, DefaultNamesAndGivenDescriptions)
{
    const CProcessInfo plain(2, 2);
    ASSERT_EQ(plain.GetInputsInfo().GetCount(), 2);
    EXPECT_STREQ(plain.GetInputsInfo().GetAt(1).GetName(), "In");
    EXPECT_STREQ(plain.GetOutputsInfo().GetAt(0).GetName(), "Out");
    EXPECT_STREQ(plain.GetOutputsInfo().GetAt(0).GetComment(), "");

    const CInputInfo inputs[1] = {CInputInfo("Side", "key")};
    const CProcessInfo named(1, 0, inputs);
    EXPECT_STREQ(named.GetInputsInfo().GetAt(0).GetName(), "Side");
    EXPECT_STREQ(named.GetInputsInfo().GetAt(0).GetComment(), "key");
    EXPECT_EQ(named.GetOutputsInfo().GetCount(), 0);
    const CProcessInfo copy(named);
    EXPECT_STREQ(copy.GetInputsInfo().GetAt(0).GetName(), "Side");
}
