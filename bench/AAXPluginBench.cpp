#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "Veltis/Audio/DSP/CAudioStream.h"
#include "Veltis/Audio/DSP/CAudioStreams.h"
#include "Veltis/Audio/DSP/CProcessContext.h"
#include "Veltis/Audio/DSP/IFilter.h"
#include "Veltis/Audio/Plugin/ProductEntry.h"
#include "aax/AAX_VCollection.h"
#include "aax/Exports/GetEffectDescriptions.h"
#include "platform/aax/AAXChunkRecord.h"
#include "platform/aax/host/CHostEnvironment.h"
#include "platform/aax/host/CHostInstance.h"

// The whole product through the host's render procedure beside the processor alone (the road's
// overhead), and the state chunk. "realtime" is audio seconds per CPU second at 48 kHz.

namespace {

using Veltis::Platform::AAXHost::CHostEnvironment;
using Veltis::Platform::AAXHost::CHostInstance;

constexpr double kRate = 48000.0;

std::vector<float> Noise(int count)
{
    std::mt19937 random(3);
    std::uniform_real_distribution<float> noise(-0.5f, 0.5f);
    std::vector<float> samples(static_cast<size_t>(count));
    for (float& s : samples)
        s = noise(random);
    return samples;
}

// One initialised instance in process, with the user's folder in a temporary one.
struct CBenchInstance {
    CBenchInstance()
    {
        char folder[] = "/tmp/veltis-bench-XXXXXX";
        if (mkdtemp(folder))
            setenv("XDG_CONFIG_HOME", folder, 1);
        AAX_VCollection collection(m_Host.GetHostUnknown());
        VeltisExt::AAXPlugin::GetEffectDescriptions(&collection);
        const auto& effect = m_Host.GetDescription().m_Effects.at(0);
        m_Instance.reset(new CHostInstance(m_Host, effect, effect.m_Components.at(0)));
        m_Instance->Create();
        Veltis::Platform::AAXHost::SInstanceSettings settings;
        settings.m_SampleRate = static_cast<float>(kRate);
        // Default settings, like the processor alone beside it.
        m_Instance->Initialize(settings);
    }

    CHostEnvironment m_Host;
    std::unique_ptr<CHostInstance> m_Instance;
};

void BM_RenderAudio(benchmark::State& state)
{
    const int block = static_cast<int>(state.range(0));
    CBenchInstance bench;
    std::vector<float> left = Noise(block), right = Noise(block), outLeft(left.size()), outRight(left.size());
    float* inputs[2] = {left.data(), right.data()};
    float* outputs[2] = {outLeft.data(), outRight.data()};
    Veltis::Platform::AAXHost::SAudioBlock audio;
    audio.m_Inputs = inputs;
    audio.m_InputChannels = 2;
    audio.m_Outputs = outputs;
    audio.m_OutputChannels = 2;
    audio.m_Frames = block;
    for (auto _ : state) {
        bench.m_Instance->Render(audio);
        benchmark::DoNotOptimize(outLeft.data());
    }
    state.counters["realtime"] = benchmark::Counter(static_cast<double>(block) / kRate, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_RenderAudio)->Arg(512)->Arg(64)->Arg(1);

void BM_ProcessorAlone(benchmark::State& state)
{
    const int block = static_cast<int>(state.range(0));
    std::unique_ptr<Veltis::Audio::DSP::IFilter> processor(CreateProcessor());
    bool apply = true;
    processor->SetSampleRate(apply, kRate);
    std::vector<float> left = Noise(block), right = Noise(block), outLeft(left.size()), outRight(left.size());
    Veltis::Audio::DSP::CAudioStream in[2] = {Veltis::Audio::DSP::CAudioStream(left.data(), block),
                                               Veltis::Audio::DSP::CAudioStream(right.data(), block)};
    Veltis::Audio::DSP::CAudioStream out[2] = {Veltis::Audio::DSP::CAudioStream(outLeft.data(), block),
                                                Veltis::Audio::DSP::CAudioStream(outRight.data(), block)};
    Veltis::Audio::DSP::CAudioStreams inputs(2, in), outputs(2, out);
    const Veltis::Audio::DSP::CProcessContext context = {&inputs, &outputs, block, nullptr, nullptr};
    for (auto _ : state) {
        processor->Process(context);
        benchmark::DoNotOptimize(outLeft.data());
    }
    state.counters["realtime"] = benchmark::Counter(static_cast<double>(block) / kRate, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ProcessorAlone)->Arg(512)->Arg(64);

void BM_StateChunkSave(benchmark::State& state)
{
    CBenchInstance bench;
    std::vector<unsigned char> chunk;
    for (auto _ : state) {
        bench.m_Instance->SaveChunk(AAXFourCharCode("crvn"), chunk);
        benchmark::DoNotOptimize(chunk.data());
    }
    state.counters["bytes"] = static_cast<double>(chunk.size());
}
BENCHMARK(BM_StateChunkSave);

void BM_StateChunkRestore(benchmark::State& state)
{
    CBenchInstance bench;
    std::vector<unsigned char> chunk;
    bench.m_Instance->SaveChunk(AAXFourCharCode("crvn"), chunk);
    for (auto _ : state) {
        bench.m_Instance->RestoreChunk(chunk);
        bench.m_Instance->AnswerAutomationRequests();
    }
}
BENCHMARK(BM_StateChunkRestore);

} // namespace
