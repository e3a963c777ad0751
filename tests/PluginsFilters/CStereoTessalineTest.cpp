#include "PluginsFilters/CStereoTessaline.h"
#include "TessalineTestSupport.h"
#include "Veltis/Audio/DSP/ILegacyPresets.h"
#include "Veltis/Audio/DSP/IProcessInfo.h"
#include "Veltis/Audio/Plugin/CAudioPluginSkinGUI.h"
#include "Veltis/Audio/Plugin/ProductEntry.h"
#include "Veltis/Core/CEventProvider.h"
#include "Veltis/DataModel/Objects/IConstProductInfo.h"
#include "support/CCountingCommand.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace TessalineTest;
using PluginsFilters::CStereoTessaline;
using Veltis::Audio::DSP::IFilter;

namespace {

// Stereo indices of a per-channel mono parameter.
int Left(int mono) { return mono; }
int Right(int mono) { return mono + 30; }

// Two channels of count samples: left a sine, right another.
struct CStereoSignal {
    explicit CStereoSignal(int count)
        : m_left(Sine(1000.0, 48000.0, count)), m_right(Sine(3000.0, 48000.0, count)),
          m_streams{CAudioStream(m_left.data(), count), CAudioStream(m_right.data(), count)}, m_vector(2, m_streams),
          m_context{&m_vector, &m_vector, count, nullptr, nullptr}
    {
    }

    std::vector<float> m_left, m_right;
    CAudioStream m_streams[2];
    CAudioStreams m_vector;
    CProcessContext m_context;
};

} // namespace

TEST(CStereoTessalineTest, DescribesSixtyFiveInputsSixOutputsAndEighteenCurves)
{
    CStereoTessaline stereo;
    const IFilter::IConstParamsInfo& inputs = stereo.GetInputParamsInfo();
    ASSERT_EQ(inputs.GetCount(), 65);
    struct Case {
        int index;
        const char* name;
    };
    const Case kInputs[] = {{0, "Limiter"},   {4, "Clip Reset"},      {5, "Pre (L)"},
                            {7, "Low Freq (L)"}, {14, "Band 1 Active (L)"}, {34, "Post (L)"},
                            {35, "Pre (R)"},  {37, "Low Freq (R)"},   {44, "Band 1 Active (R)"},
                            {64, "Post (R)"}};
    for (const Case& c : kInputs)
        EXPECT_STREQ(inputs.GetAt(c.index).GetName(), c.name) << c.index;
    EXPECT_EQ(inputs.GetAt(37).GetDefault(), 100.0f);
    EXPECT_EQ(inputs.GetAt(41).GetMax(), 20000.0f);

    const char* const kOutputs[] = {"Compression (L)", "Peak (L)", "Clip (L)",
                                    "Compression (R)", "Peak (R)", "Clip (R)"};
    ASSERT_EQ(stereo.GetOutputParamsInfo().GetCount(), 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_STREQ(stereo.GetOutputParamsInfo().GetAt(i).GetName(), kOutputs[i]);
    ASSERT_EQ(stereo.GetOutputCurvesInfo().GetCount(), 18);
    EXPECT_STREQ(stereo.GetOutputCurvesInfo().GetAt(0).GetName(), "Frequency Response (Gain) (L)");
    EXPECT_STREQ(stereo.GetOutputCurvesInfo().GetAt(17).GetName(), "Mid 5 Frequency Response (R)");
    EXPECT_EQ(stereo.GetProcessInfo().GetInputsInfo().GetCount(), 2);
    EXPECT_EQ(stereo.GetProcessInfo().GetOutputsInfo().GetCount(), 2);
    EXPECT_STREQ(stereo.GetObjectInfo().GetName(), "Stereo Tessaline");
    EXPECT_STREQ(stereo.GetObjectInfo().GetComment(), "Stereo Parametric Equalizer");
}

TEST(CStereoTessalineTest, FlatHoldsTheSixtyFiveDefaults)
{
    CStereoTessaline stereo;
    const Veltis::Audio::DSP::ILegacyPresets& presets = stereo.GetLegacyPresets();
    ASSERT_EQ(presets.GetCount(), 1);
    const Veltis::Audio::DSP::ILegacyPreset& flat = presets.GetPreset(0);
    EXPECT_STREQ(flat.GetName(), "Flat");
    ASSERT_EQ(flat.GetValues().GetCount(), 65);
    for (int i = 0; i < 65; ++i)
        EXPECT_EQ(flat.GetValues().GetValue(i), stereo.GetInputParamsInfo().GetAt(i).GetDefault()) << i;
    std::unique_ptr<IFilter> clone(stereo.Clone());
    EXPECT_EQ(clone->GetLegacyPresets().GetPreset(0).GetValues().GetCount(), 65);
    EXPECT_NE(&clone->GetLegacyPresets(), &presets);
}

TEST(CStereoTessalineTest, PerChannelValuesReachTheirChannelAndSharedOnesBoth)
{
    CStereoTessaline stereo;
    Values values = Defaults(stereo);
    values[CTessaline::kNonLinear] = 40.0f;
    values[Left(CTessaline::kLowActive)] = 1.0f;
    values[Right(Band(2, 0))] = 1.0f;
    values[Right(CTessaline::kPost)] = -6.0f;
    Prepare(stereo, 48000.0, values);

    const CTessaline& left = stereo.GetLeftFilter();
    const CTessaline& right = stereo.GetRightFilter();
    EXPECT_TRUE(left.GetChainItem(0).m_bypass->IsActive());
    EXPECT_FALSE(right.GetChainItem(0).m_bypass->IsActive());
    EXPECT_TRUE(left.GetChainItem(2).m_bypass->IsActive());   // the low section's compressor: shared Non Linear
    EXPECT_FALSE(left.GetChainItem(5).m_bypass->IsActive());
    EXPECT_TRUE(right.GetChainItem(5).m_bypass->IsActive());
    EXPECT_TRUE(right.GetChainItem(6).m_bypass->IsActive());

    // The right channel alone is 6 dB down: its post gain.
    CStereoSignal signal(48000);
    const std::vector<float> leftIn = signal.m_left, rightIn = signal.m_right;
    values[Left(CTessaline::kLowActive)] = 0.0f;
    values[Right(Band(2, 0))] = 0.0f;
    values[CTessaline::kNonLinear] = 0.0f;
    Prepare(stereo, 48000.0, values);
    stereo.Process(signal.m_context);
    EXPECT_NEAR(MeasureDb(signal.m_left, 1000.0, 48000.0, 24000), 0.0, 0.001);
    EXPECT_NEAR(MeasureDb(signal.m_right, 3000.0, 48000.0, 24000), -6.0, 0.001);
    EXPECT_EQ(stereo.GetTailLength(), std::max(left.GetTailLength(), right.GetTailLength()));
}

TEST(CStereoTessalineTest, OutputsAndCurvesPlaceTheLeftChannelFirst)
{
    CStereoTessaline stereo;
    Values values = Defaults(stereo);
    values[Left(Band(1, 0))] = 1.0f;
    values[Left(Band(1, 3))] = 12.0f;
    Prepare(stereo, 48000.0, values);
    CStereoSignal signal(4800);
    stereo.Process(signal.m_context);
    stereo.UpdateOutputs();
    ASSERT_EQ(stereo.GetOutputParamsValues().GetCount(), 6);
    EXPECT_GT(stereo.GetOutputParamsValues().GetValue(1), -60.0f); // Peak (L)
    ASSERT_EQ(stereo.GetOutputCurves().GetCount(), 18);
    EXPECT_NEAR(stereo.GetOutputCurves().GetValue(1).GetValue(200.0f), 12.0f, 0.01f);  // left total in dB
    EXPECT_NEAR(stereo.GetOutputCurves().GetValue(10).GetValue(200.0f), 0.0f, 0.01f); // right total in dB
}

// Both channels of a block may run together; the result must be that of the left channel completely
// before the right one (the template's own order), also when the channels' buffers are the same memory
// or one channel reads what the other writes.
TEST(CStereoTessalineTest, ChannelsRunTogetherGiveTheBitsOfOneAfterTheOther)
{
    typedef Veltis::Audio::DSP::TFullStereoFromMonoFilter<CTessaline> CSequential;
    // Long enough for the start-up fades of the stages to end: only steady stages run together.
    const int kBlock = 256, kBlocks = 30;
    struct Case {
        const char* name;
        int inputs[2], outputs[2]; // buffer of each channel's input and output stream
        int step;                  // 2: the two channels interleaved in buffer 0
    };
    const Case kCases[] = {
        {"separate inputs and outputs", {0, 1}, {2, 3}, 1},
        {"in place", {0, 1}, {0, 1}, 1},
        {"interleaved in place", {0, 0}, {0, 0}, 2},
        {"both channels on one buffer", {0, 0}, {0, 0}, 1},
        {"the right channel reads the left output", {0, 2}, {2, 3}, 1},
        {"both outputs on one buffer", {0, 1}, {2, 2}, 1},
    };
    for (int nonLinear = 0; nonLinear <= 1; ++nonLinear) {
        for (const Case& c : kCases) {
            SCOPED_TRACE(c.name);
            SCOPED_TRACE(nonLinear);
            CStereoTessaline stereo;
            CSequential sequential(CStereoTessaline::kFirstChannelParam, -1);
            Values values = Defaults(stereo);
            for (int offset : {0, 30}) {
                values[offset + CTessaline::kLowActive] = 1;
                values[offset + CTessaline::kLowGain] = offset ? 6.0f : -4.0f;
                values[offset + Band(2, 0)] = 1;
                values[offset + Band(2, 3)] = offset ? -5.0f : 8.0f;
                values[offset + Band(4, 0)] = 1;
                values[offset + Band(4, 3)] = 3.0f;
            }
            values[CTessaline::kNonLinear] = nonLinear ? 60.0f : 0.0f;
            Prepare(stereo, 48000.0, values);
            Prepare(sequential, 48000.0, values);

            std::vector<float> buffers[2][4];
            for (std::vector<float>* set : {buffers[0], buffers[1]})
                for (int b = 0; b < 4; ++b)
                    set[b] = VeltisTest::Noise(kBlock * kBlocks * 2, 0.5f, 11 + b);
            IFilter* const filters[2] = {&stereo, &sequential};
            for (int f = 0; f < 2; ++f) {
                for (int block = 0; block < kBlocks; ++block) {
                    CAudioStream in[2], out[2];
                    for (int ch = 0; ch < 2; ++ch) {
                        const int offset = block * kBlock * c.step + (c.step == 2 ? ch : 0);
                        in[ch] = CAudioStream(buffers[f][c.inputs[ch]].data() + offset, kBlock * c.step, c.step);
                        out[ch] = CAudioStream(buffers[f][c.outputs[ch]].data() + offset, kBlock * c.step, c.step);
                    }
                    CAudioStreams inputs(2, in), outputs(2, out);
                    filters[f]->Process(CProcessContext{&inputs, &outputs, kBlock, nullptr, nullptr});
                }
            }
            for (int b = 0; b < 4; ++b)
                EXPECT_TRUE(SameBits(buffers[0][b], buffers[1][b])) << "buffer " << b;
        }
    }
}

TEST(ProductEntryTest, IdentifiesTheProductAndCreatesItsObjects)
{
    const Veltis::DataModel::Objects::IConstProductInfo* info = GetProductInfo();
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(GetProductInfo(), info);
    EXPECT_STREQ(info->GetName(), "Corvane's Stereo Tessaline");
    EXPECT_STREQ(info->GetVersion(), "3.52");
    EXPECT_FALSE(HasMonoVariant());
    EXPECT_EQ(GetProductId(), 0x33343264u);
    EXPECT_EQ(GetDefaultOutputRefreshRate(), 50.0);

    std::unique_ptr<IFilter> processor(CreateProcessor());
    EXPECT_EQ(processor->GetProcessInfo().GetInputsInfo().GetCount(), 2);
    EXPECT_EQ(processor->GetProcessInfo().GetOutputsInfo().GetCount(), 2);
    EXPECT_EQ(processor->GetInputParamsInfo().GetCount(), 65);
}

TEST(ProductEntryTest, TheEditorStandInOpensNothingAndReportsItsSizeChanges)
{
    std::unique_ptr<Veltis::Audio::Plugin::IPluginGUI> gui(CreatePluginGUI());
    EXPECT_EQ(gui->GetSize(), Veltis::Core::C2DSize(0, 0));
    EXPECT_EQ(gui->GetNativeView(), nullptr);
    EXPECT_FALSE(gui->Open(nullptr));
    int parent = 0;
    EXPECT_TRUE(gui->Open(&parent));
    EXPECT_EQ(gui->GetNativeView(), nullptr);
    gui->SetVisible(true);
    gui->Close();
    gui->SetConnections(nullptr);
    VeltisTest::CCountingCommand listener;
    gui->GetSizeChangedEvents().AddListener(listener);
    dynamic_cast<Veltis::Core::CEventProvider&>(gui->GetSizeChangedEvents()).Notify();
    EXPECT_EQ(listener.GetCount(), 1);
    gui->GetSizeChangedEvents().RemoveListener(&listener);
}
