#include "Veltis/System/CLockedPointerList.h"

#include "Veltis/Core/CAutoLock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <vector>

using Veltis::Core::CAutoLock;
using Veltis::System::CLockedPointerList;

namespace {

TEST(CLockedPointerList, UsersHoldingTheLockNeverLoseEntries)
{
    CLockedPointerList list;
    EXPECT_TRUE(list.GetList().empty());
    const int kPerThread = 2000;
    std::vector<int> objects(2 * kPerThread);

    // Each thread adds its half and removes every other entry it added, walking the shared list.
    auto work = [&](int first) {
        for (int i = first; i < first + kPerThread; ++i) {
            CAutoLock lock(&list.GetLock());
            list.GetList().push_back(&objects[i]);
        }
        for (int i = first; i < first + kPerThread; i += 2) {
            CAutoLock lock(&list.GetLock());
            list.GetList().remove(&objects[i]);
        }
    };
    std::thread a(work, 0);
    std::thread b(work, kPerThread);
    a.join();
    b.join();

    ASSERT_EQ(list.GetList().size(), static_cast<size_t>(kPerThread));
    for (int i = 1; i < 2 * kPerThread; i += 2) {
        const auto& entries = list.GetList();
        EXPECT_NE(std::find(entries.begin(), entries.end(), &objects[i]), entries.end());
    }
}

} // namespace
