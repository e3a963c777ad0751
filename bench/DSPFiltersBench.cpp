#include "Veltis/Audio/DSP/Algorithm/BiquadDesigns.h"
#include "Veltis/Audio/DSP/Algorithm/CBiquadFrequencyResponse.h"
#include "Veltis/Audio/DSP/CAudioStream.h"
#include "Veltis/Audio/DSP/CAudioStreams.h"
#include "Veltis/Audio/DSP/CDynamicParamsVariations.h"
#include "Veltis/Audio/DSP/CParamsValues.h"
#include "Veltis/Audio/DSP/CProcessContext.h"
#include "Veltis/Audio/DSP/Filters/CBrickwallLimiter.h"
#include "Veltis/Audio/DSP/Filters/CFastCompressor.h"
#include "Veltis/Audio/DSP/Filters/CHighShelfFilter.h"
#include "Veltis/Audio/DSP/Filters/CLowShelfFilter.h"
#include "Veltis/Audio/DSP/Filters/CPeakFilter.h"
#include "Veltis/Audio/DSP/Filters/CPeakMeter.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

// The filters of the equaliser's chain. "realtime" is audio seconds per CPU second at 48 kHz.

using namespace Veltis::Audio::DSP;
using namespace Veltis::Audio::DSP::Filters;

namespace {

constexpr double kRate = 48000.0;

std::vector<float> Noise(int count, float scale = 0.5f)
{
    std::mt19937 random(1);
    std::uniform_real_distribution<float> noise(-scale, scale);
    std::vector<float> samples(count);
    for (float& s : samples)
        s = noise(random);
    return samples;
}

void SetValues(IFilter& filter, std::vector<float> values)
{
    filter.SetParamsValues(CParamsValues(static_cast<int>(values.size()), values.data()));
}

void SetRealtime(benchmark::State& state, int samplesPerIteration)
{
    state.counters["realtime"] = benchmark::Counter(static_cast<double>(state.iterations()) * samplesPerIteration / kRate,
                                                    benchmark::Counter::kIsRate);
}

// One channel of the equaliser's seven bands at typical settings.
struct CBands {
    CBands()
    {
        bool apply = true;
        filters.emplace_back(new CLowShelfFilter);
        for (int i = 0; i < 5; ++i)
            filters.emplace_back(new CPeakFilter);
        filters.emplace_back(new CHighShelfFilter);
        for (auto& filter : filters)
            filter->SetSampleRate(apply, kRate);
        SetValues(*filters[0], {120.0f, 4.0f});
        const float centres[5] = {250.0f, 700.0f, 1800.0f, 4500.0f, 9000.0f};
        for (int i = 0; i < 5; ++i)
            SetValues(*filters[1 + i], {centres[i], 1.0f, i % 2 ? -3.0f : 5.0f});
        SetValues(*filters[6], {10000.0f, -2.0f});
    }

    std::vector<std::unique_ptr<IFilter>> filters;
};

// sets: 0 steady, 2 or 3 every band ramping (frequency, bandwidth and gain moving).
void RunBands(benchmark::State& state, int sets, float inputScale)
{
    const int block = static_cast<int>(state.range(0));
    CBands channels[2];
    std::vector<float> samples[2] = {Noise(block, inputScale), Noise(block, inputScale)};
    CDynamicParamsVariations shelf, peak;
    shelf.SetCount(sets);
    shelf.SetParamsCount(2);
    peak.SetCount(sets);
    peak.SetParamsCount(3);
    for (int i = 0; i < sets; ++i) {
        const float scale = i == 0 ? 1.0f : (i == 1 ? 1e-3f : 1e-7f);
        shelf.GetAt(i).SetValue(0, 500.0f * scale);
        shelf.GetAt(i).SetValue(1, 3.0f * scale);
        peak.GetAt(i).SetValue(0, 1000.0f * scale);
        peak.GetAt(i).SetValue(1, 1.0f * scale);
        peak.GetAt(i).SetValue(2, 6.0f * scale);
    }
    for (auto _ : state) {
        for (int c = 0; c < 2; ++c) {
            CAudioStream stream(samples[c].data(), block);
            CAudioStreams streams(1, &stream);
            auto& filters = channels[c].filters;
            for (size_t i = 0; i < filters.size(); ++i) {
                const bool isShelf = i == 0 || i == filters.size() - 1;
                const IParamsVariations* variations = sets ? (isShelf ? &shelf : &peak) : nullptr;
                filters[i]->Process({&streams, &streams, block, variations, nullptr});
            }
        }
        benchmark::ClobberMemory();
    }
    SetRealtime(state, block);
}

} // namespace

static void BM_SevenBiquadsStereo(benchmark::State& state) { RunBands(state, 0, 0.5f); }
BENCHMARK(BM_SevenBiquadsStereo)->Arg(32)->Arg(64)->Arg(512)->Arg(4096);

static void BM_SevenBiquadsStereoRamp2Sets(benchmark::State& state) { RunBands(state, 2, 0.5f); }
BENCHMARK(BM_SevenBiquadsStereoRamp2Sets)->Arg(512);

static void BM_SevenBiquadsStereoRamp3Sets(benchmark::State& state) { RunBands(state, 3, 0.5f); }
BENCHMARK(BM_SevenBiquadsStereoRamp3Sets)->Arg(512);

// Subnormal input: the flush keeps the loop on its fast path.
static void BM_SevenBiquadsStereoSubnormalInput(benchmark::State& state) { RunBands(state, 0, 1e-39f); }
BENCHMARK(BM_SevenBiquadsStereoSubnormalInput)->Arg(512);

// The same arithmetic as a bare loop over fourteen sections, without streams, calls or flushes.
static void BM_SevenBiquadsStereoBareLoop(benchmark::State& state)
{
    const int block = static_cast<int>(state.range(0));
    CBands channels[2];
    std::vector<float> samples[2] = {Noise(block), Noise(block)};
    struct CSection {
        double b0, b1, b2, c1, c2, x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    };
    std::vector<CSection> sections;
    for (auto& channel : channels)
        for (auto& filter : channel.filters) {
            const auto& q = dynamic_cast<CBiquadFilter&>(*filter).GetBiquad();
            sections.push_back({q.b0, q.b1, q.b2, q.c1, q.c2});
        }
    for (auto _ : state) {
        for (int c = 0; c < 2; ++c) {
            for (int i = 0; i < 7; ++i) {
                CSection s = sections[c * 7 + i];
                float* x = samples[c].data();
                for (int k = 0; k < block; ++k) {
                    const double in = x[k];
                    const double acc = (((s.x2 * s.b2 + s.x1 * s.b1) + s.y1 * s.c1) + s.y2 * s.c2) + in * s.b0;
                    x[k] = static_cast<float>(acc);
                    s.x2 = s.x1;
                    s.x1 = in;
                    s.y2 = s.y1;
                    s.y1 = acc;
                }
                sections[c * 7 + i] = s;
            }
        }
        benchmark::ClobberMemory();
    }
    SetRealtime(state, block);
}
BENCHMARK(BM_SevenBiquadsStereoBareLoop)->Arg(32)->Arg(64)->Arg(512)->Arg(4096);

// The equaliser's non-linear stage under a "Non Linear" ramp, recomputed every sample (mode 0) or every
// 16 samples (mode 4).
static void BM_CompressorRamp(benchmark::State& state)
{
    const int block = 512;
    CFastCompressor compressor;
    compressor.SetMode(static_cast<int>(state.range(0)));
    bool apply = true;
    compressor.SetSampleRate(apply, kRate);
    CDynamicParamsVariations ramp(2, 5);
    const float set0[5] = {0.01f, 0.02f, 2.0f, 0.3f, 2.5f};
    const float set1[5] = {0.0f, 0.0f, -6e-5f, -4e-6f, 5e-5f};
    for (int i = 0; i < 5; ++i) {
        ramp.GetAt(0).SetValue(i, set0[i]);
        ramp.GetAt(1).SetValue(i, set1[i]);
    }
    std::vector<float> samples = Noise(block, 2.0f);
    for (auto _ : state) {
        CAudioStream stream(samples.data(), block);
        CAudioStreams streams(1, &stream);
        compressor.Process({&streams, &streams, block, &ramp, nullptr});
        benchmark::ClobberMemory();
    }
    SetRealtime(state, block);
}
BENCHMARK(BM_CompressorRamp)->Arg(0)->Arg(4);

static void BM_Limiter(benchmark::State& state)
{
    const int block = 512;
    CBrickwallLimiter limiter;
    bool apply = true;
    limiter.SetSampleRate(apply, kRate);
    SetValues(limiter, {0.5f, 3.0f});
    CDynamicParamsVariations ramp(2, 2);
    ramp.GetAt(0).SetValue(0, 0.5f);
    ramp.GetAt(0).SetValue(1, 3.0f);
    ramp.GetAt(1).SetValue(0, 1e-5f);
    ramp.GetAt(1).SetValue(1, 1e-4f);
    std::vector<float> samples = Noise(block, 2.0f);
    for (auto _ : state) {
        CAudioStream stream(samples.data(), block);
        CAudioStreams streams(1, &stream);
        limiter.Process({&streams, &streams, block, state.range(0) ? &ramp : nullptr, nullptr});
        benchmark::ClobberMemory();
    }
    SetRealtime(state, block);
}
BENCHMARK(BM_Limiter)->ArgName("ramping")->Arg(0)->Arg(1);

static void BM_PeakMeter(benchmark::State& state)
{
    const int block = 512;
    const int channels = static_cast<int>(state.range(0));
    const CPeakMeter::CSettings settings = {channels, -60.0f, 0.0f, 0.0f};
    CPeakMeter meter(&settings);
    bool apply = true;
    meter.SetSampleRate(apply, kRate);
    std::vector<float> left = Noise(block), right = Noise(block);
    CAudioStream streams[2] = {CAudioStream(left.data(), block), CAudioStream(right.data(), block)};
    CAudioStreams inputs(channels, streams);
    for (auto _ : state) {
        meter.Process({&inputs, &inputs, block, nullptr, nullptr});
        benchmark::ClobberMemory();
    }
    SetRealtime(state, block);
}
BENCHMARK(BM_PeakMeter)->ArgName("channels")->Arg(1)->Arg(2);

static void BM_BiquadResponsePoint(benchmark::State& state)
{
    Veltis::Audio::DSP::Algorithm::CBiquad peak;
    Veltis::Audio::DSP::Algorithm::DesignPeak({0.13f, 0.5f, 2.0f}, peak);
    std::unique_ptr<Veltis::Math::IFunction> response;
    if (state.range(0))
        response.reset(new Veltis::Audio::DSP::Algorithm::CBiquadPhaseShift);
    else
        response.reset(new Veltis::Audio::DSP::Algorithm::CBiquadGain);
    auto& biquadResponse = dynamic_cast<Veltis::Audio::DSP::Algorithm::CBiquadFrequencyResponse&>(*response);
    biquadResponse.SetCoefficients(peak);
    biquadResponse.SetInvSampleRate(1.0 / kRate);
    float f = 20.0f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(response->GetValue(f));
        f = f < 20000.0f ? f * 1.01f : 20.0f;
    }
}
BENCHMARK(BM_BiquadResponsePoint)->ArgName("phase")->Arg(0)->Arg(1);
