#include "Veltis/Math/IFunction.h"
#include "Veltis/SkinEngine/Formula/CFormulaBuilder.h"

#include "support/BoundedWait.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

namespace
{

// Each thread keeps its own recognizers: builds running side by side give every thread the values
// a lone build gives.
TEST(FormulaParserThreads, BuildsOnSeveralThreadsAgreeWithALoneBuild)
{
    char const* const texts[] = {"x * 2 + 1", "max(0, min(1, x))", "1 +", "-x ^ 2"};
    std::vector<float> expected;
    for (char const* text : texts)
    {
        std::unique_ptr<Veltis::Math::IFunction> f(Veltis::SkinEngine::CFormulaBuilder().CreateFunction(text, "x"));
        expected.push_back(f ? f->GetValue(3.0f) : -1.0f);
    }

    constexpr int kThreads = 4;
    std::atomic<int> finished(0);
    std::atomic<int> mismatches(0);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
    {
        threads.emplace_back([&, t] {
            for (int i = 0; i < 400; ++i)
            {
                std::size_t const k = static_cast<std::size_t>(i + t) % expected.size();
                std::unique_ptr<Veltis::Math::IFunction> f(Veltis::SkinEngine::CFormulaBuilder().CreateFunction(texts[k], "x"));
                if ((f ? f->GetValue(3.0f) : -1.0f) != expected[k])
                    ++mismatches;
            }
            ++finished;
        });
    }
    bool const done = VeltisTest::WaitUntil([&] { return finished.load() == kThreads; }, "the building threads");
    for (std::thread& thread : threads)
        thread.join();
    ASSERT_TRUE(done);
    EXPECT_EQ(mismatches.load(), 0);
}

} // namespace
