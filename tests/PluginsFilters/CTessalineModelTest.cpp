#include "TessalineTestSupport.h"
#include "Veltis/Audio/DSP/IInputInfo.h"
#include "Veltis/Audio/DSP/ILegacyPresets.h"
#include "Veltis/Audio/DSP/IProcessInfo.h"
#include "Veltis/Core/IDirty.h"
#include "Veltis/DataModel/Objects/IConstCurveInfo.h"
#include "Veltis/DataModel/Objects/IConstProductInfo.h"
#include "Veltis/Math/IFunction.h"
#include "support/ValueToTextSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace TessalineTest;
using Veltis::Audio::DSP::IFilter;
using Veltis::DataModel::Objects::IConstParamInfo;
using VeltisTest::TextOf;

TEST(CTessalineModelTest, InputDescriptorsFollowTheTable)
{
    struct Case {
        int index;
        const char* name;
        int type;
        const char* unit;
        float min, max, def;
        float sample;
        const char* text;
    };
    const Case kCases[] = {
        {0, "Limiter", 0, "", 0, 1, 0, 1, "On"},
        {1, "Oversample", 0, "", 0, 1, 0, 0, "Off"},
        {2, "Non Linear", 2, "%", 0, 100, 0, 42.4f, "42"},
        {3, "Comp-Dist", 2, "%", 0, 100, 30, 30, "30"},
        {4, "Clip Reset", 3, "", 0, 1, 0, 1, "1"},
        {5, "Pre", 2, "dB", -40, 40, 0, 3.04f, "+3.0"},
        {6, "Low Active", 0, "", 0, 1, 0, 0, "Off"},
        {7, "Low Freq", 2, "Hz", 20, 10000, 100, 120.4f, "120"},
        {8, "Low Gain", 2, "dB", -40, 40, 0, -2.5f, "-2.5"},
        {9, "Low Cut", 0, "", 0, 1, 0, 1, "Cut"},
        {10, "High Active", 0, "", 0, 1, 0, 1, "On"},
        {11, "High Freq", 2, "Hz", 200, 20000, 7000, 7000, "7000"},
        {12, "High Gain", 2, "dB", -40, 40, 0, 0, "+0.0"},
        {13, "High Cut", 0, "", 0, 1, 0, 0, "Shelf"},
        {14, "Band 1 Active", 0, "", 0, 1, 0, 1, "On"},
        {15, "Freq 1", 2, "Hz", 20, 20000, 200, 200, "200"},
        {16, "Bandwidth 1", 2, "Oct", 0.01f, 5, 1, 0.5f, "0.50"},
        {17, "Gain 1", 2, "dB", -40, 40, 0, 6, "+6.0"},
        {19, "Freq 2", 2, "Hz", 20, 20000, 400, 400, "400"},
        {22, "Band 3 Active", 0, "", 0, 1, 0, 0, "Off"},
        {23, "Freq 3", 2, "Hz", 20, 20000, 800, 800, "800"},
        {27, "Freq 4", 2, "Hz", 20, 20000, 1600, 1600, "1600"},
        {31, "Freq 5", 2, "Hz", 20, 20000, 3200, 3200, "3200"},
        {32, "Bandwidth 5", 2, "Oct", 0.01f, 5, 1, 1, "1.00"},
        {33, "Gain 5", 2, "dB", -40, 40, 0, -40, "-40.0"},
        {34, "Post", 2, "dB", -40, 40, 0, 0.05f, "+0.1"},
    };
    CTessaline filter;
    const IFilter::IConstParamsInfo& params = filter.GetInputParamsInfo();
    ASSERT_EQ(params.GetCount(), 35);
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.index);
        const IConstParamInfo& info = params.GetAt(c.index);
        EXPECT_STREQ(info.GetName(), c.name);
        EXPECT_EQ(info.GetType(), c.type);
        EXPECT_STREQ(info.GetUnit() ? info.GetUnit() : "", c.unit);
        EXPECT_STREQ(info.GetComment() ? info.GetComment() : "", "");
        EXPECT_EQ(info.GetMin(), c.min);
        EXPECT_EQ(info.GetMax(), c.max);
        EXPECT_EQ(info.GetDefault(), c.def);
        EXPECT_EQ(TextOf(*info.GetValueToText(), c.sample), c.text);
    }
}

TEST(CTessalineModelTest, OutputsCurvesAndIdentity)
{
    CTessaline filter;
    EXPECT_STREQ(filter.GetObjectInfo().GetName(), "Tessaline");
    EXPECT_STREQ(filter.GetObjectInfo().GetVersion(), "3.0");
    EXPECT_STREQ(filter.GetObjectInfo().GetComment(), "Parametric Equalizer");
    EXPECT_STREQ(filter.GetProcessInfo().GetInputsInfo().GetAt(0).GetName(), "In");
    EXPECT_EQ(filter.GetProcessInfo().GetOutputsInfo().GetCount(), 1);

    struct Output {
        const char* name;
        int type;
        const char* unit;
        float min, max, def;
    };
    const Output kOutputs[] = {{"Compression", 2, "dB", -60, 0, 0}, {"Peak", 2, "dB", -60, 0, -60},
                               {"Clip", 0, "", 0, 1, 0}};
    ASSERT_EQ(filter.GetOutputParamsInfo().GetCount(), 3);
    ASSERT_EQ(filter.GetOutputParamsValues().GetCount(), 3);
    for (int i = 0; i < 3; ++i) {
        const IConstParamInfo& info = filter.GetOutputParamsInfo().GetAt(i);
        EXPECT_STREQ(info.GetName(), kOutputs[i].name);
        EXPECT_EQ(info.GetType(), kOutputs[i].type);
        EXPECT_STREQ(info.GetUnit() ? info.GetUnit() : "", kOutputs[i].unit);
        EXPECT_EQ(info.GetMin(), kOutputs[i].min);
        EXPECT_EQ(info.GetMax(), kOutputs[i].max);
        EXPECT_EQ(info.GetDefault(), kOutputs[i].def);
    }

    const char* const kCurves[] = {"Frequency Response (Gain)", "Frequency Response (Gain dB)",
                                   "Low Frequency Response",    "High Frequency Response",
                                   "Mid 1 Frequency Response",  "Mid 2 Frequency Response",
                                   "Mid 3 Frequency Response",  "Mid 4 Frequency Response",
                                   "Mid 5 Frequency Response"};
    ASSERT_EQ(filter.GetOutputCurvesInfo().GetCount(), 9);
    ASSERT_EQ(filter.GetOutputCurves().GetCount(), 9);
    ASSERT_EQ(filter.GetOutputCurvesDirty().GetCount(), 9);
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(i);
        const Veltis::DataModel::Objects::IConstCurveInfo& curve = filter.GetOutputCurvesInfo().GetAt(i);
        EXPECT_STREQ(curve.GetName(), kCurves[i]);
        EXPECT_STREQ(curve.GetXInfo().GetName(), "Frequency");
        EXPECT_STREQ(curve.GetXInfo().GetUnit(), "Hz");
        EXPECT_EQ(curve.GetXInfo().GetMin(), 20.0f);
        EXPECT_EQ(curve.GetXInfo().GetMax(), 22000.0f);
        EXPECT_STREQ(curve.GetYInfo().GetName(), "Gain");
        if (i == 0) {
            // The summed response is a linear factor, so its axis carries no unit (the bands' are in dB).
            const char* unit = curve.GetYInfo().GetUnit();
            EXPECT_STREQ(unit ? unit : "", "");
            EXPECT_NEAR(curve.GetYInfo().GetMin(), 0.01f, 1e-6f);
            EXPECT_NEAR(curve.GetYInfo().GetMax(), 100.0f, 1e-3f);
            EXPECT_EQ(curve.GetYInfo().GetDefault(), 1.0f);
        } else {
            EXPECT_STREQ(curve.GetYInfo().GetUnit(), "dB");
            EXPECT_EQ(curve.GetYInfo().GetMin(), -40.0f);
            EXPECT_EQ(curve.GetYInfo().GetMax(), 40.0f);
        }
        EXPECT_FALSE(filter.GetOutputCurvesDirty().GetAt(i).IsDirty());
    }
    EXPECT_EQ(filter.GetTailLength(), 0);
    bool apply = true;
    filter.SetSampleRate(apply, 48000.0);
    // At least the limiter's four decay times of 0.5 s; the meter's release and hold may be longer.
    EXPECT_GE(filter.GetTailLength(), 4 * 24000);
}

TEST(CTessalineModelTest, FlatHoldsTheDefaults)
{
    CTessaline filter;
    const Veltis::Audio::DSP::ILegacyPresets& presets = filter.GetLegacyPresets();
    ASSERT_EQ(presets.GetCount(), 1);
    EXPECT_STREQ(presets.GetPreset(0).GetName(), "Flat");
    EXPECT_EQ(presets.GetPreset(0).GetType(), 0);
    Values expected(35, 0.0f);
    expected[3] = 30;
    expected[7] = 100;
    expected[11] = 7000;
    for (int band = 1; band <= 5; ++band) {
        expected[Band(band, 1)] = static_cast<float>(100 << band);
        expected[Band(band, 2)] = 1;
    }
    const Veltis::Containers::IConstValueVector<float>& values = presets.GetPreset(0).GetValues();
    ASSERT_EQ(values.GetCount(), 35);
    for (int i = 0; i < 35; ++i)
        EXPECT_EQ(values.GetValue(i), expected[i]) << i;
    EXPECT_EQ(Defaults(filter), expected);
}

TEST(CTessalineModelTest, ACopyInCutModeDrawsFromItsOwnFilters)
{
    std::unique_ptr<CTessaline> source(new CTessaline);
    Values values = Defaults(*source);
    values[CTessaline::kLowActive] = 1;
    values[CTessaline::kLowCut] = 1;
    values[CTessaline::kLowFreq] = 300;
    values[CTessaline::kHighActive] = 1;
    values[CTessaline::kHighGain] = 6;
    Prepare(*source, 48000.0, values);
    source->UpdateOutputs();

    std::unique_ptr<IFilter> clone(source->Clone());
    CTessaline& copy = dynamic_cast<CTessaline&>(*clone);
    const char* const base = reinterpret_cast<const char*>(&copy);
    const char* const low = reinterpret_cast<const char*>(&copy.GetLowFilter());
    EXPECT_TRUE(low > base && low < base + sizeof(CTessaline));
    EXPECT_STREQ(copy.GetLowFilter().GetObjectInfo().GetName(), "High Pass Filter");
    EXPECT_STREQ(copy.GetHighFilter().GetObjectInfo().GetName(), "High Shelf Filter");

    bool apply = false;
    copy.SetSampleRate(apply, 48000.0);
    copy.SetParamsValues(CParamsValues(35, values.data()));
    copy.UpdateOutputs();
    const float sourceAt100 = source->GetOutputCurves().GetValue(2).GetValue(100.0f);
    source.reset();
    EXPECT_NEAR(copy.GetOutputCurves().GetValue(2).GetValue(100.0f), sourceAt100, 1e-5f);
    EXPECT_LT(copy.GetOutputCurves().GetValue(2).GetValue(100.0f), -10.0f);
    EXPECT_NEAR(copy.GetOutputCurves().GetValue(3).GetValue(20000.0f), 6.0f, 0.1f);
    EXPECT_NE(&clone->GetLegacyPresets(), nullptr);
    EXPECT_EQ(clone->GetLegacyPresets().GetPreset(0).GetValues().GetCount(), 35);
}
