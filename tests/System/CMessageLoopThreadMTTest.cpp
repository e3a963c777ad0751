#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "Veltis/Core/TSingletonInstance.h"
#include "Veltis/System/CCriticalSection.h"
#include "Veltis/System/CEvent.h"
#include "Veltis/System/CMessageLoopThread.h"
#include "support/BoundedWait.h"
#include "support/CFunctionCommand.h"

using namespace Veltis;
using VeltisTest::CFunctionCommand;

namespace {

// A shared loop of its own instantiation, so these tests never meet the process's real one; it
// counts how many were created and destroyed.
class CCountedLoopThread : public System::CMessageLoopThread {
public:
    CCountedLoopThread() { s_Created.fetch_add(1); }
    ~CCountedLoopThread() override
    {
        s_Destroyed.fetch_add(1);
        if (s_DestroyedEvent)
            s_DestroyedEvent->Set();
    }

    static std::atomic<int> s_Created;
    static std::atomic<int> s_Destroyed;
    static System::CEvent* s_DestroyedEvent;
};

std::atomic<int> CCountedLoopThread::s_Created(0);
std::atomic<int> CCountedLoopThread::s_Destroyed(0);
System::CEvent* CCountedLoopThread::s_DestroyedEvent = nullptr;

typedef Core::TSingletonInstance<CCountedLoopThread, System::CCriticalSection> TSharedLoop;

struct CSharedLoopFixture : public ::testing::Test {
    CSharedLoopFixture()
    {
        CCountedLoopThread::s_Created.store(0);
        CCountedLoopThread::s_Destroyed.store(0);
    }
};

} // namespace

TEST(CMessageLoopThreadMTTest, TheThreadRunsFromConstruction)
{
    System::CMessageLoopThread loop;
    EXPECT_TRUE(loop.IsThreadAlive());
    std::atomic<bool> onLoop(false);
    CFunctionCommand command([&] { onLoop.store(loop.IsCurrentThread()); });
    EXPECT_TRUE(loop.Send(&command, false));
    EXPECT_TRUE(onLoop.load());
}

TEST_F(CSharedLoopFixture, TwoHoldersShareOneLoopAndTheLastReleaseDeletesIt)
{
    std::unique_ptr<TSharedLoop> first(new TSharedLoop());
    std::unique_ptr<TSharedLoop> second(new TSharedLoop());
    EXPECT_FALSE(first->IsAcquired());
    EXPECT_EQ(CCountedLoopThread::s_Created.load(), 0);

    CCountedLoopThread* loop = first->GetInstance();
    ASSERT_NE(loop, nullptr);
    EXPECT_TRUE(first->IsAcquired());
    EXPECT_EQ(second->GetInstance(), loop);
    EXPECT_EQ(first->GetInstance(), loop);
    EXPECT_EQ(CCountedLoopThread::s_Created.load(), 1);

    first.reset();
    EXPECT_EQ(CCountedLoopThread::s_Destroyed.load(), 0);
    CFunctionCommand command;
    EXPECT_TRUE(loop->Send(&command, false));
    EXPECT_EQ(command.GetCount(), 1);

    // The deletion stops and joins the thread before it returns.
    second.reset();
    EXPECT_EQ(CCountedLoopThread::s_Destroyed.load(), 1);

    // A new first holder creates a new loop.
    TSharedLoop third;
    EXPECT_NE(third.GetInstance(), nullptr);
    EXPECT_EQ(CCountedLoopThread::s_Created.load(), 2);
}

TEST_F(CSharedLoopFixture, EightThreadsAcquiringAtOnceCreateExactlyOneLoop)
{
    const int kThreads = 8;
    const int kRounds = 10;
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE(round);
        System::CEvent go;
        System::CEvent allAcquired;
        std::atomic<int> acquired(0);
        std::vector<CCountedLoopThread*> seen(kThreads, nullptr);
        std::vector<std::thread> threads;
        for (int i = 0; i < kThreads; ++i) {
            threads.emplace_back([&, i] {
                TSharedLoop holder;
                VeltisTest::WaitFor(go, "the start");
                seen[i] = holder.GetInstance();
                if (acquired.fetch_add(1) + 1 == kThreads)
                    allAcquired.Set();
                // Nobody releases before everyone holds a reference.
                VeltisTest::WaitFor(allAcquired, "every thread to hold the loop");
            });
        }
        go.Set();
        for (std::thread& thread : threads)
            thread.join();
        EXPECT_EQ(CCountedLoopThread::s_Created.load(), round + 1);
        EXPECT_EQ(CCountedLoopThread::s_Destroyed.load(), round + 1);
        for (int i = 0; i < kThreads; ++i)
            EXPECT_EQ(seen[i], seen[0]);
    }
}

TEST_F(CSharedLoopFixture, TheLastReleaseFromALoopCommandDeletesTheLoopAfterTheCommand)
{
    System::CEvent destroyed;
    CCountedLoopThread::s_DestroyedEvent = &destroyed;
    TSharedLoop* holder = new TSharedLoop();
    CCountedLoopThread* loop = holder->GetInstance();
    std::atomic<bool> returned(false);
    loop->Post(new CFunctionCommand([holder, &returned] {
                   delete holder;
                   returned.store(true);
               }),
               true);
    ASSERT_TRUE(VeltisTest::WaitFor(destroyed, "the loop to be destroyed"));
    CCountedLoopThread::s_DestroyedEvent = nullptr;
    EXPECT_TRUE(returned.load());
    EXPECT_EQ(CCountedLoopThread::s_Destroyed.load(), 1);
}
