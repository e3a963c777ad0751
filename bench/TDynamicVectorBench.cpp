#include "Veltis/Core/TDynamicVector.h"

#include <benchmark/benchmark.h>

using namespace Veltis::Core;

// The bypass manager resizes its stream vector on every block: this must cost only the stores.
static void BM_SetSizeWithinCapacity(benchmark::State& state)
{
    TDynamicVector<float, CStepGrowthStrategy, TMemoryCopier<float>> v(4096);
    int n = 0;
    for (auto _ : state) {
        v.SetSize(1 + (n++ & 4095), false);
        benchmark::DoNotOptimize(v.GetData());
    }
}
BENCHMARK(BM_SetSizeWithinCapacity);
