#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "Veltis/System/CMessageLoop.h"
#include "support/CFunctionCommand.h"
#include "support/BoundedWait.h"

using namespace Veltis;
using VeltisTest::CFunctionCommand;
using VeltisTest::CRaisedFlag;

namespace {

// Raised by a thread that takes no lock for it: a lock taken on the loop's way to its deletion, after
// the sender's call, would order that call before the deletion and hide the fault from the thread
// checker. So these waits poll, for a bounded time.
bool PollUntilRaised(const std::atomic<bool>& flag)
{
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(VeltisTest::kWaitMs);
    while (!flag.load() && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::yield();
    return flag.load();
}

// A loop that says when it is being deleted, on whichever thread deletes it.
struct CWatchedLoop : public System::CMessageLoop {
    explicit CWatchedLoop(std::atomic<bool>* deleted) : m_Deleted(deleted) {}
    ~CWatchedLoop() override { m_Deleted->store(true); }
    std::atomic<bool>* m_Deleted;
};

// The loop deletes itself once it sees another thread's command in its queue. That sender's call
// began while the loop was alive, so it must be over with the loop before the loop can be deleted.
TEST(CMessageLoopLifetimeMTTest, ALoopThatDeletesItselfNeverOutlivesACallThatReachedItsQueue)
{
    CRaisedFlag destroying;
    for (bool send : {false, true}) {
        for (int round = 0; round < 20; ++round) {
            SCOPED_TRACE(testing::Message() << (send ? "Send" : "Post") << ", round " << round);
            destroying.Lower();
            std::atomic<bool> deleted(false);
            CWatchedLoop* loop = new CWatchedLoop(&deleted);
            ASSERT_TRUE(loop->StartThread());
            // Sees the sender's command through the queue's own lock only.
            CFunctionCommand destroy([loop, &destroying] {
                System::CMessageLoop::Destroy(loop);
                destroying.Raise();
                const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(VeltisTest::kWaitMs);
                while (loop->GetQueuedCount() == 0 && std::chrono::steady_clock::now() < giveUp)
                    std::this_thread::yield();
            });
            loop->Post(&destroy, false);
            ASSERT_TRUE(VeltisTest::WaitFor(destroying, "the loop to run the destroying command"));
            CFunctionCommand late;
            // A sent command is refused by a loop that stops before its turn; a posted one is queued.
            if (send)
                EXPECT_FALSE(loop->Send(&late, false));
            else
                EXPECT_TRUE(loop->Post(&late, false));
            ASSERT_TRUE(PollUntilRaised(deleted)) << "the loop was never deleted";
            EXPECT_EQ(late.GetCount(), 0);
        }
    }
}

} // namespace
