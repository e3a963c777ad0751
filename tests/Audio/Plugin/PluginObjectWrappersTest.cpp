#include "Veltis/Audio/Plugin/CConstMIDICCMessageTimerProxy.h"
#include "Veltis/Audio/Plugin/CMIDICCMessage.h"
#include "Veltis/Audio/Plugin/CMIDICCSetting.h"
#include "Veltis/Audio/Plugin/PluginObjectWrappers.h"
#include "Veltis/Audio/Plugin/TConstMTCaptureObjectFactories.h"
#include "Veltis/DataModel/Objects/CCurveInfo.h"
#include "Veltis/DataModel/Objects/CCaptureParam.h"
#include "Veltis/DataModel/Objects/CParamValueToText.h"
#include "Veltis/DataModel/Objects/CStringInfo.h"

#include "support/CCountingCommand.h"
#include "support/CManualTimerProvider.h"
#include "support/CountedFunctions.h"
#include "support/OutputSources.h"
#include "support/ValueToTextSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace Veltis;
using Audio::Plugin::CMIDICCSetting;
using Audio::Plugin::IConstParamWrapper;
using Audio::Plugin::IParamWrapper;
using DataModel::Objects::CCaptureParam;
using DataModel::Objects::CCaptureParamTimerProxy;
using DataModel::Objects::CParamInfo;
using VeltisTest::CCountingCommand;
using VeltisTest::CManualTimerProvider;
using VeltisTest::TextOf;

namespace {

// One mapping's five publications, each behind a writable parameter timer proxy, as the skin-model
// builder chains them.
struct CMappingChain {
    explicit CMappingChain(CMIDICCSetting& setting, const DataModel::Objects::IConstParamInfo& param,
                           CManualTimerProvider& timer)
    {
        Add(Audio::Plugin::CreateMIDICCChannelWrapper(setting, param), timer);
        Add(Audio::Plugin::CreateMIDICCNumberWrapper(setting, param), timer);
        Add(Audio::Plugin::CreateMIDICCMinWrapper(setting, param), timer);
        Add(Audio::Plugin::CreateMIDICCMaxWrapper(setting, param), timer);
        Add(Audio::Plugin::CreateMIDICCEnabledWrapper(setting, param), timer);
        for (int i = 0; i < kCount; ++i)
            proxies[i]->GetValueChangedEvent().AddListener(changed[i]);
    }
    void Add(IParamWrapper* wrapper, CManualTimerProvider& timer)
    {
        wrappers[added].reset(wrapper);
        proxies[added].reset(new CCaptureParamTimerProxy(wrapper, &timer));
        ++added;
    }
    int Changes(int i) const { return changed[i].GetCount(); }

    enum { kChannel, kNumber, kMin, kMax, kEnabled, kCount };
    int added = 0;
    // Proxies go before their wrappers.
    std::unique_ptr<IParamWrapper> wrappers[kCount];
    std::unique_ptr<CCaptureParamTimerProxy> proxies[kCount];
    CCountingCommand changed[kCount];
};

CParamInfo GainInfo()
{
    return CParamInfo(2, "Gain", "dB", "", new DataModel::Objects::CParamValueToText("%.1f", false, "{value}"),
                      -24.0f, 24.0f, 0.0f);
}

TEST(PluginObjectWrappersTest, MappingDescriptorsAreNamedAfterTheParameter)
{
    CMIDICCSetting setting;
    const CParamInfo gain = GainInfo();
    struct Case {
        std::function<IParamWrapper*()> create;
        const char* name;
        int type;
        float min, max, defaultValue;
        const char* unit;
        const char* text1;
    };
    const Case kCases[] = {
        {[&] { return Audio::Plugin::CreateMIDICCChannelWrapper(setting, gain); }, "Gain Channel", 1, 0, 16, 0, "", "1"},
        {[&] { return Audio::Plugin::CreateMIDICCNumberWrapper(setting, gain); }, "Gain CC", 1, 0, 127, 65, "", "1"},
        {[&] { return Audio::Plugin::CreateMIDICCMinWrapper(setting, gain); }, "Gain min", 2, -24, 24, 0, "dB", "1.0"},
        {[&] { return Audio::Plugin::CreateMIDICCMaxWrapper(setting, gain); }, "Gain max", 2, -24, 24, 0, "dB", "1.0"},
        {[&] { return Audio::Plugin::CreateMIDICCEnabledWrapper(setting, gain); }, "Gain Enabled", 0, 0, 1, 0, "", "On"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<IParamWrapper> wrapper(c.create());
        const DataModel::Objects::IConstParamInfo& info = wrapper->GetInfo();
        EXPECT_STREQ(info.GetName(), c.name);
        EXPECT_EQ(info.GetType(), c.type);
        EXPECT_EQ(info.GetMin(), c.min);
        EXPECT_EQ(info.GetMax(), c.max);
        EXPECT_EQ(info.GetDefault(), c.defaultValue);
        EXPECT_STREQ(info.GetUnit(), c.unit);
        EXPECT_EQ(TextOf(*info.GetValueToText(), 1.0f), c.text1);
    }
}

TEST(PluginObjectWrappersTest, ChannelWritesTruncateAndTheCurrentValueIsSilent)
{
    CMIDICCSetting setting;
    const CParamInfo gain = GainInfo();
    CManualTimerProvider timer;
    CMappingChain chain(setting, gain, timer);
    CCaptureParamTimerProxy& channel = *chain.proxies[CMappingChain::kChannel];
    channel.SetValue(15.9f);
    EXPECT_EQ(setting.GetChannel(), 15);
    EXPECT_EQ(chain.Changes(CMappingChain::kChannel), 1);
    channel.SetValue(15.0f);
    EXPECT_EQ(chain.Changes(CMappingChain::kChannel), 1);
    channel.SetValue(-0.5f);
    EXPECT_EQ(setting.GetChannel(), 0);
    EXPECT_EQ(channel.GetValue(), 0.0f);
    // The write was announced at once, not again at the tick.
    timer.Tick();
    EXPECT_EQ(chain.Changes(CMappingChain::kChannel), 2);
}

TEST(PluginObjectWrappersTest, ChangesMadeElsewhereArriveOnceAtTheNextTick)
{
    CMIDICCSetting setting;
    const CParamInfo gain = GainInfo();
    CManualTimerProvider timer;
    CMappingChain chain(setting, gain, timer);
    setting.SetChannel(3);
    setting.SetChannel(4);
    setting.SetChannel(5);
    EXPECT_EQ(chain.Changes(CMappingChain::kChannel), 0);
    timer.Tick();
    EXPECT_EQ(chain.Changes(CMappingChain::kChannel), 1);
    EXPECT_EQ(chain.proxies[CMappingChain::kChannel]->GetValue(), 5.0f);
    timer.Tick();
    // One changed event for every field: a new maximum reaches all four value publications.
    setting.SetMax(12.0f);
    timer.Tick();
    for (int i = CMappingChain::kChannel; i <= CMappingChain::kMax; ++i)
        EXPECT_EQ(chain.Changes(i), 2) << i;
    EXPECT_EQ(chain.proxies[CMappingChain::kMax]->GetValue(), 12.0f);
}

TEST(PluginObjectWrappersTest, EnableSwitchReadsZeroOrOne)
{
    CMIDICCSetting setting;
    const CParamInfo gain = GainInfo();
    CManualTimerProvider timer;
    CMappingChain chain(setting, gain, timer);
    CCaptureParamTimerProxy& enabled = *chain.proxies[CMappingChain::kEnabled];
    const bool initially = setting.IsEnabled();
    enabled.SetValue(initially ? 0.0f : 0.3f);
    EXPECT_NE(setting.IsEnabled(), initially);
    EXPECT_EQ(enabled.GetValue(), initially ? 0.0f : 1.0f);
    EXPECT_EQ(chain.Changes(CMappingChain::kEnabled), 1);
    // The other four heard the setting's changed event; the proxies tell at the tick.
    timer.Tick();
    EXPECT_EQ(chain.Changes(CMappingChain::kChannel), 1);
    EXPECT_EQ(chain.Changes(CMappingChain::kEnabled), 1);
}

TEST(PluginObjectWrappersTest, PauseSwitchesAnnounceEveryWrite)
{
    CCaptureParam input;
    CManualTimerProvider timer;
    CCaptureParamTimerProxy proxy(&input, &timer);
    std::unique_ptr<IParamWrapper> paused(Audio::Plugin::CreateProxyPausedWrapper("dsp.input0.paused", proxy));
    EXPECT_STREQ(paused->GetInfo().GetName(), "dsp.input0.paused");
    EXPECT_EQ(paused->GetInfo().GetType(), 0);
    EXPECT_EQ(paused->GetInfo().GetMax(), 1.0f);
    CCountingCommand changed;
    paused->GetValueChangedEvent().AddListener(changed);
    paused->SetValue(0.5f);
    EXPECT_TRUE(proxy.IsPaused());
    EXPECT_EQ(paused->GetValue(), 1.0f);
    paused->SetValue(0.5f);
    EXPECT_EQ(changed.GetCount(), 2);
    paused->SetValue(0.0f);
    EXPECT_FALSE(proxy.IsPaused());
}

TEST(PluginObjectWrappersTest, OutputProxiesOfEveryKindPublishTheirPause)
{
    CCaptureParam output;
    CManualTimerProvider timer;
    DataModel::Objects::CConstCaptureParamTimerProxy proxy(&output, &timer);
    std::unique_ptr<IParamWrapper> paused(Audio::Plugin::CreateProxyPausedWrapper("dsp.output0.paused", proxy));
    paused->SetValue(1.0f);
    EXPECT_TRUE(proxy.IsPaused());
}

TEST(PluginObjectWrappersTest, CurveProxyPauseHoldsBackItsTicks)
{
    DataModel::Objects::CCurveInfo info;
    const VeltisTest::CCountedFunction function(1.0f, 0.0f);
    VeltisTest::TLentVector<DataModel::Objects::IConstCurveInfo> infos({&info});
    VeltisTest::TLentValues<const Math::IFunction&> values({&function});
    Audio::Plugin::TConstMTCaptureObjectFactories<const Math::IFunction&, DataModel::Objects::IConstCurveInfo>
        factories(infos, values, nullptr);
    CManualTimerProvider timer;
    Audio::Plugin::CCurveTimerProxy proxy(factories.GetAt(0), timer);
    std::unique_ptr<IParamWrapper> paused(Audio::Plugin::CreateProxyPausedWrapper("dsp.output_curve0.paused", proxy));
    paused->SetValue(1.0f);
    factories.GetFactory(0).SetValue(VeltisTest::CCountedFunction(3.0f, 0.0f));
    timer.Tick();
    EXPECT_EQ(proxy.GetValue().GetValue(1.0f), 1.0f);
    paused->SetValue(0.0f);
    EXPECT_EQ(paused->GetValue(), 0.0f);
    timer.Tick();
    EXPECT_EQ(proxy.GetValue().GetValue(1.0f), 3.0f);
}

TEST(PluginObjectWrappersTest, LastMessageFollowsItsProxyAtTheTick)
{
    Audio::Plugin::CMIDICCMessage message;
    CManualTimerProvider timer;
    Audio::Plugin::CConstMIDICCMessageTimerProxy proxy(message, timer);
    std::unique_ptr<IConstParamWrapper> channel(Audio::Plugin::CreateLastMessageChannelWrapper(proxy));
    std::unique_ptr<IConstParamWrapper> cc(Audio::Plugin::CreateLastMessageCCWrapper(proxy));
    EXPECT_STREQ(channel->GetInfo().GetName(), "Channel");
    EXPECT_EQ(channel->GetInfo().GetMin(), 1.0f);
    EXPECT_EQ(channel->GetInfo().GetMax(), 16.0f);
    EXPECT_EQ(channel->GetInfo().GetDefault(), 1.0f);
    EXPECT_STREQ(cc->GetInfo().GetName(), "CC");
    EXPECT_EQ(cc->GetInfo().GetMax(), 127.0f);
    // Before any message the channel reads 0, as stored.
    EXPECT_EQ(channel->GetValue(), 0.0f);
    CCountingCommand changed;
    cc->GetValueChangedEvent().AddListener(changed);
    message.SetChannel(2);
    message.SetCC(74);
    EXPECT_EQ(changed.GetCount(), 0);
    timer.Tick();
    EXPECT_EQ(changed.GetCount(), 1);
    EXPECT_EQ(channel->GetValue(), 2.0f);
    EXPECT_EQ(cc->GetValue(), 74.0f);
}

} // namespace
