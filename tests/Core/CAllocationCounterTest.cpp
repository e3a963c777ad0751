#include <gtest/gtest.h>

#include <memory>
#include <new>
#include <thread>
#include <vector>

#include "Veltis/System/CEvent.h"
#include "support/BoundedWait.h"
#include "support/CAllocationCounter.h"

using VeltisTest::CAllocationCounter;
using VeltisTest::Keep;

// Later tests rely on a zero count meaning "allocates nothing": the counter must see every form of new.
TEST(CAllocationCounterTest, SeesEveryFormOfNewAndDeleteAndNestedCountersSeeThemToo)
{
    CAllocationCounter outer;
    {
        CAllocationCounter inner;
        delete Keep(new int(1));
        delete[] Keep(new char[100]);
        delete Keep(new (std::nothrow) double);
        delete[] Keep(new (std::nothrow) short[3]);
        struct alignas(64) CWide {
            char m_Bytes[64];
        };
        delete Keep(new CWide);
        std::vector<int> numbers(1000);
        EXPECT_EQ(inner.GetCount(), 6);
        EXPECT_EQ(inner.GetFreeCount(), 5) << "the vector is still there";
        EXPECT_EQ(inner.GetLargest(), 4000u);
        EXPECT_GE(inner.GetBytes(), 4000u + 100u + 64u);
    }
    EXPECT_EQ(outer.GetCount(), 6);
    EXPECT_EQ(outer.GetFreeCount(), 6);
}

TEST(CAllocationCounterTest, AnotherThreadsAllocationsAreNotCounted)
{
    Veltis::System::CEvent go;
    std::thread other([&go] {
        if (VeltisTest::WaitFor(go, "the counter"))
            delete Keep(new int(2));
    });
    {
        CAllocationCounter counter;
        go.Set();
        other.join();
        EXPECT_EQ(counter.GetCount(), 0);
        EXPECT_EQ(counter.GetFreeCount(), 0);
    }
}

TEST(CAllocationCounterTest, NewPastTheLimitThrowsAndNothrowNewReturnsNull)
{
    bool threw = false;
    int* refused = nullptr;
    bool limitHit = false;
    long count = 0;
    {
        CAllocationCounter counter(2);
        std::unique_ptr<int> a(Keep(new int(1))), b(Keep(new int(2)));
        try {
            delete Keep(new int(3));
        } catch (const std::bad_alloc&) {
            threw = true;
        }
        refused = Keep(new (std::nothrow) int(4));
        limitHit = counter.IsLimitHit();
        count = counter.GetCount();
    }
    // Checked once the counter went: a failing check allocates.
    EXPECT_TRUE(threw);
    EXPECT_EQ(refused, nullptr);
    delete refused;
    EXPECT_TRUE(limitHit);
    EXPECT_EQ(count, 2);
}
