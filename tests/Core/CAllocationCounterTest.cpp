#include <gtest/gtest.h>

#include <memory>
#include <new>
#include <thread>
#include <vector>

#include "Veltis/System/CEvent.h"
#include "support/BoundedWait.h"
#include "support/CAllocationCounter.h"

using VeltisTest::CAllocationCounter;

// Later tests rely on a zero count meaning "allocates nothing": the counter must see every form of new.
TEST(CAllocationCounterTest, SeesEveryFormOfNewAndDeleteAndNestedCountersSeeThemToo)
{
    CAllocationCounter outer;
    {
        CAllocationCounter inner;
        delete new int(1);
        delete[] new char[100];
        delete new (std::nothrow) double;
        delete[] new (std::nothrow) short[3];
        struct alignas(64) CWide {
            char m_Bytes[64];
        };
        delete new CWide;
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
            delete new int(2);
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
    CAllocationCounter counter(2);
    std::unique_ptr<int> a(new int(1)), b(new int(2));
    EXPECT_THROW(delete new int(3), std::bad_alloc);
    EXPECT_EQ(new (std::nothrow) int(4), nullptr);
    EXPECT_TRUE(counter.IsLimitHit());
    EXPECT_EQ(counter.GetCount(), 2);
}
