#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "Veltis/System/CEvent.h"
#include "Veltis/System/CThreadInvokerSerializer.h"
#include "support/CFunctionCommand.h"

using namespace Veltis;
using VeltisTest::CFunctionCommand;

TEST(CThreadInvokerSerializerMTTest, ClearFromAnotherThreadDoesNotWaitForTheDrainedCommand)
{
    System::CThreadInvokerSerializer serializer(nullptr, nullptr, 10);
    serializer.Start();
    System::CEvent entered;
    System::CEvent cleared;
    std::atomic<bool> clearedInTime(false);
    std::atomic<bool> clearedAndWaited(false);
    // Bounded, so that a lock held during the drain fails the test instead of hanging it.
    CFunctionCommand waiting([&] {
        entered.Set();
        cleared.Wait(10000);
        clearedInTime.store(clearedAndWaited.load());
    });
    CFunctionCommand discarded;
    serializer.Post(&waiting, false);
    serializer.Post(&discarded, false);

    std::thread tick([&serializer] { serializer.Execute(); });
    entered.Wait(-1);
    serializer.Clear();
    clearedAndWaited.store(true);
    cleared.Set();
    tick.join();
    EXPECT_TRUE(clearedInTime.load());
    EXPECT_EQ(discarded.GetCount(), 0);
    serializer.Stop();
}
