#include <gtest/gtest.h>

#include <atomic>

#include "Veltis/Core/CAutoLock.h"
#include "Veltis/System/CCriticalSection.h"
#include "Veltis/System/CEvent.h"
#include "Veltis/System/CThread.h"
#include "support/BoundedWait.h"

using namespace Veltis;

namespace {

struct CContender {
    System::CCriticalSection* m_Lock;
    std::atomic<bool> m_Acquired{false};
    System::CEvent m_AcquiredEvent;

    static void Run(void* userData)
    {
        CContender* self = static_cast<CContender*>(userData);
        self->m_Lock->Lock();
        self->m_Acquired.store(true);
        self->m_AcquiredEvent.Set();
        self->m_Lock->Unlock();
    }
};

// How long a negative check waits for something that must not happen.
const int kAbsenceWaitMs = 50;

} // namespace

TEST(CCriticalSectionMTTest, OwnerReentersAndMustUnlockAsOftenBeforeAnotherThreadGetsIt)
{
    System::CCriticalSection lock;
    lock.Lock();
    lock.Lock();

    CContender contender;
    contender.m_Lock = &lock;
    System::CThread thread(&CContender::Run, &contender, true);

    lock.Unlock();
    contender.m_AcquiredEvent.Wait(kAbsenceWaitMs);
    EXPECT_FALSE(contender.m_Acquired.load());

    lock.Unlock();
    ASSERT_TRUE(VeltisTest::WaitFor(contender.m_AcquiredEvent, "the contender to get the lock"));
    EXPECT_TRUE(contender.m_Acquired.load());
    EXPECT_TRUE(thread.Join(-1));
}

TEST(CCriticalSectionMTTest, AutoLockHoldsTheLockForItsScope)
{
    System::CCriticalSection lock;
    CContender contender;
    contender.m_Lock = &lock;
    System::CThread thread(&CContender::Run, &contender, false);
    {
        Core::CAutoLock scoped(&lock);
        // Re-entering from the owning thread must not deadlock.
        Core::CAutoLock nested(&lock);
        thread.Start();
        contender.m_AcquiredEvent.Wait(kAbsenceWaitMs);
        EXPECT_FALSE(contender.m_Acquired.load());
    }
    ASSERT_TRUE(VeltisTest::WaitFor(contender.m_AcquiredEvent, "the contender to get the lock"));
    EXPECT_TRUE(contender.m_Acquired.load());
    thread.Join(-1);
}

TEST(CCriticalSectionMTTest, ProtectsAConcurrentCounter)
{
    struct CShared {
        System::CCriticalSection m_Lock;
        int m_Counter = 0;
        static void Run(void* userData)
        {
            CShared* self = static_cast<CShared*>(userData);
            for (int i = 0; i < 10000; ++i) {
                Core::CAutoLock lock(&self->m_Lock);
                ++self->m_Counter;
            }
        }
    } shared;
    System::CThread first(&CShared::Run, &shared, true);
    System::CThread second(&CShared::Run, &shared, true);
    first.Join(-1);
    second.Join(-1);
    EXPECT_EQ(shared.m_Counter, 20000);
}
