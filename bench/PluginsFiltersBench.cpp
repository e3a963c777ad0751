#include "PluginsFilters/CStereoTessaline.h"
#include "Veltis/Audio/DSP/CAudioStreams.h"
#include "Veltis/Audio/DSP/CDynamicParamsVariations.h"
#include "Veltis/Audio/DSP/CParamsValues.h"
#include "Veltis/DataModel/Objects/IConstParamInfo.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

using namespace Veltis::Audio::DSP;
using PluginsFilters::CStereoTessaline;
using PluginsFilters::CTessaline;

namespace {

const double kRate = 48000.0;

enum EScenario { kEveryStage, kOversampled, kRamping, kEqOnly, kAllOff };

// The stereo values of a scenario: every section and band active with gains; the non-linear stages and
// the limiter on except for the EQ-only scenario; oversampling in its scenario. With every section off
// (the defaults) what is left is the fixed cost of a block.
std::vector<float> ScenarioValues(const CStereoTessaline& stereo, EScenario scenario)
{
    std::vector<float> v;
    for (int i = 0; i < stereo.GetInputParamsInfo().GetCount(); ++i)
        v.push_back(stereo.GetInputParamsInfo().GetAt(i).GetDefault());
    if (scenario == kAllOff)
        return v;
    const bool nonLinear = scenario != kEqOnly;
    v[CTessaline::kLimiter] = nonLinear ? 1.0f : 0.0f;
    v[CTessaline::kNonLinear] = nonLinear ? 40.0f : 0.0f;
    v[CTessaline::kOversample] = scenario == kOversampled ? 1.0f : 0.0f;
    for (int base = 0; base <= 30; base += 30) {
        v[base + CTessaline::kLowActive] = 1;
        v[base + CTessaline::kLowGain] = 3;
        v[base + CTessaline::kHighActive] = 1;
        v[base + CTessaline::kHighGain] = -2;
        for (int band = 0; band < 5; ++band) {
            v[base + CTessaline::kBand1Active + 4 * band] = 1;
            v[base + CTessaline::kBand1Active + 4 * band + 3] = band % 2 ? 4.0f : -5.0f;
        }
    }
    return v;
}

// The stereo processor at 48 kHz; the counter "realtime" is seconds of audio processed per second.
void BM_StereoTessaline(benchmark::State& state)
{
    const EScenario scenario = static_cast<EScenario>(state.range(0));
    const int block = static_cast<int>(state.range(1));
    CStereoTessaline stereo;
    bool apply = true;
    stereo.SetSampleRate(apply, kRate);
    std::vector<float> values = ScenarioValues(stereo, scenario);
    stereo.SetParamsValues(CParamsValues(static_cast<int>(values.size()), values.data()));

    // Ramps of the seven filters of both channels: frequency, gain and bandwidth move every block.
    CDynamicParamsVariations variations(2, static_cast<int>(values.size()));
    std::vector<float> increments(values.size(), 0.0f);
    for (int base = 0; base <= 30; base += 30) {
        increments[base + CTessaline::kLowFreq] = 0.001f;
        increments[base + CTessaline::kLowGain] = 0.0001f;
        increments[base + CTessaline::kHighFreq] = -0.01f;
        increments[base + CTessaline::kHighGain] = 0.0001f;
        for (int band = 0; band < 5; ++band) {
            increments[base + CTessaline::kBand1Active + 4 * band + 1] = 0.002f;
            increments[base + CTessaline::kBand1Active + 4 * band + 2] = 0.00001f;
            increments[base + CTessaline::kBand1Active + 4 * band + 3] = 0.0001f;
        }
    }

    std::vector<float> left(block), right(block);
    std::mt19937 random(1);
    std::uniform_real_distribution<float> uniform(-0.5f, 0.5f);
    std::vector<float> source(1 << 16);
    for (float& s : source)
        s = uniform(random);
    CAudioStream streams[2] = {CAudioStream(left.data(), block), CAudioStream(right.data(), block)};
    CAudioStreams vector(2, streams);
    // Past the start-up fades and the limiter's tail, which the timed blocks should not carry.
    {
        std::vector<float> warmLeft(512), warmRight(512);
        CAudioStream warm[2] = {CAudioStream(warmLeft.data(), 512), CAudioStream(warmRight.data(), 512)};
        CAudioStreams warmVector(2, warm);
        for (int done = 0; done < 3 * static_cast<int>(kRate); done += 512) {
            for (int k = 0; k < 512; ++k) {
                warmLeft[k] = source[(done + k) & 0xFFFF];
                warmRight[k] = source[(done + k + 777) & 0xFFFF];
            }
            const CProcessContext context = {&warmVector, &warmVector, 512, nullptr, nullptr};
            stereo.Process(context);
        }
    }
    size_t position = 0;
    long blocks = 0;
    for (auto _ : state) {
        for (int k = 0; k < block; ++k) {
            left[k] = source[(position + k) & 0xFFFF];
            right[k] = source[(position + k + 777) & 0xFFFF];
        }
        position += block;
        const IParamsVariations* v = nullptr;
        if (scenario == kRamping) {
            // Back and forth every second, so that the values stay in range.
            const float direction = (blocks / static_cast<long>(kRate / block)) % 2 ? -1.0f : 1.0f;
            for (size_t i = 0; i < values.size(); ++i) {
                variations.GetAt(0).SetValue(static_cast<int>(i), values[i]);
                variations.GetAt(1).SetValue(static_cast<int>(i), direction * increments[i]);
                values[i] += direction * increments[i] * block;
            }
            v = &variations;
        }
        const CProcessContext context = {&vector, &vector, block, v, nullptr};
        stereo.Process(context);
        benchmark::DoNotOptimize(left.data());
        benchmark::DoNotOptimize(right.data());
        ++blocks;
    }
    state.counters["realtime"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * block / kRate, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_StereoTessaline)
    ->ArgNames({"scenario", "block"})
    ->ArgsProduct({{kEveryStage, kOversampled, kRamping, kEqOnly, kAllOff}, {512, 64, 1}});

} // namespace
