#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Veltis/CoreUtilities/TCollection.h"
#include "Veltis/DataModel/Objects/CParamInfo.h"
#include "Veltis/DataModel/Objects/CParamValueToText.h"
#include "VeltisExt/AAXPlugin/CAAXPluginDisplayDelegate.h"
#include "VeltisExt/AAXPlugin/CAAXPluginParameter.h"
#include "VeltisExt/AAXPlugin/CAAXPluginParamsAdapter.h"
#include "aax/AAX_IAutomationDelegate.h"
#include "support/CCountingCommand.h"
#include "support/DecimalCommaLocale.h"

using Veltis::DataModel::Objects::CParamInfo;
using Veltis::DataModel::Objects::CParamValueToText;
using Veltis::DataModel::Objects::IConstParamInfo;
using VeltisExt::AAXPlugin::CAAXPluginParameter;
using VeltisExt::AAXPlugin::CAAXPluginParamsAdapter;

namespace {

typedef Veltis::CoreUtilities::TCollection<CParamInfo, IConstParamInfo> CInfos;

// Records the module's requests as the host's delegate would receive them.
struct CRecordingDelegate : AAX_IAutomationDelegate {
    int32_t RegisterParameter(const char*) override { return 0; }
    int32_t UnregisterParameter(const char*) override { return 0; }
    int32_t PostSetValueRequest(const char*, double value) const override
    {
        m_Requests.push_back("set " + std::to_string(value));
        return 0;
    }
    int32_t PostCurrentValue(const char*, double) const override
    {
        m_Requests.push_back("current");
        return 0;
    }
    int32_t PostTouchRequest(const char*) override
    {
        m_Requests.push_back("touch");
        return 0;
    }
    int32_t PostReleaseRequest(const char*) override
    {
        m_Requests.push_back("release");
        return 0;
    }
    int32_t Reserved1(void*, void*) override { return 0; }

    mutable std::vector<std::string> m_Requests;
};

// Adapters over a few descriptors, bound to host parameters like an initialised instance's.
struct PluginParameterTest : ::testing::Test {
    static const CParamInfo* Descriptors()
    {
        static const CParamInfo kInfos[] = {
            CParamInfo(0, "Switch", "", "", nullptr, 0.0f, 1.0f, 0.0f),
            CParamInfo(1, "Mode", "", "", nullptr, 0.0f, 2.0f, 1.0f),
            CParamInfo(2, "Freq", "Hz", "", new CParamValueToText("%.1f", false, "{value}"), 20.0f, 20000.0f, 1000.0f),
            CParamInfo(3, "Reset", "", "", nullptr, 0.0f, 1.0f, 0.0f)};
        return kInfos;
    }
    PluginParameterTest() : m_Infos(4, Descriptors())
    {
        m_Adapters.SetParams(m_Infos, 5);
        for (int i = 0; i < 4; ++i)
            m_Parameters.emplace_back(new CAAXPluginParameter(m_Adapters.GetAdapter(i), i == 3 ? "OUT:" : ""));
    }
    CAAXPluginParameter& Freq() { return *m_Parameters[2]; }

    CInfos m_Infos;
    CAAXPluginParamsAdapter m_Adapters;
    std::vector<std::unique_ptr<CAAXPluginParameter>> m_Parameters;
    CRecordingDelegate m_Delegate;
};

} // namespace

TEST_F(PluginParameterTest, HostParametersTakeIdentityStepsAndTypeFromTheDescriptor)
{
    struct Case { const char* id; const char* name; int32_t steps; int32_t type; };
    const Case kCases[] = {{"P5", "Switch", 2, 0}, {"P6", "Mode", 3, 0}, {"P7", "Freq", 1024, 1}, {"P8", "OUT:Reset", 2, 0}};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_STREQ(m_Parameters[i]->GetIdentifier(), kCases[i].id);
        EXPECT_STREQ(m_Parameters[i]->GetName().Get(), kCases[i].name);
        EXPECT_EQ(m_Parameters[i]->GetNumberOfSteps(), kCases[i].steps);
        EXPECT_EQ(m_Parameters[i]->GetType(), kCases[i].type);
        EXPECT_EQ(m_Parameters[i]->GetValue(), m_Infos.GetAt(i).GetDefault());
        EXPECT_EQ(m_Adapters.GetAdapter(i).GetValue(), m_Infos.GetAt(i).GetDefault());
    }
}

TEST_F(PluginParameterTest, LinearTaperConstrainsBothWays)
{
    const AAX_ITaperDelegate<float>& taper = Freq().GetTaperDelegate();
    EXPECT_EQ(taper.RealToNormalized(20.0f), 0.0);
    EXPECT_EQ(taper.NormalizedToReal(1.0), 20000.0f);
    EXPECT_EQ(taper.NormalizedToReal(1.2), 20000.0f);
    EXPECT_EQ(taper.NormalizedToReal(-1e300), 20.0f);
    EXPECT_EQ(taper.RealToNormalized(5.0f), 0.0);
}

TEST_F(PluginParameterTest, StepValuesRoundToTheNearestStep)
{
    CAAXPluginParameter& mode = *m_Parameters[1];
    struct Case { double normalized; int32_t step; };
    for (const Case& c : {Case{0.74, 1}, Case{0.76, 2}, Case{0.0, 0}, Case{1.0, 2}}) {
        mode.SetNormalizedValue(c.normalized);
        EXPECT_EQ(mode.GetStepValue(), c.step) << c.normalized;
    }
    mode.SetStepValue(1);
    EXPECT_EQ(mode.GetValue(), 1.0f);
}

TEST_F(PluginParameterTest, ShortenedNamesFitTheLength)
{
    Freq().SetName(AAX_CString("Frequency 1"));
    Freq().AddShortenedName(AAX_CString("Freq"));
    Freq().AddShortenedName(AAX_CString("Freq 1 L"));
    struct Case { int32_t length; const char* name; };
    for (const Case& c : {Case{6, "Freq"}, Case{3, "Freq"}, Case{8, "Freq 1 L"}, Case{11, "Frequency 1"}, Case{40, "Frequency 1"}})
        EXPECT_STREQ(Freq().GetShortenedName(c.length).Get(), c.name) << c.length;
}

TEST_F(PluginParameterTest, TextIsReadInTheCLocaleAndRangeChecked)
{
    VeltisTest::CDecimalCommaLocale comma;
    double normalized = -1.0;
    EXPECT_TRUE(Freq().GetNormalizedValueFromString(AAX_CString("10010.5 Hz"), &normalized));
    EXPECT_NEAR(normalized, (10010.5 - 20.0) / 19980.0, 1e-9);
    EXPECT_FALSE(Freq().GetNormalizedValueFromString(AAX_CString("abc"), &normalized));
    EXPECT_FALSE(Freq().GetNormalizedValueFromString(AAX_CString("nan"), &normalized));
    // Above the range: the text converts, the normalised value is refused.
    float value = 0.0f;
    CAAXPluginParameter& freq = Freq();
    EXPECT_FALSE(freq.GetNormalizedValueFromString(AAX_CString("30000"), &normalized));
    EXPECT_TRUE(VeltisExt::AAXPlugin::CAAXPluginDisplayDelegate(nullptr).TextToValue(AAX_CString("30000"), &value));
    EXPECT_EQ(value, 30000.0f);
    AAX_CString text;
    EXPECT_TRUE(freq.GetStringFromNormalizedValue(0.5, 5, text));
    EXPECT_STREQ(text.Get(), "10010");
}

TEST_F(PluginParameterTest, GesturesTouchTheHostOnce)
{
    Freq().SetAutomationDelegate(&m_Delegate);
    VeltisExt::AAXPlugin::CAAXPluginParamAdapter& adapter = m_Adapters.GetAdapter(2);
    adapter.BeginCapture();
    adapter.BeginCapture();
    adapter.EndCapture();
    adapter.EndCapture();
    EXPECT_EQ(m_Delegate.m_Requests, (std::vector<std::string>{"touch", "release"}));
}

TEST_F(PluginParameterTest, ValueChangesBecomeRequestsAndEchoesChangeNothing)
{
    Freq().SetAutomationDelegate(&m_Delegate);
    VeltisExt::AAXPlugin::CAAXPluginParamAdapter& adapter = m_Adapters.GetAdapter(2);
    VeltisTest::CCountingCommand changed;
    adapter.GetValueChangedEvent().AddListener(&changed);
    adapter.SetValue(1000.0f);
    EXPECT_TRUE(m_Delegate.m_Requests.empty());
    EXPECT_EQ(changed.GetCount(), 0);

    adapter.SetValue(5000.0f);
    ASSERT_EQ(m_Delegate.m_Requests.size(), 3u);
    EXPECT_EQ(m_Delegate.m_Requests[0], "touch");
    EXPECT_EQ(m_Delegate.m_Requests[2], "release");
    EXPECT_EQ(changed.GetCount(), 1);

    // The host's answer echoes the cached value; a difference below 32-bit resolution is an echo too.
    const double normalized = Freq().GetTaperDelegate().RealToNormalized(5000.0f);
    Freq().UpdateNormalizedValue(normalized + 1e-11);
    EXPECT_EQ(adapter.GetValue(), 5000.0f);
    EXPECT_EQ(changed.GetCount(), 1);
    Freq().UpdateNormalizedValue(0.5);
    EXPECT_EQ(adapter.GetValue(), 10010.0f);
    EXPECT_EQ(changed.GetCount(), 2);
    adapter.GetValueChangedEvent().RemoveListener(&changed);
    Freq().SetAutomationDelegate(nullptr);
}

TEST_F(PluginParameterTest, OutputValuesFollowWithoutRequests)
{
    m_Parameters[3]->SetAutomationDelegate(&m_Delegate);
    m_Delegate.m_Requests.clear();
    m_Adapters.GetAdapter(3).UpdateOutputValue(1.0f);
    EXPECT_EQ(m_Parameters[3]->GetValue(), 1.0f);
    EXPECT_TRUE(m_Delegate.m_Requests.empty());
    m_Parameters[3]->SetAutomationDelegate(nullptr);
}

TEST_F(PluginParameterTest, EitherSideMayGoFirst)
{
    VeltisExt::AAXPlugin::CAAXPluginParamAdapter& adapter = m_Adapters.GetAdapter(1);
    m_Parameters[1].reset();
    EXPECT_EQ(adapter.GetHostParameter(), nullptr);
    adapter.SetValue(2.0f);
    adapter.UpdateOutputValue(2.0f);
    adapter.BeginCapture();
    adapter.EndCapture();
    EXPECT_EQ(adapter.GetValue(), 1.0f);

    // Adapters rebuilt while host parameters still exist: the parameters forget them.
    m_Adapters.SetParams(m_Infos, 0);
    m_Parameters[2]->UpdateNormalizedValue(0.25);
    m_Parameters[2]->UpdateValueSilently(0.5);
}
