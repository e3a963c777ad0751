#include "Veltis/Audio/DSP/IFilter.h"
#include "Veltis/Audio/Plugin/CAudioPluginInternalsBase.h"
#include "Veltis/Audio/Plugin/IPreset.h"
#include "Veltis/Audio/Plugin/ProductEntry.h"
#include "Veltis/DataModel/Objects/IConstProductInfo.h"

#include "support/PluginCoreSupport.h"

#include <gtest/gtest.h>

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

} // namespace
