#include "Veltis/Audio/Plugin/CAudioPluginDefaultSettings.h"
#include "Veltis/Audio/Plugin/CAudioPluginInternalsBase.h"

#include "support/BoundedWait.h"
#include "support/CProxyPassReader.h"
#include "support/PluginCoreSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

using namespace Veltis::Audio::Plugin;
using VeltisTest::CTestCore;
using VeltisTest::CTestProcessor;

namespace {

constexpr int kCurves = 3;
constexpr int kPasses = 2000;

typedef VeltisTest::CPluginCoreTest PluginCoreMTTest;

int PassOf(const IPluginGUIConnections::IOutputCurves& curves, int index)
{
    std::unique_ptr<Veltis::Math::IFunction> copy(curves.GetAt(index).CreateValue());
    return copy ? static_cast<int>(copy->GetValue(0.0f)) : -1;
}

// The audio thread publishes passes in which every curve and the string show the pass number; readers
// on two other threads copy them through the connections record and through timer proxies. Once a
// reader has seen pass k, no later copy shows an earlier pass.
TEST_F(PluginCoreMTTest, ReadersCopyPublishedOutputsWhileTheAudioThreadPublishes)
{
    CTestCore core(m_Settings, new CTestProcessor(1, 0, kCurves, 1));
    core.Connect();
    IPluginGUIConnections::IOutputCurves& curves = *core->GetConnections().GetOutputCurves();
    IPluginGUIConnections::IOutputStrings& strings = *core->GetConnections().GetOutputStrings();

    std::atomic<int> started(0);
    std::atomic<bool> done(false);
    int copyFaults = 0, copyRounds = 0;

    std::thread copier([&] {
        ++started;
        int seen = -1;
        while (!done.load() || copyRounds == 0) {
            const int first = PassOf(curves, 0);
            if (first < seen)
                ++copyFaults;
            seen = first;
            for (int i = 1; i < kCurves; ++i)
                if (PassOf(curves, i) < first)
                    ++copyFaults;
            ++copyRounds;
        }
    });

    VeltisTest::CProxyPassReader proxies;
    std::thread ticker([&] { proxies.Run(curves.GetAt(kCurves - 1), strings.GetAt(0), started, done, -1); });

    ASSERT_TRUE(VeltisTest::WaitUntil([&] { return started.load() == 2; }, "both readers to start"));
    std::thread audio([&] {
        std::vector<std::string> texts;
        for (int pass = 0; pass <= kPasses; ++pass)
            texts.push_back(std::to_string(pass));
        for (int pass = 1; pass <= kPasses; ++pass) {
            for (int i = 0; i < kCurves; ++i)
                core.m_Processor->SetCurve(i, static_cast<float>(pass));
            core.m_Processor->m_Strings.Set(0, texts[pass].c_str());
            core->PublishOutputs();
        }
        // The processor's texts go with this thread: the last one is published as a copy.
        core.m_Processor->m_Strings.Set(0, nullptr);
    });
    audio.join();
    done = true;
    copier.join();
    ticker.join();

    EXPECT_EQ(copyFaults, 0);
    EXPECT_EQ(proxies.m_Faults, 0);
    EXPECT_GT(copyRounds, 0);
    EXPECT_EQ(proxies.m_Last, kPasses);
}

// A settings change on another thread is copied into a core that follows the global defaults while
// the audio thread reads that core's settings, and not into a core with settings of its own.
TEST_F(PluginCoreMTTest, GlobalSettingsChangeOnAnotherThreadReachesOnlyFollowingCores)
{
    CTestCore following(m_Settings, new CTestProcessor(2, 1));
    CTestCore own(m_Settings, new CTestProcessor(2, 1));
    own->GetMIDIInputDefault().SetValue(false);
    CAudioPluginDefaultSettings& defaults = Defaults();

    std::atomic<bool> done(false);
    std::atomic<int> reads(0);
    std::thread audio([&] {
        const IMIDICCSetting& setting = following->GetMIDIController().GetInputCCSettings().GetAt(2);
        while (!done.load()) {
            if (setting.GetChannel() < 0)
                break;
            ++reads;
        }
    });
    ASSERT_TRUE(VeltisTest::WaitUntil([&] { return reads.load() > 0; }, "the audio thread to read"));
    std::thread gui([&] {
        CMIDICCSettings list(3);
        defaults.CopyInputCCSettingsTo(list);
        list.GetAt(2).Enable(true);
        list.GetAt(2).SetChannel(8);
        defaults.SetInputCCSettings(list);
    });
    gui.join();
    done = true;
    audio.join();

    EXPECT_EQ(following->GetMIDIController().GetInputCCSettings().GetAt(2).GetChannel(), 8);
    EXPECT_TRUE(following->GetMIDIController().GetInputCCSettings().GetAt(2).IsEnabled());
    EXPECT_EQ(own->GetMIDIController().GetInputCCSettings().GetAt(2).GetChannel(), 0);
    EXPECT_FALSE(own->GetMIDIController().GetInputCCSettings().GetAt(2).IsEnabled());
}

} // namespace
