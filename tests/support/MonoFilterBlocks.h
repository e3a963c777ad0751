#pragma once

#include "Veltis/Audio/DSP/CAudioStream.h"
#include "Veltis/Audio/DSP/CAudioStreams.h"
#include "Veltis/Audio/DSP/CDynamicParamsVariations.h"
#include "Veltis/Audio/DSP/CParamsValues.h"
#include "Veltis/Audio/DSP/CProcessContext.h"
#include "Veltis/Audio/DSP/IFilter.h"

#include <initializer_list>
#include <random>
#include <vector>

// Drives a mono filter the way a host does: one in-place block over a buffer, with or without variations.
namespace VeltisTest {

template <class Run>
auto RunInPlace(float* samples, int count, const Veltis::Audio::DSP::IParamsVariations* variations, Run run)
{
    using namespace Veltis::Audio::DSP;
    CAudioStream stream(samples, count);
    CAudioStreams streams(1, &stream);
    return run(CProcessContext{&streams, &streams, count, variations, nullptr});
}

inline void ProcessInPlace(Veltis::Audio::DSP::IFilter& filter, float* samples, int count,
                           const Veltis::Audio::DSP::IParamsVariations* variations = nullptr)
{
    RunInPlace(samples, count, variations,
               [&](const Veltis::Audio::DSP::CProcessContext& context) { filter.Process(context); });
}

inline bool ProcessSilenceInPlace(Veltis::Audio::DSP::IFilter& filter, float* samples, int count,
                                  const Veltis::Audio::DSP::IParamsVariations* variations = nullptr)
{
    return RunInPlace(samples, count, variations,
                      [&](const Veltis::Audio::DSP::CProcessContext& context) { return filter.ProcessSilence(context); });
}

// Sets of equal length, set 0 first.
inline void FillVariations(Veltis::Audio::DSP::CDynamicParamsVariations& variations,
                           std::initializer_list<std::initializer_list<float>> sets)
{
    const int values = sets.size() ? static_cast<int>(sets.begin()->size()) : 0;
    variations.SetCount(static_cast<int>(sets.size()));
    variations.SetParamsCount(values);
    int i = 0;
    for (const auto& set : sets) {
        int j = 0;
        for (float value : set)
            variations.GetAt(i).SetValue(j++, value);
        ++i;
    }
}

// Reproducible uniform noise in [-scale, scale].
inline std::vector<float> Noise(int count, float scale = 1.0f, unsigned seed = 3)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> noise(-scale, scale);
    std::vector<float> samples(count);
    for (float& s : samples)
        s = noise(random);
    return samples;
}

inline void SetValues(Veltis::Audio::DSP::IFilter& filter, std::initializer_list<float> values)
{
    const std::vector<float> copy(values);
    filter.SetParamsValues(Veltis::Audio::DSP::CParamsValues(static_cast<int>(copy.size()), copy.data()));
}

inline void SetRate(Veltis::Audio::DSP::IFilter& filter, double rate, bool applyDefaults = true)
{
    bool apply = applyDefaults;
    filter.SetSampleRate(apply, rate);
}

} // namespace VeltisTest
