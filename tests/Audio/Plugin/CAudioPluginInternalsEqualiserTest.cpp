#include "Veltis/Audio/DSP/IFilter.h"
#include "Veltis/Audio/Plugin/CAudioPluginInternalsBase.h"
#include "Veltis/Audio/Plugin/IPreset.h"
#include "Veltis/Audio/Plugin/ProductEntry.h"
#include "Veltis/DataModel/Objects/IConstProductInfo.h"
#include "Veltis/Serialization/CXmlTextGuard.h"

#include "Veltis/Audio/DSP/CAudioStream.h"
#include "Veltis/Audio/DSP/CAudioStreams.h"
#include "Veltis/Audio/DSP/CProcessContext.h"

#include "support/CAllocationCounter.h"
#include "support/MonoFilterBlocks.h"
#include "support/PluginCoreSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace Veltis::Audio::Plugin;

namespace {

// The product's own processor, editor and identity in a connected core.
class EqualiserCoreTest : public VeltisTest::CPluginCoreTest {
protected:
    EqualiserCoreTest() { m_Hosted.Connect(); }

    VeltisTest::CHostedCore m_Hosted{m_Settings, CreateProcessor(), CreatePluginGUI(), GetProductInfo(),
                                     GetDefaultOutputRefreshRate()};
    std::unique_ptr<CAudioPluginInternalsBase>& m_Core = m_Hosted.m_Core;
    VeltisTest::CHostInputParams& m_Inputs = m_Hosted.m_Inputs;
};

TEST_F(EqualiserCoreTest, StereoEqualiserGivesBypassAndItsOwnParametersAndOutputs)
{
    const auto& inputs = m_Core->GetInputParamsInfo();
    ASSERT_EQ(inputs.GetCount(), 66);
    EXPECT_STREQ(inputs.GetAt(0).GetName(), "Bypass");
    EXPECT_STREQ(inputs.GetAt(1).GetName(), m_Core->GetProcessor()->GetInputParamsInfo().GetAt(0).GetName());
    EXPECT_EQ(m_Core->GetOutputParamsInfo().GetCount(), 6);
    EXPECT_EQ(m_Core->GetMIDIController().GetInputCCSettings().GetCount(), 66);
    EXPECT_EQ(m_Core->GetMIDIController().GetOutputCCSettings().GetCount(), 6);
    EXPECT_EQ(m_Core->GetMIDIController().GetAutomationSettings().GetCount(), 6);
    EXPECT_EQ(m_Core->GetOutputCurves().GetCount(), 18);
    EXPECT_STREQ(m_Core->GetProductInfo().GetName(), GetProductInfo()->GetName());
    int ins = 0;
    int outs = 0;
    GetChannelCounts(m_Core->GetProcessor()->GetProcessInfo(), ins, outs);
    EXPECT_EQ(ins, 2);
    EXPECT_EQ(outs, 2);
}

TEST_F(EqualiserCoreTest, LegacyFlatSetsEveryParameterToItsDefault)
{
    for (int i = 0; i < m_Inputs.GetCount(); ++i)
        m_Inputs.Param(i).SetValue(m_Inputs.Param(i).GetInfo().GetMax());
    ASSERT_EQ(m_Core->GetPresets().GetCount(), 1);
    IPreset& flat = m_Core->GetPresets().GetAt(0);
    EXPECT_STREQ(flat.GetName(), "Flat");
    flat.Load();
    EXPECT_STREQ(m_Core->GetProgramName(), "Flat");
    EXPECT_EQ(m_Inputs.Param(0).GetValue(), 0.0f);
    for (int i = 1; i < m_Inputs.GetCount(); ++i) {
        SCOPED_TRACE(m_Inputs.Param(i).GetInfo().GetName());
        EXPECT_EQ(m_Inputs.Param(i).GetValue(), m_Inputs.Param(i).GetInfo().GetDefault());
    }
}

TEST_F(EqualiserCoreTest, StateRoundTripsThroughTextByteForByte)
{
    m_Inputs.Param(3).SetValue(m_Inputs.Param(3).GetInfo().GetMin());
    m_Inputs.Param(40).SetValue(m_Inputs.Param(40).GetInfo().GetMax());
    m_Core->SetProgramName("Session");
    m_Core->GetMIDIOutputDefault().SetValue(false);
    const std::string text = SaveText(*m_Core);

    VeltisTest::CHostedCore fresh(m_Settings, CreateProcessor(), CreatePluginGUI(), GetProductInfo(),
                                  GetDefaultOutputRefreshRate());
    fresh.Connect();
    LoadStateText(*fresh, text);
    EXPECT_EQ(fresh.m_Inputs.Param(3).GetValue(), m_Inputs.Param(3).GetValue());
    EXPECT_EQ(fresh.m_Inputs.Param(40).GetValue(), m_Inputs.Param(40).GetValue());
    EXPECT_EQ(SaveText(*fresh), text);
}

// A small state or preset whose text is not UTF-8 is refused as a large one is: accepted, its name
// would go into the next saved state, which the MIDI list makes large, and that state would not load.
TEST_F(EqualiserCoreTest, StatesWithBytesThatAreNotUtf8AreRefusedWhateverTheirSize)
{
    const std::string kAfterName = "</progName><MIDIInputDefault>0</MIDIInputDefault></Preset>";
    struct Case { const char* label; std::string text; };
    const Case kCases[] = {
        {"the reported case", "<Preset><progName>\x80" + kAfterName},
        {"with a declaration", "<?xml version=\"1.0\" encoding=\"utf-8\" ?><Preset><progName>\x80" + kAfterName},
        {"a cut sequence", "<Preset><progName>ab\xC3" + kAfterName},
        {"an overlong form", "<Preset><progName>\xC0\xAF" + kAfterName},
        {"in a value", "<Preset><progName>x</progName><bypass>\xFF</bypass></Preset>"},
        {"in an attribute", "<Preset a=\"\xFE\"><progName>x" + kAfterName},
        {"in a comment", "<Preset><!-- \x80 --><progName>x" + kAfterName},
    };
    m_Core->SetProgramName("Session");
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.label);
        Veltis::Serialization::CXmlDataObject document("Preset");
        EXPECT_FALSE(VeltisTest::LoadText(document, c.text));
        EXPECT_STREQ(m_Core->GetProgramName(), "Session");
    }
}

// Load, save and load again over the product's core: a name that reached the core without passing a
// reader is repaired when written, so the large state it goes into loads and saves the same again.
TEST_F(EqualiserCoreTest, EverySavedStateLoadsAgain)
{
    m_Core->SetProgramName("Caf\xC3\xA9 \x80 \xE2\x82");
    m_Core->GetMIDIInputDefault().SetValue(false);
    m_Core->GetMIDIController().GetInputCCSettings().GetAt(3).SetChannel(5);
    const std::string text = SaveText(*m_Core);
    ASSERT_GT(std::count(text.begin(), text.end(), '<'), 2 * Veltis::Serialization::CXmlTextGuard::kMaxDepth);

    VeltisTest::CHostedCore fresh(m_Settings, CreateProcessor(), CreatePluginGUI(), GetProductInfo(),
                                  GetDefaultOutputRefreshRate());
    fresh.Connect();
    LoadStateText(*fresh, text);
    // Each byte outside a well-formed sequence is replaced.
    EXPECT_STREQ(fresh->GetProgramName(), "Caf\xC3\xA9 \xEF\xBF\xBD \xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(fresh->GetMIDIController().GetInputCCSettings().GetAt(3).GetChannel(), 5);
    EXPECT_EQ(SaveText(*fresh), text);
}

TEST_F(EqualiserCoreTest, MasterBypassBlocksAllocateNothingOnceTheRateIsSet)
{
    using namespace Veltis::Audio::DSP;
    bool apply = true;
    m_Core->SetSampleRate(48000.0, apply);
    const int count = CAudioPluginInternalsBase::kBlockReserve;
    std::vector<float> left = VeltisTest::Noise(count, 0.5f, 1), right = VeltisTest::Noise(count, 0.5f, 2);
    std::vector<float> outLeft(count), outRight(count);
    CAudioStream inStreams[2] = {CAudioStream(left.data(), count), CAudioStream(right.data(), count)};
    CAudioStream outStreams[2] = {CAudioStream(outLeft.data(), count), CAudioStream(outRight.data(), count)};
    CAudioStreams inputs(2, inStreams), outputs(2, outStreams);
    const CProcessContext context{&inputs, &outputs, count, nullptr, nullptr};
    CFilterBypassManagerBase& bypass = m_Core->GetBypassManager();
    IFilter& processor = *m_Core->GetProcessor();

    long blockAllocations = -1;
    long quietPublishAllocations = -1;
    {
        VeltisTest::CAllocationCounter counter;
        // Into bypass (a fade, then steady), silence, and back out.
        bypass.SetBypass(true);
        bypass.Process(processor, context);
        bypass.Process(processor, context);
        bypass.ProcessSilence(processor, context);
        bypass.SetBypass(false);
        bypass.Process(processor, context);
        m_Core->OnBlockProcessed(count);
        blockAllocations = counter.GetCount();
    }
    // Publication copies what changed; a second pass without changes copies nothing.
    m_Core->PublishOutputs();
    {
        VeltisTest::CAllocationCounter counter;
        m_Core->PublishOutputs();
        quietPublishAllocations = counter.GetCount();
    }
    EXPECT_EQ(blockAllocations, 0);
    EXPECT_EQ(quietPublishAllocations, 0);
    EXPECT_FALSE(bypass.IsFading());
    EXPECT_TRUE(bypass.IsActive());
}

} // namespace
