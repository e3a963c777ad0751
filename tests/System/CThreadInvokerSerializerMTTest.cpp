#include <gtest/gtest.h>

#include <mutex>
#include <thread>
#include <set>

#include "Veltis/System/CMessageLoop.h"
#include "Veltis/System/CThreadInvokerSerializer.h"
#include "support/CFunctionCommand.h"
#include "support/BoundedWait.h"

using namespace Veltis;
using VeltisTest::CFunctionCommand;
using VeltisTest::CRaisedFlag;

namespace {

// A message loop's timers, with a record of which commands are registered and a signal when a thread
// other than the loop's starts to remove one.
class CRecordingTimer : public System::ITimerProvider {
public:
    explicit CRecordingTimer(System::CMessageLoop& loop) : m_Loop(loop) {}

    void AddTimer(int periodMs, Core::ICommand& command) override
    {
        {
            std::lock_guard<std::mutex> lock(m_Mutex);
            m_Registered.insert(&command);
        }
        m_Loop.AddTimer(periodMs, command);
    }
    void RemoveTimer(Core::ICommand*& command, bool deleteIt) override
    {
        if (!m_Loop.IsCurrentThread())
            m_RemovingElsewhere.Raise();
        {
            std::lock_guard<std::mutex> lock(m_Mutex);
            m_Registered.erase(command);
        }
        m_Loop.RemoveTimer(command, deleteIt);
    }
    bool IsRegistered(Core::ICommand* command)
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        return m_Registered.count(command) != 0;
    }

    CRaisedFlag m_RemovingElsewhere;

private:
    System::CMessageLoop& m_Loop;
    std::mutex m_Mutex;
    std::set<Core::ICommand*> m_Registered;
};

// A serializer ticked by a running loop; the loop forgets its timers before the serializer goes, so
// that whatever a test leaves registered never ticks a destroyed object.
struct CThreadInvokerSerializerOnALoop : public ::testing::Test {
    CThreadInvokerSerializerOnALoop() : m_Timer(m_Loop), m_Serializer(nullptr, &m_Timer, 1) { EXPECT_TRUE(m_Loop.StartThread()); }
    ~CThreadInvokerSerializerOnALoop() override { m_Loop.Clear(); }

    System::CMessageLoop m_Loop;
    CRecordingTimer m_Timer;
    System::CThreadInvokerSerializer m_Serializer;
};

} // namespace

// A new refresh time takes the timer away and registers it again; a Stop in between, here from a
// command of the tick that the change waits for, must not be undone by the registration.
TEST_F(CThreadInvokerSerializerOnALoop, AStopWhileTheRefreshTimeChangesLeavesNoTimerBehind)
{
    CRecordingTimer& timer = m_Timer;
    System::CThreadInvokerSerializer& serializer = m_Serializer;
    CRaisedFlag ticking;
    CFunctionCommand stopper([&] {
        ticking.Raise();
        VeltisTest::WaitFor(timer.m_RemovingElsewhere, "the refresh time change to reach the timer");
        serializer.Stop();
    });
    serializer.Start();
    serializer.Post(&stopper, false);
    ASSERT_TRUE(VeltisTest::WaitFor(ticking, "the serializer to tick"));
    serializer.SetRefreshTime(5);
    EXPECT_EQ(stopper.GetCount(), 1);
    EXPECT_FALSE(timer.IsRegistered(&serializer)) << "a timer left after Stop ticks a destroyed serializer";
}

// Threads that start, stop and change the period at once never leave the registration out of step:
// a Stop after them unregisters, a Start registers again.
TEST_F(CThreadInvokerSerializerOnALoop, ConcurrentStartsStopsAndRefreshTimesKeepTheRegistrationTrue)
{
    CRecordingTimer& timer = m_Timer;
    System::CThreadInvokerSerializer& serializer = m_Serializer;
    CFunctionCommand counter;
    for (int round = 0; round < 50; ++round) {
        SCOPED_TRACE(testing::Message() << "round " << round);
        CRaisedFlag go;
        std::thread starter([&] {
            VeltisTest::WaitFor(go, "the start signal");
            serializer.Start();
            serializer.SetRefreshTime(1 + round % 3);
        });
        std::thread changer([&] {
            VeltisTest::WaitFor(go, "the start signal");
            serializer.SetRefreshTime(2 + round % 5);
            serializer.Post(&counter, false);
        });
        std::thread stopper([&] {
            VeltisTest::WaitFor(go, "the start signal");
            serializer.Stop();
        });
        go.Raise();
        starter.join();
        changer.join();
        stopper.join();
        serializer.Stop();
        EXPECT_FALSE(timer.IsRegistered(&serializer));
        serializer.Start();
        EXPECT_TRUE(timer.IsRegistered(&serializer));
        serializer.Stop();
    }
}
