#include "Veltis/Math/TBinaryFunction.h"
#include "Veltis/Math/TFunction.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

using namespace Veltis::Math;

namespace FL = Veltis::Math::FunctionsLibrary;

namespace {

const int kPointCount = 512;

std::vector<float> MakePoints()
{
    std::vector<float> points(kPointCount);
    for (int i = 0; i < kPointCount; ++i)
        points[i] = static_cast<float>(i) / kPointCount;
    return points;
}

} // namespace

// A response curve drawn point by point: each value passes through a chain of function objects, the
// way a parameter's response curve feeds a filter response converted to decibels.
static void BM_FunctionChainPerPoint(benchmark::State& state)
{
    std::unique_ptr<IFunction> fromdB(TFunction<&FL::FromdB>().Clone());
    const IFunction* chain[] = {&TFunction<&FL::NormExp2>::GetInstance(), &TFunction<&FL::Square>::GetInstance(),
                                fromdB.get(), &TFunction<&FL::TodB>::GetInstance()};
    const std::vector<float> points = MakePoints();
    std::vector<float> curve(kPointCount);
    for (auto _ : state) {
        for (int i = 0; i < kPointCount; ++i) {
            float value = points[i];
            for (const IFunction* function : chain)
                value = function->GetValue(value);
            curve[i] = value;
        }
        benchmark::DoNotOptimize(curve.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kPointCount);
}
BENCHMARK(BM_FunctionChainPerPoint);

// The cheapest objects, so that the cost of the virtual call itself shows.
static void BM_BinaryFunctionChainPerPoint(benchmark::State& state)
{
    const IBinaryFunction* chain[] = {&TBinaryFunction<&FL::Average>::GetInstance(),
                                      &TBinaryFunction<&FL::Product>::GetInstance(),
                                      &TBinaryFunction<&FL::Max>::GetInstance()};
    const std::vector<float> points = MakePoints();
    std::vector<float> curve(kPointCount);
    for (auto _ : state) {
        for (int i = 0; i < kPointCount; ++i) {
            float value = points[i];
            for (const IBinaryFunction* function : chain)
                value = function->GetValue(value, 0.5f);
            curve[i] = value;
        }
        benchmark::DoNotOptimize(curve.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kPointCount);
}
BENCHMARK(BM_BinaryFunctionChainPerPoint);
