#include <gtest/gtest.h>

#include <atomic>

#include "Veltis/System/CEvent.h"
#include "Veltis/System/CThread.h"
#include "Veltis/System/CWaitableEvent.h"
#include "support/BoundedWait.h"

using namespace Veltis::System;

namespace {

const int kAbsenceWaitMs = 50;

// Waits on the auto-reset event without limit, counting each pass and reporting it.
struct CWaiter {
    CWaitableEvent* m_Event = nullptr;
    std::atomic<int>* m_Passes = nullptr;
    CEvent* m_PassedEvent = nullptr;

    static void Run(void* userData)
    {
        CWaiter* self = static_cast<CWaiter*>(userData);
        self->m_Event->Wait(-1);
        self->m_Passes->fetch_add(1);
        self->m_PassedEvent->Set();
    }
};

} // namespace

TEST(CWaitableEventMTTest, TwoSetsBeforeOneWaitWakeItOnceAndTheNextWaitBlocks)
{
    CWaitableEvent event(false);
    event.Set();
    event.Set();
    EXPECT_TRUE(event.Wait(-1));

    std::atomic<int> passes{0};
    CEvent passed;
    CWaiter waiter{&event, &passes, &passed};
    CThread thread(&CWaiter::Run, &waiter, true);
    passed.Wait(kAbsenceWaitMs);
    EXPECT_EQ(passes.load(), 0);

    event.Set();
    ASSERT_TRUE(VeltisTest::WaitFor(passed, "a waiter to pass"));
    EXPECT_EQ(passes.load(), 1);
    thread.Join(-1);
}

TEST(CWaitableEventMTTest, EachSetReleasesOneWaiter)
{
    CWaitableEvent event(false);
    std::atomic<int> passes{0};
    CEvent passed;
    CWaiter first{&event, &passes, &passed};
    CWaiter second{&event, &passes, &passed};
    CThread firstThread(&CWaiter::Run, &first, true);
    CThread secondThread(&CWaiter::Run, &second, true);

    event.Set();
    ASSERT_TRUE(VeltisTest::WaitFor(passed, "a waiter to pass"));
    passed.Reset();
    EXPECT_EQ(passes.load(), 1);
    passed.Wait(kAbsenceWaitMs);
    EXPECT_EQ(passes.load(), 1);

    event.Set();
    firstThread.Join(-1);
    secondThread.Join(-1);
    EXPECT_EQ(passes.load(), 2);
}
