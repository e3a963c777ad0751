#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "Veltis/System/CEvent.h"
#include "Veltis/System/CMessageLoop.h"
#include "support/BoundedWait.h"
#include "support/CFunctionCommand.h"
#include "support/WaitForPosted.h"

using namespace Veltis;
using VeltisTest::CFunctionCommand;

namespace {

// A timer command that removes and deletes itself at its first tick.
class CSelfRemovingTimer : public Core::ICommand {
public:
    CSelfRemovingTimer(System::CMessageLoop* loop, std::atomic<int>* deleted) : m_Loop(loop), m_Deleted(deleted) {}
    ~CSelfRemovingTimer() override { m_Deleted->fetch_add(1); }

    void Execute() override
    {
        Core::ICommand* self = this;
        m_Loop->RemoveTimer(self, true);
    }

private:
    System::CMessageLoop* m_Loop;
    std::atomic<int>* m_Deleted;
};

} // namespace

TEST(CMessageLoopStressMTTest, ManyThreadsAddingRemovingPostingAndSendingFinishClean)
{
    const int kThreads = 6;
    const auto kDuration = std::chrono::milliseconds(300);
    const unsigned kMaxOperations = 3000;

    System::CMessageLoop loop;
    ASSERT_TRUE(loop.StartThread());
    std::atomic<int> posted(0), postedRan(0), failedSends(0);
    std::atomic<int> selfRemoversCreated(0), selfRemoversDeleted(0);
    std::atomic<int> ticks(0);

    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            std::vector<CFunctionCommand*> timers;
            for (int i = 0; i < 3; ++i)
                timers.push_back(new CFunctionCommand([&ticks] { ticks.fetch_add(1); }));
            // Always due, and removed only at the end: they tick whenever the queue runs dry.
            CFunctionCommand steady([&ticks] { ticks.fetch_add(1); });
            loop.AddTimer(t % 2, steady);
            const auto end = std::chrono::steady_clock::now() + kDuration;
            for (unsigned i = static_cast<unsigned>(t); i < kMaxOperations && std::chrono::steady_clock::now() < end; ++i) {
                CFunctionCommand* timer = timers[i % timers.size()];
                switch (i % 6) {
                case 0:
                    posted.fetch_add(1);
                    loop.Post(new CFunctionCommand([&postedRan] { postedRan.fetch_add(1); }), true);
                    break;
                case 1: {
                    CFunctionCommand sent;
                    if (!loop.Send(&sent, false) || sent.GetCount() != 1)
                        failedSends.fetch_add(1);
                    break;
                }
                case 2:
                    loop.AddTimer(static_cast<int>(i % 4), *timer);
                    break;
                case 3: {
                    Core::ICommand* pointer = timer;
                    loop.RemoveTimer(pointer, false);
                    break;
                }
                case 4:
                    selfRemoversCreated.fetch_add(1);
                    loop.AddTimer(1, *new CSelfRemovingTimer(&loop, &selfRemoversDeleted));
                    break;
                default:
                    // Work on the loop thread that itself sends, adds and removes timers.
                    loop.Post(new CFunctionCommand([&loop, timer] {
                                  CFunctionCommand inlineSent;
                                  loop.Send(&inlineSent, false);
                                  loop.AddTimer(2, *timer);
                                  Core::ICommand* pointer = timer;
                                  loop.RemoveTimer(pointer, false);
                              }),
                              true);
                    break;
                }
            }
            // Posted work may still refer to the timers: they go only after the queue drained.
            VeltisTest::WaitForPosted(loop);
            for (CFunctionCommand* timer : timers) {
                Core::ICommand* pointer = timer;
                loop.RemoveTimer(pointer, true);
            }
            Core::ICommand* pointer = &steady;
            loop.RemoveTimer(pointer, false);
        });
    }
    for (std::thread& thread : threads)
        thread.join();

    // Timers tick once the queue has drained; every self-removing one then goes.
    VeltisTest::WaitUntil([&] { return selfRemoversDeleted.load() >= selfRemoversCreated.load(); },
                          "every self-removing timer to go");

    EXPECT_EQ(failedSends.load(), 0);
    EXPECT_EQ(postedRan.load(), posted.load());
    EXPECT_EQ(loop.GetQueuedCount(), 0);
}
