#include "Veltis/Audio/Plugin/CConstMIDICCMessageTimerProxy.h"
#include "Veltis/Audio/Plugin/CMIDICCMessage.h"
#include "Veltis/Audio/Plugin/CMIDICCSetting.h"
#include "Veltis/Audio/Plugin/PluginObjectWrappers.h"
#include "Veltis/Audio/Plugin/TConstMTCaptureObjectFactories.h"
#include "Veltis/DataModel/Objects/CStringInfo.h"
#include "Veltis/System/CCriticalSection.h"

#include "support/BoundedWait.h"
#include "support/CManualTimerProvider.h"
#include "support/OutputSources.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

using namespace Veltis;
using DataModel::Objects::CStringInfo;
using DataModel::Objects::IConstStringInfo;
using VeltisTest::CManualTimerProvider;

namespace {

typedef Audio::Plugin::TConstMTCaptureObjectFactories<const char*, IConstStringInfo> CStringFactories;

constexpr int kRounds = 300;

int PassOf(const char* text)
{
    return text ? std::atoi(text) : -1;
}

} // namespace

// Proxies are made, ticked and destroyed while the audio thread publishes at full speed; the last
// proxy sees the last pass.
TEST(PluginObjectWrappersMT, TimerProxiesComeAndGoWhileOutputsArePublished)
{
    CStringInfo info;
    System::CCriticalSection lock;
    VeltisTest::TLentVector<IConstStringInfo> infos({&info});
    VeltisTest::TLentValues<const char*> values({"0"});
    CStringFactories strings(infos, values, &lock);
    std::atomic<bool> done(false);
    std::atomic<int> published(0);
    std::thread publisher([&] {
        int pass = 0;
        while (!done.load()) {
            strings.GetFactory(0).SetValue(std::to_string(++pass).c_str());
            published.store(pass);
        }
    });
    ASSERT_TRUE(VeltisTest::WaitUntil([&] { return published.load() > 0; }, "the first pass"));
    CManualTimerProvider timer;
    int faults = 0;
    for (int round = 0; round < kRounds; ++round) {
        Audio::Plugin::CStringTimerProxy proxy(strings.GetAt(0), timer);
        std::unique_ptr<Audio::Plugin::IParamWrapper> paused(
            Audio::Plugin::CreateProxyPausedWrapper("dsp.output_string0.paused", proxy));
        int seen = PassOf(proxy.GetValue());
        for (int tick = 0; tick < 3; ++tick) {
            paused->SetValue(tick == 1 ? 1.0f : 0.0f);
            timer.Tick();
            const int pass = PassOf(proxy.GetValue());
            if (pass < seen)
                ++faults;
            seen = pass;
        }
    }
    done = true;
    publisher.join();
    Audio::Plugin::CStringTimerProxy last(strings.GetAt(0), timer);
    EXPECT_EQ(PassOf(last.GetValue()), published.load());
    EXPECT_EQ(faults, 0);
}

// A second thread edits the mapping while the GUI side ticks its proxies; the last edit arrives.
TEST(PluginObjectWrappersMT, MappingEditedOnAnotherThreadWhileProxiesTick)
{
    Audio::Plugin::CMIDICCSetting setting;
    const DataModel::Objects::CParamInfo gain(2, "Gain", "dB", "", nullptr, -24.0f, 24.0f, 0.0f);
    CManualTimerProvider timer;
    std::unique_ptr<Audio::Plugin::IParamWrapper> channel(Audio::Plugin::CreateMIDICCChannelWrapper(setting, gain));
    std::unique_ptr<Audio::Plugin::IParamWrapper> enabled(Audio::Plugin::CreateMIDICCEnabledWrapper(setting, gain));
    DataModel::Objects::CCaptureParamTimerProxy channelProxy(channel.get(), &timer);
    DataModel::Objects::CCaptureParamTimerProxy enabledProxy(enabled.get(), &timer);
    std::atomic<bool> finished(false);
    std::thread editor([&] {
        for (int i = 0; i < 20000; ++i) {
            setting.SetChannel(i % 17);
            setting.Enable(i % 2 == 0);
        }
        setting.SetChannel(9);
        finished = true;
    });
    while (!finished.load()) {
        timer.Tick();
        const float value = channelProxy.GetValue();
        ASSERT_TRUE(value >= 0.0f && value <= 16.0f);
    }
    editor.join();
    timer.Tick();
    EXPECT_EQ(channelProxy.GetValue(), 9.0f);
    EXPECT_EQ(enabledProxy.GetValue(), 0.0f);
}

// Messages stream in on an audio-like thread while last-message proxies and their wrappers come and go.
TEST(PluginObjectWrappersMT, LastMessageProxiesComeAndGoWhileMessagesStream)
{
    Audio::Plugin::CMIDICCMessage message;
    std::atomic<bool> done(false);
    std::atomic<int> sent(0);
    std::thread audio([&] {
        int i = 0;
        while (!done.load()) {
            Audio::Plugin::CMIDICCMessage incoming(1 + i % 16, i % 128, i % 100);
            message.Set(incoming, true);
            sent.store(++i);
        }
        message.Set(Audio::Plugin::CMIDICCMessage(5, 70, 1), true);
    });
    ASSERT_TRUE(VeltisTest::WaitUntil([&] { return sent.load() > 0; }, "the first message"));
    CManualTimerProvider timer;
    for (int round = 0; round < kRounds; ++round) {
        Audio::Plugin::CConstMIDICCMessageTimerProxy proxy(message, timer);
        std::unique_ptr<Audio::Plugin::IConstParamWrapper> channel(Audio::Plugin::CreateLastMessageChannelWrapper(proxy));
        std::unique_ptr<Audio::Plugin::IConstParamWrapper> cc(Audio::Plugin::CreateLastMessageCCWrapper(proxy));
        timer.Tick();
        const float value = channel->GetValue();
        ASSERT_TRUE(value >= 1.0f && value <= 16.0f);
        ASSERT_TRUE(cc->GetValue() >= 0.0f && cc->GetValue() <= 127.0f);
    }
    done = true;
    audio.join();
    Audio::Plugin::CConstMIDICCMessageTimerProxy proxy(message, timer);
    std::unique_ptr<Audio::Plugin::IConstParamWrapper> cc(Audio::Plugin::CreateLastMessageCCWrapper(proxy));
    EXPECT_EQ(cc->GetValue(), 70.0f);
}
