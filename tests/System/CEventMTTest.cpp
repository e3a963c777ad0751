#include <gtest/gtest.h>

#include <atomic>
#include <chrono>

#include "Veltis/System/CEvent.h"
#include "Veltis/System/CThread.h"
#include "support/BoundedWait.h"

using namespace Veltis::System;

namespace {

const int kAbsenceWaitMs = 50;

// Waits on an event without limit and reports through its own event that it passed.
struct CWaiter {
    CEvent* m_Event = nullptr;
    std::atomic<bool> m_Passed{false};
    CEvent m_PassedEvent;

    static void Run(void* userData)
    {
        CWaiter* self = static_cast<CWaiter*>(userData);
        self->m_Event->Wait(-1);
        self->m_Passed.store(true);
        self->m_PassedEvent.Set();
    }
};

} // namespace

TEST(CEventMTTest, ZeroWaitReturnsTrueWhetherSignalledOrNotAndKeepsTheState)
{
    CEvent event(false);
    EXPECT_TRUE(event.Wait(0));
    EXPECT_TRUE(event.Set());
    EXPECT_TRUE(event.Wait(0));
    // Manual reset: the state survives waits.
    EXPECT_TRUE(event.Wait(0));
    EXPECT_TRUE(event.Wait(-1));
}

TEST(CEventMTTest, TimedWaitOnUnsignalledEventLastsAtLeastTheTimeout)
{
    CEvent event(false);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(event.Wait(30));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_GE(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 29);
}

TEST(CEventMTTest, SetReleasesEveryWaiter)
{
    CEvent event(false);
    CWaiter waiters[3];
    CThread* threads[3];
    for (int i = 0; i < 3; ++i) {
        waiters[i].m_Event = &event;
        threads[i] = new CThread(&CWaiter::Run, &waiters[i], true);
    }
    event.Set();
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(VeltisTest::WaitFor(waiters[i].m_PassedEvent, "the waiter to pass"));
        EXPECT_TRUE(threads[i]->Join(-1));
        delete threads[i];
    }
}

TEST(CEventMTTest, ResetBlocksLaterWaitersUntilTheNextSet)
{
    CEvent event(true);
    event.Reset();
    CWaiter waiter;
    waiter.m_Event = &event;
    CThread thread(&CWaiter::Run, &waiter, true);
    waiter.m_PassedEvent.Wait(kAbsenceWaitMs);
    EXPECT_FALSE(waiter.m_Passed.load());
    event.Set();
    ASSERT_TRUE(VeltisTest::WaitFor(waiter.m_PassedEvent, "the waiter to pass"));
    EXPECT_TRUE(waiter.m_Passed.load());
    thread.Join(-1);
}
