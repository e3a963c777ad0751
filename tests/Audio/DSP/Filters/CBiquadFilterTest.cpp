#include "Veltis/Audio/DSP/CAudioStream.h"
#include "Veltis/Audio/DSP/CAudioStreams.h"
#include "Veltis/Audio/DSP/Filters/CHighPassFilter.h"
#include "Veltis/Audio/DSP/Filters/CHighShelfFilter.h"
#include "Veltis/Audio/DSP/Filters/CLowPassFilter.h"
#include "Veltis/Audio/DSP/Filters/CLowShelfFilter.h"
#include "Veltis/Audio/DSP/Filters/CPeakFilter.h"
#include "Veltis/Audio/DSP/IProcessInfo.h"
#include "Veltis/DataModel/Objects/IConstCurveInfo.h"
#include "Veltis/DataModel/Objects/IConstParamInfo.h"
#include "Veltis/DataModel/Objects/IConstProductInfo.h"
#include "Veltis/Math/FunctionsLibrary.h"

#include "support/CAllocationCounter.h"
#include "support/MonoFilterBlocks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

using namespace Veltis::Audio::DSP;
using namespace Veltis::Audio::DSP::Filters;
using Veltis::Math::FunctionsLibrary::FromdB;
using VeltisTest::FillVariations;
using VeltisTest::Noise;
using VeltisTest::ProcessInPlace;
using VeltisTest::SetRate;
using VeltisTest::SetValues;

namespace {

// The peak and low shelf procedures written out from their definitions: coefficients from 32-bit terms
// in doubles, the difference equation in its order of operations, terms advanced high order first.
struct CReference {
    double b0 = 0, b1 = 0, b2 = 0, c1 = 0, c2 = 0, x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    float terms[3][3] = {};
    int sets = 0;
    bool peak = true;

    void Fill(int order, const float* v, double inv)
    {
        terms[order][0] = static_cast<float>(6.283185307179586 * inv * static_cast<double>(v[0]));
        if (peak) {
            terms[order][1] = 0.5f * v[1];
            terms[order][2] = powf(10.0f, (0.5f * v[2]) * 0.05f);
        } else {
            terms[order][1] = powf(10.0f, (0.25f * v[1]) * 0.05f);
        }
    }

    void Design()
    {
        const double w = terms[0][0], s = std::sin(w), c = std::cos(w);
        if (peak) {
            const double h = terms[0][1], G = terms[0][2], alpha = h * s, k = 1.0 / (alpha / G + 1.0);
            b0 = (G * alpha + 1.0) * k;
            b1 = (-2.0 * c) * k;
            b2 = (1.0 - G * alpha) * k;
            c1 = (2.0 * c) * k;
            c2 = (alpha / G - 1.0) * k;
        } else {
            const double a = terms[0][1], A = static_cast<float>(terms[0][1] * terms[0][1]);
            const double beta = s * 1.4142135623730951 * a;
            const double k = 1.0 / ((A - 1.0) * c + A + beta + 1.0);
            b0 = A * ((A + 1.0) - (A - 1.0) * c + beta) * k;
            b1 = 2.0 * A * ((A - 1.0) - (A + 1.0) * c) * k;
            b2 = A * ((A + 1.0) - (A - 1.0) * c - beta) * k;
            c1 = 2.0 * ((A - 1.0) + (A + 1.0) * c) * k;
            c2 = -((A + 1.0) + (A - 1.0) * c - beta) * k;
        }
    }

    float Step(float input)
    {
        const double x = input;
        double acc = ((((x2 * b2 + x1 * b1) + y1 * c1) + y2 * c2) + x * b0);
        const float out = static_cast<float>(acc);
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = acc;
        if (sets >= 2) {
            for (int j = sets - 2; j >= 0; --j) {
                terms[j][0] += terms[j + 1][0];
                terms[j][1] = peak ? terms[j][1] + terms[j + 1][1] : terms[j][1] * terms[j + 1][1];
                if (peak)
                    terms[j][2] *= terms[j + 1][2];
            }
            Design();
        }
        return out;
    }
};

} // namespace

TEST(CBiquadFilterTest, RampedAndSteadyBlocksMatchAPlainReferenceBitForBit)
{
    const double fs = 48000.0;
    const float peakSets[3][3] = {{1000.0f, 1.0f, 6.0f}, {2.0f, 0.001f, 0.01f}, {0.01f, 0.0f, -0.0001f}};
    const float shelfSets[3][2] = {{200.0f, -12.0f}, {-0.1f, 0.02f}, {0.0005f, 0.0001f}};
    for (bool peak : {true, false}) {
        for (int sets = 1; sets <= 3; ++sets) {
            SCOPED_TRACE(testing::Message() << (peak ? "peak " : "shelf ") << sets << " sets");
            std::unique_ptr<IFilter> filter(peak ? static_cast<IFilter*>(new CPeakFilter) : new CLowShelfFilter);
            SetRate(*filter, fs);
            CReference reference;
            reference.peak = peak;
            reference.sets = sets;
            CDynamicParamsVariations variations(sets, peak ? 3 : 2);
            for (int i = 0; i < sets; ++i) {
                const float* row = peak ? peakSets[i] : shelfSets[i];
                for (int j = 0; j < (peak ? 3 : 2); ++j)
                    variations.GetAt(i).SetValue(j, row[j]);
                reference.Fill(i, row, 1.0 / fs);
            }
            reference.Design();
            std::vector<float> samples = Noise(512);
            std::vector<float> expected(samples.size());
            for (size_t k = 0; k < samples.size(); ++k)
                expected[k] = reference.Step(samples[k]);
            ProcessInPlace(*filter, samples.data(), 512, &variations);
            ASSERT_EQ(0, std::memcmp(samples.data(), expected.data(), samples.size() * sizeof(float)));
            // Coefficients of the last sample are those reached after the last step.
            const auto& biquad = dynamic_cast<CBiquadFilter&>(*filter).GetBiquad();
            EXPECT_EQ(biquad.b0, reference.b0);
            EXPECT_EQ(biquad.c2, reference.c2);
        }
    }
}

TEST(CBiquadFilterTest, FrequencyRampEndsAtTheReachedFrequency)
{
    const double fs = 44100.0;
    CLowPassFilter ramped, target;
    SetRate(ramped, fs);
    SetRate(target, fs);
    CDynamicParamsVariations variations;
    FillVariations(variations, {{1000.0f}, {1.0f}});
    std::vector<float> samples(100, 0.0f);
    ProcessInPlace(ramped, samples.data(), 100, &variations);
    SetValues(target, {1100.0f});
    EXPECT_NEAR(ramped.GetBiquad().c1, target.GetBiquad().c1, 1e-5);
    EXPECT_NEAR(ramped.GetBiquad().b0, target.GetBiquad().b0, 1e-5 * target.GetBiquad().b0);
}

TEST(CBiquadFilterTest, ShelfGainRampIsLinearInDecibels)
{
    CLowShelfFilter ramped, target;
    SetRate(ramped, 48000.0);
    SetRate(target, 48000.0);
    CDynamicParamsVariations variations;
    FillVariations(variations, {{300.0f, 0.0f}, {0.0f, 0.01f}});
    std::vector<float> samples(600, 0.0f);
    ProcessInPlace(ramped, samples.data(), 600, &variations);
    SetValues(target, {300.0f, 6.0f});
    EXPECT_NEAR(ramped.GetBiquad().b0, target.GetBiquad().b0, 1e-4);
    EXPECT_NEAR(ramped.GetBiquad().b1, target.GetBiquad().b1, 1e-4);
}

TEST(CBiquadFilterTest, WithoutValuesOrRateTheFilterIsSilent)
{
    CPeakFilter neverSet;
    SetValues(neverSet, {1000.0f, 1.0f, 6.0f}); // no rate yet: ignored
    std::vector<float> samples = Noise(64);
    ProcessInPlace(neverSet, samples.data(), 64);
    for (float s : samples)
        ASSERT_EQ(s, 0.0f);
    EXPECT_EQ(neverSet.GetBiquad().b0, 0.0);

    // A ramp at rate 0 leaves the coefficients too.
    CDynamicParamsVariations variations;
    FillVariations(variations, {{1000.0f, 1.0f, 6.0f}, {1.0f, 0.0f, 0.0f}});
    ProcessInPlace(neverSet, samples.data(), 64, &variations);
    EXPECT_EQ(neverSet.GetBiquad().b0, 0.0);
}

TEST(CBiquadFilterTest, BlocksWithoutVariationsKeepTheCoefficientsAndOneSetAppliesIt)
{
    CHighPassFilter filter;
    SetRate(filter, 44100.0);
    SetValues(filter, {100.0f});
    const double before = filter.GetBiquad().b0;
    std::vector<float> samples = Noise(32);
    ProcessInPlace(filter, samples.data(), 32);
    EXPECT_EQ(filter.GetBiquad().b0, before);
    CDynamicParamsVariations variations;
    FillVariations(variations, {{2000.0f}});
    ProcessInPlace(filter, samples.data(), 32, &variations);
    CHighPassFilter direct;
    SetRate(direct, 44100.0);
    SetValues(direct, {2000.0f});
    EXPECT_EQ(filter.GetBiquad().b0, direct.GetBiquad().b0);
}

// Variation sets are not range-checked by their class: the filter reads missing values as 0.
TEST(CBiquadFilterTest, ShortValueVectorsReadZeroForMissingValues)
{
    CPeakFilter shortValues, explicitZeros;
    SetRate(shortValues, 48000.0);
    SetRate(explicitZeros, 48000.0);
    SetValues(shortValues, {800.0f});
    SetValues(explicitZeros, {800.0f, 0.0f, 0.0f});
    EXPECT_EQ(shortValues.GetBiquad().b0, explicitZeros.GetBiquad().b0);
    EXPECT_EQ(shortValues.GetBiquad().c2, explicitZeros.GetBiquad().c2);

    CDynamicParamsVariations variations;
    FillVariations(variations, {{800.0f}, {1.0f}});
    std::vector<float> samples = Noise(16);
    ProcessInPlace(shortValues, samples.data(), 16, &variations);
    for (float s : samples)
        ASSERT_TRUE(std::isfinite(s));
}

TEST(CBiquadFilterTest, OnlyTheFirstStreamsAreTouched)
{
    CLowPassFilter filter;
    SetRate(filter, 48000.0);
    std::vector<float> first = Noise(16), second(16, 5.0f), out(16, 7.0f), otherOut(16, 9.0f);
    CAudioStream inputs[2] = {CAudioStream(first.data(), 16), CAudioStream(second.data(), 16)};
    CAudioStream outputs[2] = {CAudioStream(out.data(), 16), CAudioStream(otherOut.data(), 16)};
    CAudioStreams in(2, inputs), outStreams(2, outputs);
    filter.Process({&in, &outStreams, 16, nullptr, nullptr});
    EXPECT_NE(out[3], 7.0f);
    for (float s : otherOut)
        EXPECT_EQ(s, 9.0f);
    for (float s : second)
        EXPECT_EQ(s, 5.0f);
}

TEST(CBiquadFilterTest, CurvesAreDirtyOnlyWhenTheCoefficientsChanged)
{
    CPeakFilter filter;
    SetRate(filter, 48000.0);
    auto& dirty = filter.GetOutputCurvesDirty();
    for (int i = 0; i < 3; ++i)
        dirty.GetAt(i).ClearDirty();

    SetValues(filter, {500.0f, 1.0f, 0.0f}); // the defaults again: same coefficients
    filter.UpdateOutputs();
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(dirty.GetAt(i).IsDirty()) << i;

    SetValues(filter, {500.0f, 1.0f, 6.0f});
    filter.UpdateOutputs();
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(dirty.GetAt(i).IsDirty()) << i;
    EXPECT_NEAR(filter.GetOutputCurves().GetValue(CBiquadFilter::kGainCurve).GetValue(500.0f), 1.99526f, 1e-4f);
    EXPECT_NEAR(filter.GetOutputCurves().GetValue(CBiquadFilter::kGainDbCurve).GetValue(500.0f), 6.0f, 1e-4f);

    // A new rate alone reaches the responses but marks nothing.
    for (int i = 0; i < 3; ++i)
        dirty.GetAt(i).ClearDirty();
    bool apply = false;
    const double bBefore = filter.GetBiquad().b0;
    filter.SetSampleRate(apply, 96000.0);
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(dirty.GetAt(i).IsDirty()) << i;
    EXPECT_EQ(filter.GetBiquad().b0, bBefore);
    EXPECT_EQ(dynamic_cast<const Veltis::Audio::DSP::Algorithm::CBiquadFrequencyResponse&>(
                  filter.GetOutputCurves().GetValue(CBiquadFilter::kPhaseCurve))
                  .m_InvSampleRate,
              1.0 / 96000.0);
}

TEST(CBiquadFilterTest, CopiesAndAssignmentsKeepTheirCurvesWiredToThemselves)
{
    CPeakFilter original;
    SetRate(original, 48000.0);
    SetValues(original, {1000.0f, 1.0f, 12.0f});
    original.UpdateOutputs();

    std::unique_ptr<IFilter> clone(original.Clone());
    CPeakFilter assigned;
    SetRate(assigned, 44100.0);
    assigned = original;
    EXPECT_EQ(assigned.GetSampleRate(), 48000.0);
    EXPECT_EQ(assigned.GetInvSampleRate(), 1.0 / 48000.0);

    SetValues(original, {1000.0f, 1.0f, -12.0f});
    original.UpdateOutputs();
    for (IFilter* copy : {clone.get(), static_cast<IFilter*>(&assigned)}) {
        EXPECT_NEAR(copy->GetOutputCurves().GetValue(CBiquadFilter::kGainDbCurve).GetValue(1000.0f), 12.0f, 1e-3f);
        EXPECT_NEAR(copy->GetOutputCurves().GetValue(CBiquadFilter::kGainCurve).GetValue(1000.0f), FromdB(12.0f),
                    1e-3f);
    }
    EXPECT_NEAR(original.GetOutputCurves().GetValue(CBiquadFilter::kGainDbCurve).GetValue(1000.0f), -12.0f, 1e-3f);

    // The copy processes like its original, ramp terms included.
    CPeakFilter copy(original);
    CDynamicParamsVariations variations;
    FillVariations(variations, {{1000.0f, 1.0f, 3.0f}, {1.0f, 0.0f, 0.01f}});
    std::vector<float> a = Noise(64), b = a;
    ProcessInPlace(original, a.data(), 64, &variations);
    ProcessInPlace(copy, b.data(), 64, &variations);
    EXPECT_EQ(a, b);
}

TEST(CBiquadFilterTest, SilenceAfterTheTailClearsTheHistory)
{
    CLowPassFilter filter;
    SetRate(filter, 48000.0);
    std::vector<float> samples = Noise(64);
    ProcessInPlace(filter, samples.data(), 64);
    EXPECT_NE(filter.GetBiquad().y1, 0.0);
    std::vector<float> silence(64, 1.0f);
    EXPECT_FALSE(VeltisTest::ProcessSilenceInPlace(filter, silence.data(), 64));
    EXPECT_EQ(filter.GetBiquad().x1, 0.0);
    EXPECT_EQ(filter.GetBiquad().y1, 0.0);
    EXPECT_EQ(filter.GetBiquad().y2, 0.0);
    EXPECT_EQ(silence[10], 0.0f);
}

TEST(CBiquadFilterTest, DescriptorsOfTheKinds)
{
    CLowPassFilter low;
    CHighShelfFilter shelf;
    CPeakFilter peak;
    EXPECT_STREQ(low.GetObjectInfo().GetName(), "Low Pass Filter");
    EXPECT_STREQ(shelf.GetObjectInfo().GetName(), "High Shelf Filter");
    EXPECT_STREQ(CHighPassFilter().GetObjectInfo().GetName(), "High Pass Filter");
    EXPECT_STREQ(CLowShelfFilter().GetObjectInfo().GetName(), "Low Shelf Filter");
    EXPECT_STREQ(peak.GetObjectInfo().GetName(), "Peak Filter");
    EXPECT_STREQ(peak.GetObjectInfo().GetVersion(), "1.0");
    ASSERT_EQ(peak.GetInputParamsInfo().GetCount(), 3);
    EXPECT_STREQ(peak.GetInputParamsInfo().GetAt(1).GetName(), "Bandwidth");
    EXPECT_STREQ(peak.GetInputParamsInfo().GetAt(1).GetUnit(), "Octave");
    EXPECT_EQ(peak.GetInputParamsInfo().GetAt(0).GetMax(), 16000.0f);
    EXPECT_EQ(shelf.GetInputParamsInfo().GetAt(0).GetMin(), 10.0f);
    EXPECT_EQ(shelf.GetInputParamsInfo().GetAt(1).GetDefault(), 0.0f);
    EXPECT_EQ(low.GetInputParamsInfo().GetCount(), 1);
    ASSERT_EQ(low.GetOutputCurvesInfo().GetCount(), 3);
    EXPECT_STREQ(low.GetOutputCurvesInfo().GetAt(1).GetName(), "Frequency Response (Gain dB)");
    EXPECT_EQ(low.GetOutputCurvesInfo().GetAt(0).GetYInfo().GetMax(), FromdB(40.0f));
    EXPECT_EQ(low.GetProcessInfo().GetInputsInfo().GetCount(), 1);
    EXPECT_EQ(low.GetProcessInfo().GetOutputsInfo().GetCount(), 1);
}

TEST(CBiquadFilterTest, BlocksAndRefreshesAllocateNothing)
{
    CPeakFilter peak;
    CLowShelfFilter shelf;
    SetRate(peak, 48000.0);
    SetRate(shelf, 48000.0);
    CDynamicParamsVariations peakRamp, shelfRamp, none;
    FillVariations(peakRamp, {{1000.0f, 1.0f, 3.0f}, {1.0f, 0.001f, 0.01f}, {0.0f, 0.0f, 0.0001f}});
    FillVariations(shelfRamp, {{100.0f, 3.0f}, {1.0f, 0.01f}});
    std::vector<float> samples = Noise(4096);
    std::vector<float> silence(4096, 0.0f);
    long count;
    {
        VeltisTest::CAllocationCounter counter;
        for (int block : {32, 512, 4096}) {
            ProcessInPlace(peak, samples.data(), block, &peakRamp);
            ProcessInPlace(shelf, samples.data(), block, &shelfRamp);
            ProcessInPlace(peak, samples.data(), block);
            VeltisTest::ProcessSilenceInPlace(shelf, silence.data(), block, &shelfRamp);
            peak.UpdateOutputs();
            shelf.UpdateOutputs();
            peak.GetOutputCurves().GetValue(CBiquadFilter::kGainDbCurve).GetValue(1000.0f);
        }
        bool apply = true;
        peak.SetSampleRate(apply, 44100.0);
        count = counter.GetCount();
    }
    EXPECT_EQ(count, 0);
}
