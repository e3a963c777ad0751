#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "aax/AAX_CMutex.h"
#include "Veltis/System/CEvent.h"

namespace {
// How long a negative check waits for something that must not happen.
const int kAbsenceWaitMs = 50;
// Bounded, so that a fault fails the test instead of hanging it.
const int kMaxWaitMs = 10000;
}

TEST(AAX_CMutexMTTest, AnotherThreadWaitsForTheHolderAndCannotUnlockForIt)
{
    AAX_CMutex mutex;
    ASSERT_TRUE(mutex.Lock());
    Veltis::System::CEvent aboutToLock, lockReturned;
    std::atomic<bool> returned{false}, gotIt{false};
    std::thread other([&] {
        // Not the holder: this unlock must change nothing.
        mutex.Unlock();
        aboutToLock.Set();
        const bool locked = mutex.Lock();
        gotIt.store(locked);
        returned.store(true);
        lockReturned.Set();
        if (locked)
            mutex.Unlock();
    });
    aboutToLock.Wait(kMaxWaitMs);
    lockReturned.Wait(kAbsenceWaitMs);
    EXPECT_FALSE(returned.load());
    // Still ours: a second lock is refused rather than deadlocking.
    EXPECT_FALSE(mutex.Lock());
    mutex.Unlock();
    lockReturned.Wait(kMaxWaitMs);
    EXPECT_TRUE(returned.load());
    EXPECT_TRUE(gotIt.load());
    other.join();
}
