#include "Veltis/Math/IFunction.h"
#include "Veltis/SkinEngine/Formula/CFormulaBuilder.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace
{

// A response curve as a skin writes it: a normalised value mapped to decibels with a clamp.
constexpr char const* kSkinFormula = "max(-60, min(12, 20 * log(abs(x) + 0.001) / log(10))) * (x >= 0)";

void BuildSkinFormula(benchmark::State& state)
{
    for (auto _ : state)
    {
        std::unique_ptr<Veltis::Math::IFunction> function(
            Veltis::SkinEngine::CFormulaBuilder().CreateFunction(kSkinFormula, "x"));
        benchmark::DoNotOptimize(function.get());
    }
}
BENCHMARK(BuildSkinFormula);

void EvaluateSkinFormula(benchmark::State& state)
{
    std::unique_ptr<Veltis::Math::IFunction> function(
        Veltis::SkinEngine::CFormulaBuilder().CreateFunction(kSkinFormula, "x"));
    if (function == nullptr)
    {
        state.SkipWithError("the formula did not build");
        return;
    }
    float x = 0.0f;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(function->GetValue(x));
        x += 0.001f;
        if (x > 1.0f)
            x = 0.0f;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(EvaluateSkinFormula);

} // namespace
