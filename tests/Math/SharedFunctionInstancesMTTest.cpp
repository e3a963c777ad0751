#include "Veltis/Math/TBinaryFunction.h"
#include "Veltis/Math/TFunction.h"
#include "support/BoundedWait.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

using namespace Veltis::Math;

namespace FL = Veltis::Math::FunctionsLibrary;

namespace {

const int kThreadCount = 8;

// Starts every thread, lets them all reach the gate, then opens it at once so that they make their
// first request together; returns what each thread got.
template <class Request>
std::vector<std::vector<const void*>> RaceFirstRequests(Request request)
{
    std::atomic<int> ready(0);
    std::atomic<bool> open(false);
    std::vector<std::vector<const void*>> results(kThreadCount);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreadCount; ++t) {
        threads.emplace_back([&, t] {
            ready.fetch_add(1);
            VeltisTest::WaitUntil([&open] { return open.load(std::memory_order_acquire); }, "the gate to open");
            results[t] = request();
        });
    }
    VeltisTest::WaitUntil([&ready] { return ready.load() >= kThreadCount; }, "every thread to be ready");
    open.store(true, std::memory_order_release);
    for (std::thread& thread : threads)
        thread.join();
    return results;
}

void ExpectOneAddressPerRequest(const std::vector<std::vector<const void*>>& results)
{
    for (int t = 1; t < kThreadCount; ++t) {
        SCOPED_TRACE(t);
        EXPECT_EQ(results[t], results[0]);
    }
    for (const void* address : results[0])
        EXPECT_NE(address, nullptr);
}

} // namespace

// Each test runs in a process of its own, so these are the first requests of the process.
TEST(SharedFunctionInstances, ThreadsRacingTheFirstRequestGetOneInstance)
{
    const auto results = RaceFirstRequests([] {
        std::vector<const void*> addresses;
        addresses.push_back(&TFunction<&FL::Identity>::GetInstance());
        addresses.push_back(&TFunction<&FL::TodB>::GetInstance());
        addresses.push_back(&TFunction<&FL::NormLog2>::GetInstance());
        addresses.push_back(&TFunction<&FL::NormExp2>::GetInstance());
        for (const void* address : addresses)
            static_cast<const IFunction*>(address)->GetValue(0.5f);
        return addresses;
    });
    ExpectOneAddressPerRequest(results);
    EXPECT_EQ(results[0][0], &TFunction<&FL::Identity>::GetInstance());
    const float logOfHalf = TFunction<&FL::NormLog2>::GetInstance().GetValue(0.5f);
    EXPECT_FLOAT_EQ(TFunction<&FL::NormExp2>::GetInstance().GetValue(logOfHalf), 0.5f);
}

TEST(SharedFunctionInstances, ThreadsRacingTheFirstBinaryRequestGetOneInstance)
{
    const auto results = RaceFirstRequests([] {
        std::vector<const void*> addresses;
        addresses.push_back(&TBinaryFunction<&FL::Average>::GetInstance());
        addresses.push_back(&TBinaryFunction<&FL::Sum>::GetInstance());
        addresses.push_back(&TBinaryFunction<&FL::X>::GetInstance());
        return addresses;
    });
    ExpectOneAddressPerRequest(results);
    EXPECT_EQ(results[0][0], &TBinaryFunction<&FL::Average>::GetInstance());
    EXPECT_EQ(TBinaryFunction<&FL::Average>::GetInstance().GetValue(2.0f, 4.0f), 3.0f);
}
