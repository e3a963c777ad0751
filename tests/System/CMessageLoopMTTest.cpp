#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "Veltis/System/CEvent.h"
#include "Veltis/System/CMessageLoop.h"
#include "support/BoundedWait.h"
#include "support/CFunctionCommand.h"
#include "support/WaitForPosted.h"

using namespace Veltis;
using VeltisTest::CFunctionCommand;
using VeltisTest::WaitFor;
using VeltisTest::WaitUntil;

namespace {

typedef std::chrono::steady_clock Clock;

double MillisecondsBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// A log that the loop thread and the test thread both write.
class CSharedLog {
public:
    void Add(int value)
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_Values.push_back(value);
    }
    std::vector<int> Get()
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        return m_Values;
    }

private:
    std::mutex m_Mutex;
    std::vector<int> m_Values;
};

// Start times of a timer's ticks, and an event once enough have been seen.
class CTickRecorder {
public:
    explicit CTickRecorder(int wanted, int commandMs = 0) : m_Wanted(wanted), m_CommandMs(commandMs) {}

    void Tick()
    {
        {
            std::lock_guard<std::mutex> lock(m_Mutex);
            m_Starts.push_back(Clock::now());
            if (static_cast<int>(m_Starts.size()) == m_Wanted)
                m_Enough.Set();
        }
        if (m_CommandMs > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(m_CommandMs));
    }

    // Milliseconds between consecutive tick starts.
    std::vector<double> Intervals()
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        std::vector<double> result;
        for (size_t i = 1; i < m_Starts.size(); ++i)
            result.push_back(MillisecondsBetween(m_Starts[i - 1], m_Starts[i]));
        return result;
    }

    Clock::time_point First()
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        return m_Starts.front();
    }

    System::CEvent m_Enough;

private:
    std::mutex m_Mutex;
    std::vector<Clock::time_point> m_Starts;
    int m_Wanted;
    int m_CommandMs;
};

struct CLoopFixture : public ::testing::Test {
    CLoopFixture() { m_Loop.StartThread(); }

    void Flush() { VeltisTest::WaitForPosted(m_Loop); }

    System::CMessageLoop m_Loop;
};

// Blocks the loop thread in a posted command until released.
struct CGate {
    System::CEvent m_Entered;
    System::CEvent m_Release;
    CFunctionCommand m_Command{[this] {
        m_Entered.Set();
        WaitFor(m_Release, "the gate to open");
    }};
};

} // namespace

TEST_F(CLoopFixture, PostsRunInOrderAndASendFromAnotherThreadGoesBeforeThem)
{
    CSharedLog log;
    CGate gate;
    CFunctionCommand b([&log] { log.Add(2); }), c([&log] { log.Add(3); }), sent([&log] { log.Add(9); });
    m_Loop.Post(&gate.m_Command, false);
    m_Loop.Post(&b, false);
    m_Loop.Post(&c, false);
    ASSERT_TRUE(WaitFor(gate.m_Entered, "the gate to be entered"));

    std::atomic<bool> result(false);
    std::thread sender([this, &sent, &result] { result.store(m_Loop.Send(&sent, false)); });
    WaitUntil([this] { return m_Loop.GetQueuedCount() >= 3; }, "the sender to queue");
    gate.m_Release.Set();
    sender.join();
    EXPECT_TRUE(result.load());
    Flush();
    EXPECT_EQ(log.Get(), (std::vector<int>{9, 2, 3}));
}

TEST_F(CLoopFixture, ASendFromALoopCommandRunsInlineAndDeletesAnOwnedCommand)
{
    CSharedLog log;
    std::atomic<bool> deleted(false);
    CFunctionCommand outer([this, &log, &deleted] {
        log.Add(1);
        const bool sent = m_Loop.Send(new CFunctionCommand([&log] { log.Add(2); }, &deleted), true);
        // Already run and deleted when Send returns, on this same thread.
        log.Add(sent && deleted.load() ? 3 : -3);
    });
    ASSERT_TRUE(m_Loop.Send(&outer, false));
    EXPECT_EQ(log.Get(), (std::vector<int>{1, 2, 3}));
}

TEST(CMessageLoopMTTest, SendToALoopThatIsNotRunningFailsAtOnceAndDeletesAnOwnedCommand)
{
    System::CMessageLoop loop;
    std::atomic<bool> deleted(false);
    CFunctionCommand* command = new CFunctionCommand(nullptr, &deleted);
    EXPECT_FALSE(loop.Send(command, true));
    EXPECT_TRUE(deleted.load());

    loop.StartThread();
    loop.StopThread();
    CFunctionCommand kept;
    EXPECT_FALSE(loop.Send(&kept, false));
    EXPECT_EQ(kept.GetCount(), 0);
}

TEST(CMessageLoopMTTest, StoppingReleasesAWaitingSenderWithFalseAndKeepsPosts)
{
    System::CMessageLoop loop;
    loop.StartThread();
    System::CEvent entered;
    // Stops its own loop once a sender waits behind it.
    CFunctionCommand stopper([&loop, &entered] {
        entered.Set();
        WaitUntil([&loop] { return loop.GetQueuedCount() >= 2; }, "the sender to queue");
        loop.StopThread();
    });
    CFunctionCommand posted, sent;
    loop.Post(&stopper, false);
    loop.Post(&posted, false);
    ASSERT_TRUE(WaitFor(entered, "the stopper to run"));

    std::atomic<int> result(-1);
    std::thread sender([&loop, &sent, &result] { result.store(loop.Send(&sent, false) ? 1 : 0); });
    sender.join();
    loop.StopThread();
    EXPECT_EQ(result.load(), 0);
    EXPECT_EQ(sent.GetCount(), 0);
    EXPECT_EQ(loop.GetQueuedCount(), 1);

    // The post survived the stop and runs after a restart.
    ASSERT_TRUE(loop.StartThread());
    VeltisTest::WaitForPosted(loop);
    EXPECT_EQ(posted.GetCount(), 1);
}

TEST(CMessageLoopMTTest, DestroyOnTheLoopsOwnThreadDefersTheDeletionUntilTheCommandReturned)
{
    struct CWatchedLoop : public System::CMessageLoop {
        explicit CWatchedLoop(System::CEvent* destroyed) : m_Destroyed(destroyed) {}
        ~CWatchedLoop() override { m_Destroyed->Set(); }
        System::CEvent* m_Destroyed;
    };
    System::CEvent destroyed;
    CWatchedLoop* loop = new CWatchedLoop(&destroyed);
    loop->StartThread();
    std::atomic<bool> stillThere(false);
    std::atomic<bool> commandDeleted(false);
    // Owned, so the loop deletes it after the run: the loop must still exist then.
    loop->Post(new CFunctionCommand(
                   [loop, &stillThere] {
                       System::CMessageLoop::Destroy(loop);
                       stillThere.store(true);
                   },
                   &commandDeleted),
               true);
    ASSERT_TRUE(WaitFor(destroyed, "the loop to be destroyed"));
    EXPECT_TRUE(stillThere.load());
    EXPECT_TRUE(commandDeleted.load());
}

TEST_F(CLoopFixture, TimersTickAboutEveryPeriodFromTheStartOfTheirPreviousTickAndNeverCatchUp)
{
    struct Case {
        const char* name;
        int firstPeriod; // registered before the period under test, 0 for none
        int gapMs;       // between the two registrations
        int period;
        int commandMs;
        int ticks;
        double minFirst; // from the last AddTimer to the first tick
        double minInterval;
    };
    // Only the lower bounds show the behaviour; a loaded machine may stretch any interval, so the upper
    // bound only catches a stuck timer.
    const double kStuckMs = 3000.0;
    const Case kCases[] = {
        {"a command shorter than the period", 0, 0, 100, 30, 5, 90.0, 90.0},
        // Lateness is never made up: the next tick follows the long one, not its due time.
        {"a command longer than the period", 0, 0, 100, 150, 4, 90.0, 145.0},
        {"a command added again with a new period", 5000, 0, 40, 0, 6, 35.0, 35.0},
        // Without a restart the first tick would come a third of a period early.
        {"adding again restarts the period", 300, 100, 300, 0, 2, 270.0, 270.0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        CTickRecorder recorder(c.ticks, c.commandMs);
        CFunctionCommand tick([&recorder] { recorder.Tick(); });
        if (c.firstPeriod > 0)
            m_Loop.AddTimer(c.firstPeriod, tick);
        if (c.gapMs > 0) {
            System::CEvent never;
            never.Wait(c.gapMs);
        }
        const Clock::time_point added = Clock::now();
        m_Loop.AddTimer(c.period, tick);
        const bool enough = WaitFor(recorder.m_Enough, "the ticks");
        Core::ICommand* pointer = &tick;
        m_Loop.RemoveTimer(pointer, false);
        if (!enough)
            continue;
        // A machine so loaded that the gap outlasted the first period ticked before the second add:
        // then this row cannot tell a restart from none.
        if (recorder.First() < added)
            continue;

        EXPECT_GE(MillisecondsBetween(added, recorder.First()), c.minFirst);
        for (double interval : recorder.Intervals()) {
            EXPECT_GE(interval, c.minInterval);
            EXPECT_LE(interval, kStuckMs);
        }
    }
}

TEST_F(CLoopFixture, RemoveTimerFromAnotherThreadDuringATickReturnsAfterTheTickAndItNeverRunsAgain)
{
    System::CEvent entered;
    System::CEvent never;
    std::atomic<bool> tickEnded(false);
    CFunctionCommand tick([&] {
        entered.Set();
        // Long enough for the remover to be waiting; nobody sets the event.
        never.Wait(200);
        tickEnded.store(true);
    });
    m_Loop.AddTimer(10, tick);
    ASSERT_TRUE(WaitFor(entered, "the tick"));

    std::atomic<bool> endedWhenRemoved(false);
    std::thread remover([this, &tick, &tickEnded, &endedWhenRemoved] {
        Core::ICommand* pointer = &tick;
        m_Loop.RemoveTimer(pointer, false);
        endedWhenRemoved.store(tickEnded.load());
    });
    remover.join();
    EXPECT_TRUE(endedWhenRemoved.load());

    const int count = tick.GetCount();
    System::CEvent wait;
    wait.Wait(60);
    Flush();
    EXPECT_EQ(tick.GetCount(), count);
}

TEST_F(CLoopFixture, ATickThatChangesTimersWhileAnotherThreadRemovesItDoesNotDeadlock)
{
    System::CEvent entered;
    System::CEvent never;
    CFunctionCommand other;
    CFunctionCommand tick([&] {
        entered.Set();
        never.Wait(100);
        // The remover is waiting for this tick meanwhile.
        m_Loop.AddTimer(20, other);
        Core::ICommand* pointer = &other;
        m_Loop.RemoveTimer(pointer, false);
    });
    m_Loop.AddTimer(10, tick);
    ASSERT_TRUE(WaitFor(entered, "the tick"));
    Core::ICommand* pointer = &tick;
    m_Loop.RemoveTimer(pointer, false);
    Flush();
    EXPECT_EQ(other.GetCount(), 0);
}

TEST_F(CLoopFixture, ATimerMayDeleteItselfAndAddTimersFromItsOwnTick)
{
    System::CEvent addedTicked;
    CFunctionCommand added([&addedTicked] { addedTicked.Set(); });
    std::atomic<bool> deleted(false);
    Core::ICommand* self = nullptr;
    self = new CFunctionCommand(
        [this, &self, &added] {
            m_Loop.AddTimer(10, added);
            m_Loop.RemoveTimer(self, true);
        },
        &deleted);
    m_Loop.AddTimer(10, *self);
    ASSERT_TRUE(WaitFor(addedTicked, "the added timer's tick"));
    EXPECT_TRUE(deleted.load());
    Flush();
    EXPECT_EQ(self, nullptr);
    Core::ICommand* pointer = &added;
    m_Loop.RemoveTimer(pointer, false);
}

TEST_F(CLoopFixture, ATimerThatIsAlwaysDueStillLetsSentCommandsThrough)
{
    System::CEvent ticking;
    CFunctionCommand busy;
    CFunctionCommand watcher([&busy, &ticking] {
        if (busy.GetCount() >= 5)
            ticking.Set();
    });
    m_Loop.AddTimer(0, busy);
    m_Loop.AddTimer(0, watcher);
    ASSERT_TRUE(WaitFor(ticking, "five ticks"));
    for (int i = 0; i < 5; ++i) {
        CFunctionCommand sent;
        ASSERT_TRUE(m_Loop.Send(&sent, false));
        EXPECT_EQ(sent.GetCount(), 1);
    }
    Core::ICommand* pointer = &busy;
    m_Loop.RemoveTimer(pointer, false);
    pointer = &watcher;
    m_Loop.RemoveTimer(pointer, false);
}

TEST_F(CLoopFixture, TheEmbeddedSerializerTicksOnTheLoop)
{
    System::CEvent ticked;
    std::atomic<bool> onLoop(false);
    CFunctionCommand command([&] {
        onLoop.store(m_Loop.IsCurrentThread());
        ticked.Set();
    });
    // The serializer is single-threaded: it is driven from the loop thread only.
    CFunctionCommand add([&] { m_Loop.GetTimerSerializer().AddTimer(20, command); });
    m_Loop.Send(&add, false);
    ASSERT_TRUE(WaitFor(ticked, "the tick"));
    EXPECT_TRUE(onLoop.load());
    CFunctionCommand remove([&] {
        Core::ICommand* pointer = &command;
        m_Loop.GetTimerSerializer().RemoveTimer(pointer, false);
    });
    m_Loop.Send(&remove, false);
}

TEST(CMessageLoopMTTest, DestructionDiscardsQueuedCommandsAndDeletesOwnedOnes)
{
    std::atomic<bool> deleted(false);
    CFunctionCommand* owned = new CFunctionCommand(nullptr, &deleted);
    {
        System::CMessageLoop loop;
        loop.Post(owned, true);
        CFunctionCommand timer;
        loop.AddTimer(10, timer);
    }
    EXPECT_TRUE(deleted.load());
}

TEST_F(CLoopFixture, TheEmbeddedSerializerReRegistersSafelyFromInsideItsOwnTick)
{
    // The first 50 ms tick adds a 20 ms timer: the base drops to 10 ms, so the serializer removes
    // and re-adds itself at the loop while the loop is running its tick.
    System::CEvent fastTicked;
    System::CEvent slowTickedAgain;
    CFunctionCommand fast([&fastTicked] { fastTicked.Set(); });
    CFunctionCommand* slowPointer = nullptr;
    CFunctionCommand slow([&] {
        if (slowPointer->GetCount() == 1)
            m_Loop.GetTimerSerializer().AddTimer(20, fast);
        else
            slowTickedAgain.Set();
    });
    slowPointer = &slow;
    CFunctionCommand add([&] { m_Loop.GetTimerSerializer().AddTimer(50, slow); });
    m_Loop.Send(&add, false);
    ASSERT_TRUE(WaitFor(fastTicked, "the fast timer's tick"));
    ASSERT_TRUE(WaitFor(slowTickedAgain, "the slow timer's second tick"));
    CFunctionCommand remove([&] {
        Core::ICommand* pointer = &fast;
        m_Loop.GetTimerSerializer().RemoveTimer(pointer, false);
        pointer = &slow;
        m_Loop.GetTimerSerializer().RemoveTimer(pointer, false);
    });
    m_Loop.Send(&remove, false);
    EXPECT_GE(fast.GetCount(), 1);
}

TEST_F(CLoopFixture, AQueueThatNeverDrainsHoldsBackDueTimersUntilItIsEmpty)
{
    const int kLinks = 20;
    std::atomic<int> links(0);
    std::atomic<int> linksAtFirstTick(-1);
    System::CEvent ticked;
    CFunctionCommand tick([&] {
        int expected = -1;
        linksAtFirstTick.compare_exchange_strong(expected, links.load());
        ticked.Set();
    });
    // Each link queues the next before it returns, so the queue is never empty until the last.
    std::function<void()> link = [&] {
        if (links.fetch_add(1) + 1 < kLinks)
            m_Loop.Post(new CFunctionCommand(link), true);
    };
    CFunctionCommand start([&] {
        m_Loop.AddTimer(10, tick);
        // The timer falls due while the chain has not even begun.
        System::CEvent never;
        never.Wait(30);
        m_Loop.Post(new CFunctionCommand(link), true);
    });
    m_Loop.Post(&start, false);
    ASSERT_TRUE(WaitFor(ticked, "the tick"));
    Core::ICommand* pointer = &tick;
    m_Loop.RemoveTimer(pointer, false);
    EXPECT_EQ(linksAtFirstTick.load(), kLinks);
}

TEST_F(CLoopFixture, ClearReleasesAWaitingSenderWithFalseAndDeletesOwnedPostsUnrun)
{
    CGate gate;
    m_Loop.Post(&gate.m_Command, false);
    ASSERT_TRUE(WaitFor(gate.m_Entered, "the gate to be entered"));
    std::atomic<bool> deleted(false);
    CFunctionCommand* owned = new CFunctionCommand(nullptr, &deleted);
    m_Loop.Post(owned, true);

    CFunctionCommand sent;
    std::atomic<int> result(-1);
    std::thread sender([this, &sent, &result] { result.store(m_Loop.Send(&sent, false) ? 1 : 0); });
    WaitUntil([this] { return m_Loop.GetQueuedCount() >= 2; }, "the sender to queue");
    m_Loop.Clear();
    sender.join();
    EXPECT_EQ(result.load(), 0);
    EXPECT_TRUE(deleted.load());
    gate.m_Release.Set();
    Flush();
    EXPECT_EQ(sent.GetCount(), 0);
}
