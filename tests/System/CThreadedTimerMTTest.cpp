#include <gtest/gtest.h>

#include <atomic>
#include <functional>

#include "Veltis/System/CEvent.h"
#include "Veltis/System/CMessageLoopThread.h"
#include "Veltis/System/CThreadedTimer.h"
#include "support/BoundedWait.h"
#include "support/CCountingCommand.h"
#include "support/CFunctionCommand.h"
#include "support/WaitForPosted.h"

using namespace Veltis;
using VeltisTest::CFunctionCommand;

namespace {

// A client thread (standing in for the GUI thread) and a threaded timer whose commands run on it.
struct CThreadedTimerFixture : public ::testing::Test {
    CThreadedTimerFixture() : m_Timer(&m_Client, true) {}

    // Runs the action on the client thread and waits for it.
    void OnClient(std::function<void()> action)
    {
        CFunctionCommand command(std::move(action));
        ASSERT_TRUE(m_Client.Send(&command, false));
    }

    // Waits until every hand-off posted so far has run on the client thread.
    void FlushClient() { VeltisTest::WaitForPosted(m_Client); }

    System::CMessageLoopThread m_Client;
    System::CThreadedTimer m_Timer;
};

} // namespace

TEST_F(CThreadedTimerFixture, TicksRunOnTheClientThread)
{
    System::CEvent ticked;
    std::atomic<bool> onClient(false);
    CFunctionCommand command([&] {
        onClient.store(m_Client.IsCurrentThread());
        ticked.Set();
    });
    OnClient([&] { m_Timer.AddTimer(10, command); });
    ASSERT_TRUE(VeltisTest::WaitFor(ticked, "a tick"));
    EXPECT_TRUE(onClient.load());
    OnClient([&] {
        Core::ICommand* pointer = &command;
        m_Timer.RemoveTimer(pointer, false);
    });
    FlushClient();
}

TEST_F(CThreadedTimerFixture, DisablingStopsTheTicksAndEnablingResumesThemWithTheSameTimers)
{
    VeltisTest::CCountingCommand listener;
    m_Timer.GetEnableChangedEvent().AddListener(listener);
    System::CEvent ticked;
    CFunctionCommand command([&ticked] { ticked.Set(); });
    OnClient([&] { m_Timer.AddTimer(10, command); });
    ASSERT_TRUE(VeltisTest::WaitFor(ticked, "a tick"));

    m_Timer.Enable(false);
    m_Timer.Enable(false);
    EXPECT_FALSE(m_Timer.IsEnabled());
    EXPECT_EQ(listener.GetCount(), 1);
    FlushClient();
    const int count = command.GetCount();
    System::CEvent never;
    never.Wait(80);
    FlushClient();
    EXPECT_EQ(command.GetCount(), count);

    ticked.Reset();
    m_Timer.Enable(true);
    EXPECT_EQ(listener.GetCount(), 2);
    ASSERT_TRUE(VeltisTest::WaitFor(ticked, "a tick"));
    EXPECT_GT(command.GetCount(), count);

    OnClient([&] {
        Core::ICommand* pointer = &command;
        m_Timer.RemoveTimer(pointer, false);
    });
    m_Timer.Enable(false);
    FlushClient();
    m_Timer.GetEnableChangedEvent().RemoveListener(&listener);
}

TEST(CThreadedTimerMTTest, ADisabledTimerStartsNoThreadUntilEnabled)
{
    System::CMessageLoopThread client;
    System::CThreadedTimer timer(&client, false);
    EXPECT_FALSE(timer.IsEnabled());
    System::CEvent ticked;
    CFunctionCommand command([&ticked] { ticked.Set(); });
    CFunctionCommand add([&] { timer.AddTimer(10, command); });
    client.Send(&add, false);
    System::CEvent never;
    never.Wait(50);
    EXPECT_EQ(command.GetCount(), 0);
    timer.Enable(true);
    ASSERT_TRUE(VeltisTest::WaitFor(ticked, "a tick"));
    timer.Enable(false);
    VeltisTest::WaitForPosted(client);
}

TEST(CThreadedTimerMTTest, AnEnableListenerMayWaitForAThreadThatAsksIsEnabled)
{
    System::CMessageLoopThread client;
    System::CThreadedTimer timer(&client, false);
    System::CMessageLoopThread asker;
    System::CEvent answered;
    std::atomic<bool> asked(false);
    std::atomic<bool> answeredInTime(false);
    CFunctionCommand ask([&] {
        timer.IsEnabled();
        asked.store(true);
        answered.Set();
    });
    // Bounded, so that a switch lock held during the notification fails the test instead of hanging it.
    CFunctionCommand listener([&] {
        asker.Post(&ask, false);
        answered.Wait(10000);
        answeredInTime.store(asked.load());
    });
    timer.GetEnableChangedEvent().AddListener(listener);
    timer.Enable(true);
    EXPECT_TRUE(answeredInTime.load());
    timer.GetEnableChangedEvent().RemoveListener(&listener);
    timer.Enable(false);
    VeltisTest::WaitForPosted(asker);
}
