#include <gtest/gtest.h>

#include <math.h>

#include <vector>

#include "Veltis/Audio/Plugin/CMIDIController.h"
#include "Veltis/Audio/Plugin/IPreset.h"
#include "Veltis/DataModel/Objects/EParamValueCurve.h"
#include "support/AAXFixtureModule.h"
#include "support/CAllocationCounter.h"
#include "support/MonoFilterBlocks.h"
#include "support/StereoTessalineInProcess.h"
#include "support/StereoTessalineModule.h"

using namespace VeltisTest;
using Veltis::Audio::Plugin::IMIDICCSetting;
using Veltis::DataModel::Objects::eParamValueCurveLinear;

namespace {

int32_t IndexNamed(AAX_IACFEffectParameters* effect, const char* name)
{
    int32_t index = -1;
    effect->GetParameterIndex(StereoTessalineTest::IdNamed(effect, name).c_str(), &index);
    return index;
}

void Map(IMIDICCSetting& setting, int channel, int number, float min, float max)
{
    setting.Enable(true);
    setting.SetChannel(channel);
    setting.SetNumber(number);
    setting.SetMin(min);
    setting.SetMax(max);
    setting.SetCurve(eParamValueCurveLinear);
}

struct CBlocks {
    explicit CBlocks(int frames, float amplitude) : m_Block(frames, 0.0f)
    {
        const std::vector<float> tone = Sine(1000.0, 44100.0, static_cast<size_t>(frames), amplitude);
        m_Block.m_In[0] = tone;
        m_Block.m_In[1] = tone;
    }
    CStereoBlock m_Block;
};

VeltisExt::AAXPlugin::CAAXPluginParameters& ParametersOf(Veltis::Platform::AAXHost::CHostInstance& instance)
{
    return *static_cast<VeltisExt::AAXPlugin::CAAXPluginParameters*>(static_cast<AAX_CEffectParameters*>(
        static_cast<AAX_IEffectParameters*>(static_cast<AAX_IACFEffectParameters_V2*>(instance.GetEffect()))));
}

// A +6 dB bell at 1 kHz on both channels.
void SetBell(Veltis::Platform::AAXHost::CHostInstance& instance)
{
    for (const char* side : {" (L)", " (R)"}) {
        StereoTessalineTest::SetByText(instance, (std::string("Band 3 Active") + side).c_str(), "1");
        StereoTessalineTest::SetByText(instance, (std::string("Freq 3") + side).c_str(), "1000");
        StereoTessalineTest::SetByText(instance, (std::string("Gain 3") + side).c_str(), "6");
    }
}

void LoadPreset(Veltis::Audio::Plugin::CAudioPluginInternals& internals, const char* name)
{
    Veltis::Containers::IVector<Veltis::Audio::Plugin::IPreset>& presets = internals.GetPresets();
    for (int i = 0; i < presets.GetCount(); ++i)
        if (std::string(presets.GetAt(i).GetName()) == name) {
            presets.GetAt(i).Load();
            return;
        }
    ADD_FAILURE() << "no preset " << name;
}

} // namespace

TEST_F(StereoTessalineInProcessTest, ControlChangeInputMovesEveryMatchingParameter)
{
    AAX_IACFEffectParameters* effect = m_Instance->GetEffect();
    const int gain1 = IndexNamed(effect, "Gain 1 (L)");
    const int gain2 = IndexNamed(effect, "Gain 2 (L)");
    const int gain3 = IndexNamed(effect, "Gain 3 (L)");
    auto& settings = Internals().GetMIDIController().GetInputCCSettings();
    Map(settings.GetAt(gain1), 0, 20, -40.0f, 40.0f);
    Map(settings.GetAt(gain2), 5, 20, -40.0f, 40.0f);
    Map(settings.GetAt(gain3), 3, 20, -10.0f, 10.0f);

    CStereoBlock block(64, 0.0f);
    ASSERT_TRUE(m_Instance->SetMIDIInput({MIDIPacket(0xB2, 20, 127), MIDIPacket(0x92, 20, 100), MIDIPacket(0xE2, 0, 64),
                                          MIDIPacket(0xB2, 21, 5)}));
    m_Instance->Render(block.m_Block);
    EXPECT_FLOAT_EQ(Input(gain1).GetValue(), 40.0f);
    EXPECT_FLOAT_EQ(Input(gain2).GetValue(), 0.0f);
    EXPECT_FLOAT_EQ(Input(gain3).GetValue(), 10.0f);
    const auto& last = Internals().GetMIDIController().GetLastMessage();
    EXPECT_EQ(last.GetChannel(), 3);
    EXPECT_EQ(last.GetCC(), 21);
    EXPECT_EQ(last.GetValue(), 5);

    ASSERT_TRUE(m_Instance->SetMIDIInput({MIDIPacket(0xB2, 20, 64)}));
    m_Instance->Render(block.m_Block);
    EXPECT_NEAR(Input(gain1).GetValue(), -40.0f + 80.0f * 0.503937f, 1e-4);

    // Packets that are not Control Changes change nothing, not even the last message.
    ASSERT_TRUE(m_Instance->SetMIDIInput({MIDIPacket(0x92, 20, 100), MIDIPacket(0xC2, 20, 0)}));
    m_Instance->Render(block.m_Block);
    EXPECT_EQ(last.GetCC(), 20);
    EXPECT_NEAR(Input(gain1).GetValue(), -40.0f + 80.0f * 0.503937f, 1e-4);

    // The host parameter follows once the host answers the value request.
    m_Instance->AnswerAutomationRequests();
    double normalized = 0.0;
    effect->GetParameterNormalizedValue(StereoTessalineTest::IdNamed(effect, "Gain 3 (L)").c_str(), &normalized);
    EXPECT_NEAR(normalized, (-10.0 + 20.0 * 0.503937 + 40.0) / 80.0, 1e-5);
}

TEST_F(StereoTessalineInProcessTest, OutputSettingsSendControlChangesOnlyForValidChannelsAndNumbers)
{
    struct Case { int channel; int number; bool sends; };
    const Case kCases[] = {{2, 30, true}, {16, 127, true}, {0, 30, false}, {17, 30, false}, {2, 128, false}};
    auto& outputs = Internals().GetMIDIController().GetOutputCCSettings();
    CBlocks loud(441, 0.5f);
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.channel * 1000 + c.number);
        Map(outputs.GetAt(1), c.channel, c.number, -60.0f, 0.0f);
        m_Instance->TakeMIDIOutput();
        for (int i = 0; i < 10; ++i)
            m_Instance->Render(loud.m_Block.m_Block);
        const std::vector<AAXMIDIPacket> sent = m_Instance->TakeMIDIOutput();
        EXPECT_EQ(!sent.empty(), c.sends);
        for (const AAXMIDIPacket& packet : sent) {
            EXPECT_EQ(packet.m_Length, 3u);
            EXPECT_EQ(packet.m_Message[0], 0xB0 + c.channel - 1);
            EXPECT_EQ(packet.m_Message[1], c.number);
            EXPECT_LE(packet.m_Message[2], 127);
        }
        if (!sent.empty()) {
            EXPECT_GT(sent.back().m_Message[2], 100); // a peak near -6 dB of a -60..0 range
        }
    }
}

TEST_F(StereoTessalineInProcessTest, AutomatedOutputsRequestValuesOthersFollowSilently)
{
    AAX_IACFEffectParameters* effect = m_Instance->GetEffect();
    Internals().GetMIDIController().GetAutomationSettings().GetAt(1).Enable(true);
    CBlocks loud(441, 0.5f);
    for (int i = 0; i < 10; ++i)
        m_Instance->Render(loud.m_Block.m_Block);
    const std::vector<Veltis::Platform::AAXHost::SAutomationRequest> requests = m_Instance->AnswerAutomationRequests();
    const std::string peakLeft = StereoTessalineTest::IdNamed(effect, "OUT:Peak (L)");
    const std::string peakRight = StereoTessalineTest::IdNamed(effect, "OUT:Peak (R)");
    int setLeft = 0, setRight = 0;
    for (const auto& request : requests) {
        if (request.m_Kind != Veltis::Platform::AAXHost::SAutomationRequest::kSetValue)
            continue;
        setLeft += peakLeft == request.m_ParameterId;
        setRight += peakRight == request.m_ParameterId;
    }
    EXPECT_GT(setLeft, 0);
    EXPECT_EQ(setRight, 0);
    // Both host parameters show the peak (about -6 dB of -60..0).
    EXPECT_NEAR(StereoTessalineTest::Normalized(effect, peakLeft.c_str()), 54.0 / 60.0, 0.02);
    EXPECT_NEAR(StereoTessalineTest::Normalized(effect, peakRight.c_str()), 54.0 / 60.0, 0.02);
}

TEST_F(StereoTessalineInProcessTest, EditorGesturesAfterUninitializeReachNothing)
{
    const float before = Input(3).GetValue();
    ASSERT_EQ(m_Instance->GetEffect()->Uninitialize(), 0);
    Input(3).BeginCapture();
    Input(3).SetValue(before + 10.0f);
    Input(3).EndCapture();
    EXPECT_EQ(Input(3).GetValue(), before);
    m_Instance->Teardown();
}

TEST_F(StereoTessalineInProcessTest, AdaptersRefuseNonFiniteValues)
{
    const int gain = IndexNamed(m_Instance->GetEffect(), "Gain 1 (R)");
    for (float bad : {NAN, INFINITY, -INFINITY}) {
        Input(gain).SetValue(bad);
        EXPECT_EQ(Input(gain).GetValue(), 0.0f);
    }
    Input(gain).SetValue(41.0f);
    EXPECT_EQ(Input(gain).GetValue(), 41.0f); // finite values outside the range are kept, as before
}

TEST_F(StereoTessalineInProcessTest, RateChangeHandsTheCurrentValuesToTheResetProcessor)
{
    m_Instance->Automate(StereoTessalineTest::IdNamed(m_Instance->GetEffect(), "Post (L)").c_str(),
                         StereoTessalineTest::FromText(m_Instance->GetEffect(),
                                                       StereoTessalineTest::IdNamed(m_Instance->GetEffect(), "Post (L)").c_str(), "12"));
    CBlocks tone(512, 0.05f);
    for (int i = 0; i < 8; ++i)
        m_Instance->Render(tone.m_Block.m_Block);
    m_Parameters->GetProcessing().SetSampleRate(44100.0);
    for (int i = 0; i < 4; ++i)
        m_Instance->Render(tone.m_Block.m_Block);
    const double gain = 20.0 * log10(RMS(tone.m_Block.m_Out[0], 256) / RMS(tone.m_Block.m_In[0], 256));
    EXPECT_NEAR(gain, 12.0, 0.5);
}

TEST_F(StereoTessalineInProcessTest, RenderingAllocatesOnlyToPublishOutputs)
{
    AAX_IACFEffectParameters* effect = m_Instance->GetEffect();
    const int gain = IndexNamed(effect, "Gain 1 (L)");
    auto& controller = Internals().GetMIDIController();
    Map(controller.GetInputCCSettings().GetAt(gain), 0, 20, -40.0f, 40.0f);
    Map(controller.GetOutputCCSettings().GetAt(1), 1, 30, -60.0f, 0.0f);
    controller.GetAutomationSettings().GetAt(0).Enable(true);
    const std::string bandGain = StereoTessalineTest::IdNamed(effect, "Gain 2 (R)");
    CBlocks tone(64, 0.3f);
    for (int i = 0; i < 50; ++i)
        m_Instance->Render(tone.m_Block.m_Block);

    long quietBlocks = 0, quietAllocations = 0;
    for (int i = 0; i < 400; ++i) {
        if (i % 7 == 0)
            m_Instance->Automate(bandGain.c_str(), (i % 14) ? 0.7 : 0.3);
        if (i % 50 == 0)
            m_Instance->Automate("", (i % 100) ? 1.0 : 0.0);
        if (i % 90 == 0)
            m_Instance->Automate("P2", (i % 180) ? 1.0 : 0.0);
        m_Instance->SetMIDIInput({MIDIPacket(0xB0, 20, static_cast<uint8_t>(i % 128))});
        long count = 0;
        {
            CAllocationCounter counter;
            m_Instance->Render(tone.m_Block.m_Block);
            count = counter.GetCount();
        }
        const size_t sentCount = m_Instance->TakeMIDIOutput().size();
        const bool published = sentCount != 0;
        m_Instance->AnswerAutomationRequests();
        if (!published) {
            ++quietBlocks;
            quietAllocations += count;
        }
    }
    EXPECT_GT(quietBlocks, 300);
    EXPECT_EQ(quietAllocations, 0);
}

// A null test: whatever state an instance is given before its first block holds from sample 0, with
// no fade in of sections, no ramp from the defaults and no crossfade of the master bypass.
TEST_F(StereoTessalineInProcessTest, AFreshInstanceSoundsRightFromItsFirstSample)
{
    typedef Veltis::Platform::AAXHost::CHostInstance CHostInstance;
    typedef Veltis::Audio::Plugin::CAudioPluginInternals CInternals;
    struct Case {
        const char* name;
        void (*setUp)(CHostInstance& instance, CInternals& internals);
        bool dry; // the output is the input; otherwise it is the settled bell's
    };
    const Case kCases[] = {
        {"defaults", [](CHostInstance&, CInternals&) {}, true},
        {"Flat preset", [](CHostInstance&, CInternals& internals) { LoadPreset(internals, "Flat"); }, true},
        {"master bypass over a bell",
         [](CHostInstance& instance, CInternals&) {
             SetBell(instance);
             EXPECT_EQ(instance.Automate("", 1.0), 0);
         },
         true},
        {"bell", [](CHostInstance& instance, CInternals&) { SetBell(instance); }, false},
    };
    const std::vector<float> noise = Noise(9600, 0.25f);
    Veltis::Platform::AAXHost::SInstanceSettings settings;
    settings.m_SampleRate = 48000.0f;
    // The same bell after a second of silence has let every fade and ramp end.
    std::unique_ptr<CHostInstance> settled = m_Host->NewInstance();
    ASSERT_TRUE(settled);
    ASSERT_EQ(settled->Initialize(settings), 0);
    SetBell(*settled);
    StereoTessalineTest::RenderSignal(*settled, std::vector<float>(48000, 0.0f));
    const std::vector<std::vector<float>> settledOut = StereoTessalineTest::RenderSignal(*settled, noise);

    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<CHostInstance> instance = m_Host->NewInstance();
        ASSERT_TRUE(instance);
        ASSERT_EQ(instance->Initialize(settings), 0);
        c.setUp(*instance, ParametersOf(*instance).GetInternals());
        const std::vector<std::vector<float>> out = StereoTessalineTest::RenderSignal(*instance, noise);
        for (int channel = 0; channel < 2; ++channel) {
            const std::vector<float>& expected = c.dry ? noise : settledOut[channel];
            size_t wrong = 0, first = noise.size();
            for (size_t i = 0; i < noise.size(); ++i)
                if (fabsf(out[channel][i] - expected[i]) > 1e-6f) {
                    ++wrong;
                    first = std::min(first, i);
                }
            EXPECT_EQ(wrong, 0u) << "channel " << channel << ", first at sample " << first;
        }
    }
}
