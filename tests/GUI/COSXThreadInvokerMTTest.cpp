#include "Veltis/GUI/COSXThreadInvoker.h"

#include "Native/Foundation.h"
#include "Native/Harness.h"
#include "support/BoundedWait.h"
#include "support/CFunctionCommand.h"
#include "support/NativeTest.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <thread>

using namespace Veltis::GUI;
using namespace Native;

namespace VeltisTest {
namespace {

class COSXThreadInvokerMTTest : public NativeTest {};

TEST_F(COSXThreadInvokerMTTest, SendFromAWorkerRunsOnTheTargetThreadAndReturnsAfterIt)
{
    COSXThreadInvoker invoker(NSThread::currentThread());
    std::atomic<NSThread*> ranOn{nullptr};
    std::atomic<bool> deleted{false};
    std::atomic<bool> returned{false};
    std::thread worker([&] {
        auto* command = new CFunctionCommand([&] { ranOn = NSThread::currentThread(); }, &deleted);
        EXPECT_TRUE(invoker.Send(command, true));
        EXPECT_TRUE(deleted);
        returned = true;
    });
    EXPECT_TRUE(Harness::RunUntil([&] { return returned.load(); }, 10.0));
    worker.join();
    EXPECT_EQ(ranOn.load(), NSThread::currentThread());
}

TEST_F(COSXThreadInvokerMTTest, DestroyingTheInvokerFromAWorkerWaitsForTheRunningCommand)
{
    auto* invoker = new COSXThreadInvoker(NSThread::currentThread());
    std::promise<void> running;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::atomic<bool> finished{false};
    std::atomic<bool> destroyed{false};
    std::atomic<bool> pendingDeleted{false};
    CFunctionCommand blocking([&] {
        running.set_value();
        released.wait();
        finished = true;
    });
    CFunctionCommand pending;
    invoker->Post(&blocking, false);
    invoker->Post(new CFunctionCommand([] {}, &pendingDeleted), true);
    invoker->Post(&pending, false);
    std::atomic<bool> deleting{false};
    std::thread destroyer([&] {
        running.get_future().wait();
        deleting = true;
        delete invoker;
        EXPECT_TRUE(finished);
        destroyed = true;
    });
    std::thread releaser([&] {
        // The destroyer is in the destructor by now or soon; in either order it returns after the command.
        WaitUntil([&] { return deleting.load(); }, "the destroyer");
        release.set_value();
    });
    EXPECT_TRUE(Harness::RunUntil([&] { return destroyed.load(); }, 10.0));
    destroyer.join();
    releaser.join();
    Harness::RunUntilIdle();
    EXPECT_EQ(blocking.GetCount(), 1);
    // The commands queued behind it ran or were discarded, depending on who took the run lock first.
    EXPECT_LE(pending.GetCount(), 1);
    EXPECT_TRUE(pendingDeleted);
}

TEST_F(COSXThreadInvokerMTTest, SendWhoseRecordWasDiscardedReturnsTrueAndItsCommandIsDeletedOnce)
{
    COSXThreadInvoker invoker(NSThread::currentThread());
    std::atomic<int> deletions{0};
    struct CountedDeletion : CFunctionCommand {
        explicit CountedDeletion(std::atomic<int>& count) : m_Deletions(count) {}
        ~CountedDeletion() override { ++m_Deletions; }
        std::atomic<int>& m_Deletions;
    };
    auto* command = new CountedDeletion(deletions);
    std::atomic<bool> returned{false};
    std::atomic<bool> result{false};
    std::thread worker([&] {
        result = invoker.Send(command, true);
        returned = true;
    });
    // The record is pending once its request is queued.
    ASSERT_TRUE(WaitUntil([] { return Harness::QueuedPerforms() == 1; }, "the queued request"));
    invoker.CancelPending();
    EXPECT_EQ(deletions.load(), 1);
    EXPECT_TRUE(Harness::RunUntil([&] { return returned.load(); }, 10.0));
    worker.join();
    EXPECT_TRUE(result);
    EXPECT_EQ(deletions.load(), 1);
}

TEST_F(COSXThreadInvokerMTTest, ManyWorkersPostAndSendWhileTheGuiThreadRuns)
{
    COSXThreadInvoker invoker(NSThread::currentThread());
    constexpr int kWorkers = 4;
    constexpr int kRounds = 50;
    std::atomic<int> runs{0};
    std::atomic<int> done{0};
    std::vector<std::thread> workers;
    for (int w = 0; w < kWorkers; ++w) {
        workers.emplace_back([&, w] {
            for (int i = 0; i < kRounds; ++i) {
                auto* command = new CFunctionCommand([&] { ++runs; });
                if ((i + w) % 2)
                    invoker.Send(command, true);
                else
                    invoker.Post(command, true);
            }
            ++done;
        });
    }
    EXPECT_TRUE(Harness::RunUntil([&] { return done.load() == kWorkers && runs.load() == kWorkers * kRounds; }, 30.0));
    for (std::thread& worker : workers)
        worker.join();
}

} // namespace
} // namespace VeltisTest
