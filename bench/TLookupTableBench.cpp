#include "Veltis/Core/TLookupTable.h"

#include <benchmark/benchmark.h>

#include <cmath>

using namespace Veltis::Core;

// The limiter and the compressor read the shared decibel table once per output refresh instead of
// computing a logarithm; this keeps the figure of one read against one log10.
static void BM_DecibelTableRead(benchmark::State& state)
{
    const auto& table = GetDecibelTable();
    float x = 0.0005f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(table.GetValue(x));
        x += 0.0007f;
        if (x > 1.2f)
            x = 0.0005f;
    }
}
BENCHMARK(BM_DecibelTableRead);

static void BM_DecibelLog10(benchmark::State& state)
{
    float x = 0.0005f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(20.0f * std::log10(x));
        x += 0.0007f;
        if (x > 1.2f)
            x = 0.0005f;
    }
}
BENCHMARK(BM_DecibelLog10);
