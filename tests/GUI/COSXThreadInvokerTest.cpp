#include "Veltis/GUI/COSXThreadInvoker.h"

#include "Native/CoreFoundation.h"
#include "Native/Harness.h"
#include "support/CFunctionCommand.h"
#include "support/NativeTest.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

using namespace Veltis::GUI;
using namespace Native;

namespace VeltisTest {
namespace {

class COSXThreadInvokerTest : public NativeTest {
protected:
    COSXThreadInvoker m_Invoker{NSThread::currentThread()};
};

TEST_F(COSXThreadInvokerTest, SendOnTheTargetThreadRunsAtOncePostRunsFromTheLoop)
{
    std::vector<int> log;
    CFunctionCommand sent([&] { log.push_back(1); });
    CFunctionCommand posted([&] { log.push_back(2); });
    EXPECT_TRUE(m_Invoker.Post(&posted, false));
    EXPECT_TRUE(m_Invoker.Send(&sent, false));
    EXPECT_EQ(log, std::vector<int>{1});
    Harness::RunUntilIdle();
    EXPECT_EQ(log, (std::vector<int>{1, 2}));
}

TEST_F(COSXThreadInvokerTest, OwnedCommandsAreDeletedAfterTheyRan)
{
    std::atomic<bool> sentDeleted{false};
    std::atomic<bool> postedDeleted{false};
    int runs = 0;
    EXPECT_TRUE(m_Invoker.Send(new CFunctionCommand([&] { runs += !sentDeleted; }, &sentDeleted), true));
    EXPECT_TRUE(sentDeleted);
    EXPECT_TRUE(m_Invoker.Post(new CFunctionCommand([&] { runs += !postedDeleted; }, &postedDeleted), true));
    EXPECT_FALSE(postedDeleted);
    Harness::RunUntilIdle();
    EXPECT_TRUE(postedDeleted);
    EXPECT_EQ(runs, 2);
}

TEST_F(COSXThreadInvokerTest, WithoutATargetThreadNothingRunsAndOnlyOwnedCommandsAreDeleted)
{
    COSXThreadInvoker never;
    COSXThreadInvoker cleared(NSThread::currentThread());
    cleared.SetThread(nullptr);
    for (COSXThreadInvoker* invoker : {&never, &cleared}) {
        for (bool send : {true, false}) {
            SCOPED_TRACE(send ? "Send" : "Post");
            std::atomic<bool> ownedDeleted{false};
            std::atomic<bool> keptDeleted{false};
            auto* owned = new CFunctionCommand({}, &ownedDeleted);
            CFunctionCommand kept({}, &keptDeleted);
            EXPECT_FALSE(send ? invoker->Send(owned, true) : invoker->Post(owned, true));
            EXPECT_FALSE(send ? invoker->Send(&kept, false) : invoker->Post(&kept, false));
            EXPECT_TRUE(ownedDeleted);
            Harness::RunUntilIdle();
            EXPECT_EQ(kept.GetCount(), 0);
            EXPECT_FALSE(keptDeleted);
        }
    }
    EXPECT_TRUE(m_Invoker.Send(nullptr, true));
}

TEST_F(COSXThreadInvokerTest, CancelledRecordsNeverRunTheirOwnedCommandsGoOnceAndTheirObjectsAreReleased)
{
    std::atomic<bool> deleted{false};
    CFunctionCommand kept;
    auto* owned = new CFunctionCommand({}, &deleted);
    EXPECT_TRUE(m_Invoker.Post(owned, true));
    EXPECT_TRUE(m_Invoker.Post(&kept, false));
    EXPECT_EQ(Harness::LiveObjects(), 2u);
    m_Invoker.CancelPending();
    EXPECT_TRUE(deleted);
    // The requests still arrive, find nothing and release their objects.
    Harness::RunUntilIdle();
    EXPECT_EQ(kept.GetCount(), 0);
    EXPECT_EQ(Harness::LiveObjects(), 0u);
}

TEST_F(COSXThreadInvokerTest, CommandThatPostsToItsOwnInvokerRunsItAfterItself)
{
    std::vector<int> log;
    CFunctionCommand inner([&] { log.push_back(2); });
    CFunctionCommand sentInline([&] { log.push_back(3); });
    CFunctionCommand outer([&] {
        log.push_back(1);
        m_Invoker.Post(&inner, false);
        // A Send from inside a command on the target thread runs inline.
        m_Invoker.Send(&sentInline, false);
        log.push_back(4);
    });
    m_Invoker.Post(&outer, false);
    EXPECT_EQ(CFRunLoopRunInMode(kCFRunLoopDefaultMode, 1.0, true), kCFRunLoopRunHandledSource);
    EXPECT_EQ(log, (std::vector<int>{1, 3, 4}));
    Harness::RunUntilIdle();
    EXPECT_EQ(log, (std::vector<int>{1, 3, 4, 2}));
}

TEST_F(COSXThreadInvokerTest, CommandThatClosesItsOwnerRunsToItsEndOnceAndLeavesNothingPending)
{
    std::atomic<bool> pendingDeleted{false};
    int ends = 0;
    auto* pending = new CFunctionCommand({}, &pendingDeleted);
    CFunctionCommand closing([&] {
        m_Invoker.Post(pending, true);
        // What a window's destruction does from inside one of its own commands.
        m_Invoker.SetThread(nullptr);
        m_Invoker.CancelPending();
        ++ends;
    });
    m_Invoker.Post(&closing, false);
    Harness::RunUntilIdle();
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(closing.GetCount(), 1);
    EXPECT_TRUE(pendingDeleted);
    EXPECT_EQ(Harness::LiveObjects(), 0u);
}

TEST_F(COSXThreadInvokerTest, PostedCommandsRunDuringAModalLoop)
{
    CFunctionCommand posted;
    m_Invoker.Post(&posted, false);
    CFRunLoopRunInMode(NSModalPanelRunLoopMode, 0.0, false);
    EXPECT_EQ(posted.GetCount(), 1);
}

} // namespace
} // namespace VeltisTest
