#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "Veltis/DataModel/Objects/CConstCaptureParamTimerProxy.h"
#include "Veltis/DataModel/Objects/CParamInfo.h"
#include "Veltis/DataModel/TCaptureObjectEvents.h"
#include "Veltis/DataModel/TICaptureObject.h"
#include "support/BoundedWait.h"
#include "support/CFunctionCommand.h"
#include "support/CManualTimerProvider.h"

namespace {

using Veltis::DataModel::Objects::IConstParamInfo;

// A published output parameter: written whole on its own thread, read whole on the timer's.
class CAtomicParam : public Veltis::DataModel::TCaptureObjectEvents<Veltis::DataModel::TICaptureObject<float, IConstParamInfo>> {
public:
    float GetValue() const override { return m_Value.load(); }
    void SetValue(float value) override
    {
        m_Value.store(value);
        NotifyValueChanged();
    }
    const IConstParamInfo& GetInfo() const override { return m_Info; }
    const IConstParamInfo& GetInfo() override { return m_Info; }
    void BeginCapture() override { m_Capture.BeginCapture(); }
    void EndCapture() override { m_Capture.EndCapture(); }

private:
    std::atomic<float> m_Value{0.0f};
    Veltis::DataModel::Objects::CParamInfo m_Info;
};

TEST(CaptureParamTimerProxyThreads, SourceChangesOnAnotherThreadWhileTickingArriveInOrder)
{
    VeltisTest::CManualTimerProvider timer;
    CAtomicParam source;
    Veltis::DataModel::Objects::CConstCaptureParamTimerProxy proxy(&source, &timer);

    int notifications = 0, begins = 0, ends = 0;
    float lastSeen = -1.0f;
    VeltisTest::CFunctionCommand onValue([&] {
        ++notifications;
        lastSeen = proxy.GetValue();
    });
    VeltisTest::CFunctionCommand onBegin([&] { ++begins; });
    VeltisTest::CFunctionCommand onEnd([&] { ++ends; });
    proxy.GetValueChangedEvent().AddListener(onValue);
    proxy.GetBeginCaptureEvent().AddListener(onBegin);
    proxy.GetEndCaptureEvent().AddListener(onEnd);

    const int kWrites = 20000;
    std::atomic<bool> done(false);
    std::thread writer([&] {
        for (int i = 1; i <= kWrites; ++i) {
            if (i % 100 == 1)
                source.BeginCapture();
            source.SetValue(static_cast<float>(i));
            if (i % 100 == 0)
                source.EndCapture();
        }
        done.store(true);
    });
    const bool finished = VeltisTest::WaitUntil(
        [&] {
            timer.Tick();
            return done.load();
        },
        "the writer thread");
    writer.join();
    ASSERT_TRUE(finished);
    timer.Tick();

    EXPECT_GE(notifications, 1);
    EXPECT_LE(notifications, kWrites);
    EXPECT_EQ(lastSeen, static_cast<float>(kWrites));
    EXPECT_FALSE(proxy.IsCaptured());
    EXPECT_EQ(begins, ends);

    proxy.GetValueChangedEvent().RemoveListener(&onValue);
    proxy.GetBeginCaptureEvent().RemoveListener(&onBegin);
    proxy.GetEndCaptureEvent().RemoveListener(&onEnd);
}

} // namespace
