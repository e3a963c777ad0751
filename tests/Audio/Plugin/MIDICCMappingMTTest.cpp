#include "Veltis/Audio/Plugin/CAutomationSetting.h"
#include "Veltis/Audio/Plugin/CMIDICCSetting.h"
#include "Veltis/Audio/Plugin/MIDICCMapping.h"

#include "support/BoundedWait.h"
#include "support/CCountingCommand.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace Veltis::Audio::Plugin;
using namespace Veltis::DataModel::Objects;

// The GUI thread edits a setting while the audio thread maps through it: each field is read whole, so
// every result lies within what some mix of the written values gives.
TEST(MIDICCMappingMT, AudioThreadMapsWhileTheGuiThreadEdits)
{
    CMIDICCSetting setting;
    setting.SetChannel(1);
    setting.SetMax(1.0f);
    CAutomationSetting automation;
    VeltisTest::CCountingCommand listener;
    setting.GetChangedEvent().AddListener(listener);
    constexpr int kEdits = 5000;

    std::atomic<bool> started(false), done(false);
    int faults = 0, rounds = 0, automated = 0;
    std::thread audio([&] {
        started = true;
        while (!done.load() || rounds == 0) {
            for (int value : {0, 64, 127}) {
                const float p = MIDICCInputToParamValue(setting, value);
                if (!(p >= -1.001f && p <= 2.001f)) // curves may end a rounding step past 1
                    ++faults;
            }
            unsigned char status = 0, controller = 0, value = 0;
            if (ParamValueToMIDICCOutput(setting, 0.5f, status, controller, value) &&
                (status < 0xB0 || status > 0xB1 || controller > 1 || value > 127))
                ++faults;
            MatchesMIDICCInput(setting, 0xB1, 1);
            automated += automation.IsEnabled() ? 1 : 0;
            ++rounds;
        }
    });
    ASSERT_TRUE(VeltisTest::WaitUntil([&] { return started.load(); }, "the audio thread to start"));
    for (int edit = 0; edit < kEdits; ++edit) {
        const bool odd = edit % 2 != 0;
        setting.Enable(odd);
        setting.SetChannel(odd ? 2 : 1);
        setting.SetNumber(odd ? 1 : 0);
        setting.SetCurve(static_cast<EParamValueCurve>(edit % kParamValueCurveCount));
        setting.SetMin(odd ? -1.0f : 0.0f);
        setting.SetMax(odd ? 2.0f : 1.0f);
        automation.Enable(odd);
    }
    done = true;
    audio.join();
    setting.GetChangedEvent().RemoveListener(&listener);
    EXPECT_EQ(faults, 0);
    EXPECT_GT(rounds, 0);
    // The first edit changes only the curve.
    EXPECT_EQ(listener.GetCount(), 6 * kEdits - 5);
}
