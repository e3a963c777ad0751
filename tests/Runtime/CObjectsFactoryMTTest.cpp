#include "Veltis/Runtime/CObjectsFactory.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>
#include <vector>

using namespace Veltis::Runtime;

namespace {

class IValue {
public:
    static constexpr const char* kInterfaceId = "{55555555-6666-4eee-8888-999999999999}";
    virtual int Get() const = 0;
    virtual ~IValue() {}
};

class CSeven : public IValue {
public:
    static constexpr const char* kClassId = "{66666666-7777-4fff-9999-AAAAAAAAAAAA}";
    int Get() const override { return 7; }
};

const bool s_Registered = RegisterObjectFactories<CSeven, IValue>();

// After start-up the registry is only read; deserialisation reads it from several threads at once.
TEST(CObjectsFactory, ConcurrentCreationNeedsNoLock)
{
    ASSERT_TRUE(s_Registered);
    const int kThreads = 4;
    const int kObjects = 2000;
    std::vector<int> sums(kThreads, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&sums, t] {
            for (int i = 0; i < kObjects; ++i) {
                std::unique_ptr<IValue> value(static_cast<IValue*>(
                    CObjectsFactory::GetInstance()->CreateObject(CSeven::kClassId, IValue::kInterfaceId)));
                sums[t] += value ? value->Get() : 0;
                EXPECT_EQ(CObjectsFactory::GetInstance()->CreateObject(CSeven::kClassId, "{}"), nullptr);
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    for (int sum : sums)
        EXPECT_EQ(sum, 7 * kObjects);
}

} // namespace
