#include <gtest/gtest.h>

#include <atomic>
#include <chrono>

#include "Veltis/Core/TCommand.h"
#include "Veltis/System/CCommandThread.h"
#include "Veltis/System/CEvent.h"
#include "Veltis/System/CThread.h"
#include "support/BoundedWait.h"

using namespace Veltis;

namespace {

// A routine that waits to be released, so that tests control when the thread ends.
struct CGatedWork {
    System::CEvent m_Release;
    System::CEvent m_Entered;
    std::atomic<bool> m_Finished{false};
    std::atomic<bool> m_WasCurrentThread{false};
    System::CThread* m_Thread = nullptr;

    static void Run(void* userData)
    {
        CGatedWork* self = static_cast<CGatedWork*>(userData);
        if (self->m_Thread)
            self->m_WasCurrentThread.store(self->m_Thread->IsCurrentThread());
        self->m_Entered.Set();
        VeltisTest::WaitFor(self->m_Release, "the release");
        self->m_Finished.store(true);
    }

    void Work() { Run(this); }
};

} // namespace

TEST(CThreadMTTest, JoinWithoutLimitReturnsAfterTheRoutineReturned)
{
    CGatedWork work;
    System::CThread thread(&CGatedWork::Run, &work, true);
    work.m_Release.Set();
    EXPECT_TRUE(thread.Join(-1));
    EXPECT_TRUE(work.m_Finished.load());
}

TEST(CThreadMTTest, TimedJoinReturnsAtOnceWithoutWaiting)
{
    CGatedWork work;
    System::CThread thread(&CGatedWork::Run, &work, true);
    ASSERT_TRUE(VeltisTest::WaitFor(work.m_Entered, "the routine to start"));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(thread.Join(5000));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(4));
    EXPECT_FALSE(work.m_Finished.load());
    work.m_Release.Set();
    EXPECT_TRUE(thread.Join(-1));
}

TEST(CThreadMTTest, IsCurrentThreadOnlyOnTheThreadItself)
{
    CGatedWork work;
    System::CThread thread(&CGatedWork::Run, &work, false);
    work.m_Thread = &thread;
    EXPECT_FALSE(thread.IsCurrentThread());
    EXPECT_TRUE(thread.Start());
    EXPECT_FALSE(thread.IsCurrentThread());
    work.m_Release.Set();
    thread.Join(-1);
    EXPECT_TRUE(work.m_WasCurrentThread.load());
}

TEST(CThreadMTTest, JoinOfAThreadNeverStartedReturnsAtOnce)
{
    CGatedWork work;
    System::CThread thread(&CGatedWork::Run, &work, false);
    EXPECT_FALSE(thread.Join(-1));
}

TEST(CThreadMTTest, ThreadCanBeStartedAgainAfterItWasJoined)
{
    std::atomic<int> runs{0};
    struct CCount {
        static void Run(void* userData) { static_cast<std::atomic<int>*>(userData)->fetch_add(1); }
    };
    System::CThread thread(&CCount::Run, &runs, true);
    EXPECT_TRUE(thread.Join(-1));
    EXPECT_TRUE(thread.Start());
    EXPECT_TRUE(thread.Join(-1));
    EXPECT_EQ(runs.load(), 2);
}

TEST(CThreadMTTest, CancelIsARequestTheRoutineCanSee)
{
    CGatedWork work;
    System::CThread thread(&CGatedWork::Run, &work, true);
    EXPECT_FALSE(thread.IsCancelRequested());
    thread.Cancel();
    EXPECT_TRUE(thread.IsCancelRequested());
    // The routine is not torn down: it still finishes normally.
    work.m_Release.Set();
    thread.Join(-1);
    EXPECT_TRUE(work.m_Finished.load());
}

TEST(CThreadMTTest, CommandThreadConstructedStoppedRunsNothingUntilStart)
{
    CGatedWork work;
    work.m_Release.Set();
    Core::TCommand<CGatedWork> command(&work, &CGatedWork::Work);
    System::CCommandThread thread(&command, false, false);
    EXPECT_FALSE(thread.Join(-1));
    EXPECT_FALSE(work.m_Finished.load());

    thread.Start();
    EXPECT_TRUE(thread.Join(-1));
    EXPECT_TRUE(work.m_Finished.load());
}

TEST(CThreadMTTest, CommandThreadDeletesAnOwnedCommandOnlyWhenDestroyed)
{
    struct CTracked : public Core::ICommand {
        CTracked(std::atomic<int>* runs, int* destroyed) : m_Runs(runs), m_Destroyed(destroyed) {}
        ~CTracked() override { ++*m_Destroyed; }
        void Execute() override { m_Runs->fetch_add(1); }
        std::atomic<int>* m_Runs;
        int* m_Destroyed;
    };
    std::atomic<int> runs{0};
    int destroyed = 0;
    {
        System::CCommandThread thread(new CTracked(&runs, &destroyed), true, true);
        thread.Join(-1);
        EXPECT_EQ(runs.load(), 1);
        EXPECT_EQ(destroyed, 0);
    }
    EXPECT_EQ(destroyed, 1);

    CTracked borrowed(&runs, &destroyed);
    {
        System::CCommandThread thread(&borrowed, false, true);
        thread.Join(-1);
    }
    EXPECT_EQ(runs.load(), 2);
    EXPECT_EQ(destroyed, 1);
}
