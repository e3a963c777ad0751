#include "Veltis/Audio/DSP/AudioStreamOperations.h"
#include "Veltis/Audio/DSP/CAudioStreams.h"
#include "Veltis/Audio/DSP/CDynamicParamsVariations.h"
#include "Veltis/Audio/DSP/CFilterBypassManager.h"
#include "Veltis/Audio/DSP/CProcessInfo.h"
#include "Veltis/Audio/DSP/Filters/CGain.h"
#include "Veltis/Audio/DSP/TFullStereoFromMonoFilter.h"
#include "Veltis/DataModel/Objects/CProductInfo.h"

#include <benchmark/benchmark.h>

#include <vector>

using namespace Veltis::Audio::DSP;
using Veltis::Audio::DSP::Filters::CGain;

namespace {

const int kBlock = 512;

// Two channels of kBlock samples, separate (step 1) or interleaved (step 2).
struct CStereoBuffers {
    explicit CStereoBuffers(int step, int count = kBlock)
        : m_In(2 * count, 0.5f), m_Out(2 * count, 0.0f),
          m_InStreams{Stream(m_In, 0, step, count), Stream(m_In, 1, step, count)},
          m_OutStreams{Stream(m_Out, 0, step, count), Stream(m_Out, 1, step, count)}, m_Inputs(2, m_InStreams),
          m_Outputs(2, m_OutStreams)
    {
    }
    static CAudioStream Stream(std::vector<float>& memory, int channel, int step, int count)
    {
        return step == 1 ? CAudioStream(memory.data() + channel * count, count)
                         : CAudioStream(memory.data(), 2 * count, 2, channel);
    }

    std::vector<float> m_In, m_Out;
    CAudioStream m_InStreams[2], m_OutStreams[2];
    CAudioStreams m_Inputs, m_Outputs;
};

void BM_CopyStreams(benchmark::State& state)
{
    CStereoBuffers buffers(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CopyStreams(buffers.m_Inputs, buffers.m_Outputs, kBlock);
        benchmark::DoNotOptimize(buffers.m_Out.data());
    }
    state.SetItemsProcessed(state.iterations() * 2 * kBlock);
}
BENCHMARK(BM_CopyStreams)->Arg(1)->Arg(2);

void BM_CrossfadeStreams(benchmark::State& state)
{
    CStereoBuffers buffers(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        float position = 0.0f;
        CrossfadeStreams(buffers.m_Inputs, buffers.m_Outputs, buffers.m_Outputs, kBlock, position, 1.0f / 1024);
        benchmark::DoNotOptimize(buffers.m_Out.data());
    }
    state.SetItemsProcessed(state.iterations() * 2 * kBlock);
}
BENCHMARK(BM_CrossfadeStreams)->Arg(1)->Arg(2);

void BM_ApplyGainRamp(benchmark::State& state)
{
    CStereoBuffers buffers(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        float gain = 0.0f;
        ApplyGainRamp(buffers.m_Inputs, buffers.m_Outputs, kBlock, gain, 1.0f / 1024);
        benchmark::DoNotOptimize(buffers.m_Out.data());
    }
    state.SetItemsProcessed(state.iterations() * 2 * kBlock);
}
BENCHMARK(BM_ApplyGainRamp)->Arg(1)->Arg(2);

void BM_ClearStreams(benchmark::State& state)
{
    CStereoBuffers buffers(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        ClearStreams(buffers.m_Outputs);
        benchmark::DoNotOptimize(buffers.m_Out.data());
    }
    state.SetItemsProcessed(state.iterations() * 2 * kBlock);
}
BENCHMARK(BM_ClearStreams)->Arg(1)->Arg(2);

// Gain over one channel with 0 (steady) to 3 (ramping with curvature) variation sets.
void BM_GainProcess(benchmark::State& state)
{
    const int sets = static_cast<int>(state.range(0));
    CGain gain;
    bool apply = true;
    gain.SetSampleRate(apply, 44100);
    CStereoBuffers buffers(1);
    CAudioStreams mono(1, buffers.m_InStreams), out(1, buffers.m_OutStreams);
    CDynamicParamsVariations variations(sets, 1);
    for (int s = 0; s < sets; ++s)
        variations.GetAt(s).SetValue(0, s == 0 ? -6.0f : 1e-6f);
    const CProcessContext context = {&mono, &out, kBlock, &variations, nullptr};
    for (auto _ : state) {
        gain.Process(context);
        benchmark::DoNotOptimize(buffers.m_Out.data());
    }
    state.SetItemsProcessed(state.iterations() * kBlock);
}
BENCHMARK(BM_GainProcess)->DenseRange(0, 3);

// 0: a direct call; 1: behind an active manager; 2: fading; 3: bypassed.
void BM_BypassManager(benchmark::State& state)
{
    const int mode = static_cast<int>(state.range(0));
    CGain gain;
    bool apply = true;
    gain.SetSampleRate(apply, 44100);
    CFilterBypassManager manager;
    manager.SetSampleRate(44100);
    manager.SetTransitionTime(mode == 2 ? 10000.0f : 0.0f);
    manager.ReserveBuffers(1, kBlock);
    if (mode >= 2)
        manager.SetBypass(true);
    CStereoBuffers buffers(1);
    CAudioStreams mono(1, buffers.m_InStreams), out(1, buffers.m_OutStreams);
    const CProcessContext context = {&mono, &out, kBlock, nullptr, nullptr};
    for (auto _ : state) {
        if (mode == 0) {
            gain.Process(context);
        } else {
            if (mode == 2 && !manager.IsFading())
                manager.SetBypass(manager.IsActive());
            manager.Process(gain, context);
        }
        benchmark::DoNotOptimize(buffers.m_Out.data());
    }
    state.SetItemsProcessed(state.iterations() * kBlock);
}
BENCHMARK(BM_BypassManager)->DenseRange(0, 3);

// A mono filter with 35 parameters that does nothing: what remains is the stereo split.
class CNoOpFilter : public CBaseCoreDSPFilter {
public:
    CNoOpFilter()
    {
        CParamsInfo params(35);
        SetInputParamsInfo(params);
    }
    IFilter* Clone() const override { return new CNoOpFilter(*this); }
    const Veltis::DataModel::Objects::IConstProductInfo& GetObjectInfo() const override
    {
        static const Veltis::DataModel::Objects::CProductInfo info("No-op", "1", "", "");
        return info;
    }
    const IProcessInfo& GetProcessInfo() const override
    {
        static const CProcessInfo info(1, 1);
        return info;
    }
};

void BM_FullStereoSplit(benchmark::State& state)
{
    const int sets = static_cast<int>(state.range(0));
    const int block = 32;
    TFullStereoFromMonoFilter<CNoOpFilter> stereo(5, -1);
    CStereoBuffers buffers(1, block);
    CDynamicParamsVariations variations(3, 65);
    variations.SetCount(sets);
    for (int s = 0; s < sets; ++s)
        for (int i = 0; i < 65; ++i)
            variations.GetAt(s).SetValue(i, s == 0 ? static_cast<float>(i) : (i == 40 ? 0.01f : 0.0f));
    const CProcessContext context = {&buffers.m_Inputs, &buffers.m_Outputs, block, &variations, nullptr};
    for (auto _ : state)
        stereo.Process(context);
}
BENCHMARK(BM_FullStereoSplit)->DenseRange(0, 3);

} // namespace
