#include <gtest/gtest.h>

#include "aax/AAX_CMutex.h"

TEST(AAX_CMutexTest, SecondLockOnTheHoldingThreadIsRefusedAndOneUnlockReleases)
{
    AAX_CMutex mutex;
    EXPECT_TRUE(mutex.Lock());
    EXPECT_FALSE(mutex.Lock());
    mutex.Unlock();
    EXPECT_TRUE(mutex.Lock());
    mutex.Unlock();
    // An unlock without holding it does nothing.
    mutex.Unlock();
    EXPECT_TRUE(mutex.Lock());
    mutex.Unlock();
}
