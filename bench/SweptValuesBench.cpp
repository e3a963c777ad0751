#include "Veltis/Math/CConstantFunction.h"
#include "Veltis/Math/CSweptCurvesFunction.h"
#include "Veltis/Math/CSweptValues.h"

#include <benchmark/benchmark.h>

using Veltis::Math::CConstantFunction;
using Veltis::Math::CSweptCurvesFunction;
using Veltis::Math::CSweptValues;

namespace {

// A full ring of evenly spaced samples (the refresh timer's case) or one whose spacing varies a
// hundredfold, so that the density estimate starts far from the bracket. Returns the recorded span.
float FillRing(CSweptValues& swept, int size, bool uneven)
{
    swept.SetMaxPointsCount(size);
    const float first = 0.01f;
    float time = first;
    for (int i = 0; i < size; ++i) {
        swept.AddPoint(time, static_cast<float>(i));
        time += uneven && (i % 16) == 0 ? 1.0f : 0.01f;
    }
    return time - first;
}

// Evaluation over the whole recorded span, as a drawn curve asks for it: the cost per point must not
// grow with the ring.
void EvaluateSweptValues(benchmark::State& state, bool uneven)
{
    const int size = static_cast<int>(state.range(0));
    CSweptValues swept;
    const float span = FillRing(swept, size, uneven);
    const int points = 256;
    for (auto _ : state) {
        float sum = 0.0f;
        for (int p = 0; p < points; ++p)
            sum += swept.GetValue(-span * static_cast<float>(p) / points);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * points);
}

void SweptValuesEven(benchmark::State& state) { EvaluateSweptValues(state, false); }
void SweptValuesUneven(benchmark::State& state) { EvaluateSweptValues(state, true); }

void SweptCurvesEven(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0));
    CSweptCurvesFunction swept;
    swept.SetMaxPointsCount(size);
    for (int i = 0; i < size; ++i)
        swept.AddPoint(0.01f * static_cast<float>(i + 1), CConstantFunction(static_cast<float>(i)));
    const float span = static_cast<float>(size) * 0.01f;
    const int points = 256;
    for (auto _ : state) {
        float sum = 0.0f;
        for (int p = 0; p < points; ++p)
            sum += swept.GetValue(-span * static_cast<float>(p) / points, 0.5f);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * points);
}

} // namespace

// Rings up to what a history of minutes at a display refresh rate needs; beyond the caches the cost per
// point is memory latency, not search.
BENCHMARK(SweptValuesEven)->RangeMultiplier(4)->Range(16, 1 << 15);
BENCHMARK(SweptValuesUneven)->RangeMultiplier(4)->Range(16, 1 << 15);
BENCHMARK(SweptCurvesEven)->RangeMultiplier(4)->Range(16, 1 << 13);
