#include "Veltis/Audio/DSP/CAudioStreams.h"
#include "Veltis/Audio/DSP/CDynamicParamsVariations.h"
#include "Veltis/Audio/DSP/CParamsValues.h"
#include "Veltis/Audio/DSP/Filters/CGain.h"
#include "Veltis/Audio/DSP/IProcessInfo.h"
#include "Veltis/DataModel/Objects/IConstCurveInfo.h"
#include "Veltis/DataModel/Objects/IConstProductInfo.h"
#include "Veltis/Math/FunctionsLibrary.h"
#include "Veltis/Math/IFunction.h"
#include "support/ValueToTextSupport.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Veltis::Audio::DSP;
using Veltis::Audio::DSP::Filters::CGain;
using Veltis::Math::FunctionsLibrary::FromdB;

namespace {

// A gain with a sample rate, and blocks of ones on channel 0 (channel 1 is a marker it must not touch).
struct CGainFixture {
    CGainFixture()
    {
        bool apply = true;
        m_Gain.SetSampleRate(apply, 44100);
    }

    std::vector<float> Run(int count, const std::vector<std::vector<float>>& sets, bool withVariations = true)
    {
        std::vector<float> in(count, 1.0f), out(count, 0.0f), marker(count, 5.0f);
        CAudioStream inStream(in.data(), count);
        CAudioStream outStreams[2] = {CAudioStream(out.data(), count), CAudioStream(marker.data(), count)};
        CAudioStreams inputs(1, &inStream), outputs(2, outStreams);
        CDynamicParamsVariations variations;
        variations.SetCount(static_cast<int>(sets.size()));
        for (size_t s = 0; s < sets.size(); ++s) {
            variations.GetAt(static_cast<int>(s)).SetSize(static_cast<int>(sets[s].size()), false);
            for (size_t i = 0; i < sets[s].size(); ++i)
                variations.GetAt(static_cast<int>(s)).SetValue(static_cast<int>(i), sets[s][i]);
        }
        const CProcessContext context = {&inputs, &outputs, count, withVariations ? &variations : nullptr, nullptr};
        m_Gain.Process(context);
        for (float sample : marker)
            EXPECT_EQ(sample, 5.0f);
        return out;
    }

    CGain m_Gain;
};

// The specified float recurrence, highest order first.
std::vector<float> Recurrence(float v0, float d1, float d2, int sets, int count)
{
    float f[3] = {FromdB(v0), FromdB(d1), FromdB(d2)};
    std::vector<float> result;
    for (int k = 0; k < count; ++k) {
        result.push_back(1.0f * f[0]);
        for (int j = sets - 2; j >= 0; --j)
            f[j] = f[j] * f[j + 1];
    }
    return result;
}

} // namespace

TEST(Gain, DescribesItsParameterAndCurves)
{
    CGain gain;
    ASSERT_EQ(gain.GetInputParamsInfo().GetCount(), 1);
    const auto& param = gain.GetInputParamsInfo().GetAt(0);
    EXPECT_STREQ(param.GetName(), "Gain");
    EXPECT_STREQ(param.GetUnit(), "dB");
    EXPECT_EQ(param.GetMin(), -60.0f);
    EXPECT_EQ(param.GetMax(), 60.0f);
    EXPECT_EQ(VeltisTest::TextOf(*param.GetValueToText(), 6.0f), "+6.0");
    ASSERT_EQ(gain.GetOutputCurvesInfo().GetCount(), 2);
    EXPECT_STREQ(gain.GetOutputCurvesInfo().GetAt(0).GetName(), "Frequency Response (Gain)");
    EXPECT_EQ(gain.GetOutputCurvesInfo().GetAt(0).GetYInfo().GetMax(), FromdB(40.0f));
    EXPECT_EQ(gain.GetOutputCurvesInfo().GetAt(0).GetXInfo().GetMax(), 22000.0f);
    EXPECT_STREQ(gain.GetOutputCurvesInfo().GetAt(1).GetYInfo().GetName(), "Phase");
    EXPECT_STREQ(gain.GetObjectInfo().GetName(), "Gain");
    EXPECT_STREQ(gain.GetObjectInfo().GetVersion(), "1");
    EXPECT_EQ(gain.GetProcessInfo().GetInputsInfo().GetCount(), 1);
    EXPECT_EQ(gain.GetProcessInfo().GetOutputsInfo().GetCount(), 1);
}

TEST(Gain, OneSetSetsTheFactorThatTheNextBlockKeeps)
{
    CGainFixture f;
    const float factor = FromdB(6.0f);
    EXPECT_EQ(f.Run(4, {{6.0f}}), std::vector<float>(4, factor));
    EXPECT_EQ(f.Run(4, {}, false), std::vector<float>(4, factor));
    EXPECT_EQ(f.Run(4, {}), std::vector<float>(4, factor));
}

TEST(Gain, RampsFollowTheFloatRecurrence)
{
    struct Case {
        const char* name;
        std::vector<std::vector<float>> sets;
        float v0, d1, d2;
        int used;
    };
    const Case kCases[] = {
        {"two sets", {{0}, {0.01f}}, 0, 0.01f, 0, 2},
        {"three sets", {{-3}, {0.02f}, {0.001f}}, -3, 0.02f, 0.001f, 3},
        {"a fourth set is ignored", {{-3}, {0.02f}, {0.001f}, {40}}, -3, 0.02f, 0.001f, 3},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        CGainFixture f;
        EXPECT_EQ(f.Run(100, c.sets), Recurrence(c.v0, c.d1, c.d2, c.used, 100));
    }
}

TEST(Gain, SetsWithAnotherCountLeaveTheirFactor)
{
    CGainFixture f;
    f.Run(1, {{6.0f}});
    EXPECT_EQ(f.Run(2, {{1.0f, 2.0f}}), std::vector<float>(2, FromdB(6.0f)));
}

TEST(Gain, ValuesNeedASampleRateAndExactlyOneValue)
{
    CGain gain;
    const float six = 6.0f;
    gain.SetParamsValues(CParamsValues(1, &six));
    EXPECT_EQ(gain.GetGainFactor(), 1.0f);
    bool apply = false;
    gain.SetSampleRate(apply, 48000);
    gain.SetParamsValues(CParamsValues(1, &six));
    EXPECT_EQ(gain.GetGainFactor(), FromdB(6.0f));
    gain.SetParamsValues(CParamsValues(2));
    EXPECT_EQ(gain.GetGainFactor(), FromdB(6.0f));
    apply = true;
    gain.SetSampleRate(apply, 48000);
    EXPECT_EQ(gain.GetGainFactor(), 1.0f);
}

TEST(Gain, InPlaceProcessingReadsEachSampleFirst)
{
    CGainFixture f;
    const float six = 6.0f;
    f.m_Gain.SetParamsValues(CParamsValues(1, &six));
    float samples[3] = {1, 2, 3};
    CAudioStream stream(samples, 3);
    CAudioStreams streams(1, &stream);
    const CProcessContext context = {&streams, &streams, 3, nullptr, nullptr};
    f.m_Gain.Process(context);
    EXPECT_EQ(samples[2], 3.0f * FromdB(6.0f));
}

TEST(Gain, GainCurveFollowsAtRefreshAndFlagsOncePerChange)
{
    CGainFixture f;
    auto& dirty = f.m_Gain.GetOutputCurvesDirty();
    dirty.GetAt(0).ClearDirty();
    f.Run(1, {{6.0f}});
    EXPECT_EQ(f.m_Gain.GetOutputCurves().GetValue(0).GetValue(1000.0f), 1.0f);
    f.m_Gain.UpdateOutputs();
    EXPECT_EQ(f.m_Gain.GetOutputCurves().GetValue(0).GetValue(1000.0f), FromdB(6.0f));
    EXPECT_TRUE(dirty.GetAt(0).IsDirty());
    dirty.GetAt(0).ClearDirty();
    f.m_Gain.UpdateOutputs();
    EXPECT_FALSE(dirty.GetAt(0).IsDirty());
    EXPECT_EQ(f.m_Gain.GetOutputCurves().GetValue(1).GetValue(1000.0f), 0.0f);
    EXPECT_FALSE(dirty.GetAt(1).IsDirty());
}

TEST(Gain, CopyStartsWithFreshCurvesAndFactors)
{
    CGainFixture f;
    f.Run(1, {{6.0f}});
    f.m_Gain.UpdateOutputs();
    CGain copy(f.m_Gain);
    EXPECT_EQ(copy.GetGainFactor(), 1.0f);
    EXPECT_EQ(copy.GetOutputCurves().GetValue(0).GetValue(0.0f), 0.0f);
    EXPECT_FALSE(copy.GetOutputCurvesDirty().GetAt(0).IsDirty());
    EXPECT_EQ(copy.GetSampleRate(), 44100);
    EXPECT_NE(&copy.GetOutputCurves().GetValue(0), &f.m_Gain.GetOutputCurves().GetValue(0));
    IFilter* clone = f.m_Gain.Clone();
    EXPECT_EQ(clone->GetInputParamsInfo().GetCount(), 1);
    delete clone;
}
