#pragma once

#include "Veltis/Audio/DSP/CAudioStream.h"
#include "Veltis/Audio/DSP/CAudioStreams.h"
#include "Veltis/Audio/DSP/CDynamicParamsVariations.h"
#include "Veltis/Audio/DSP/CParamsValues.h"
#include "Veltis/Audio/DSP/CProcessContext.h"
#include "Veltis/Audio/DSP/IFilter.h"

#include <initializer_list>
#include <vector>

// Drives a mono filter the way a host does: one in-place block over a buffer, with or without variations.
namespace VeltisTest {

inline void ProcessInPlace(Veltis::Audio::DSP::IFilter& filter, float* samples, int count,
                           const Veltis::Audio::DSP::IParamsVariations* variations = nullptr)
{
    using namespace Veltis::Audio::DSP;
    CAudioStream stream(samples, count);
    CAudioStreams streams(1, &stream);
    const CProcessContext context{&streams, &streams, count, variations, nullptr};
    filter.Process(context);
}

inline bool ProcessSilenceInPlace(Veltis::Audio::DSP::IFilter& filter, float* samples, int count,
                                  const Veltis::Audio::DSP::IParamsVariations* variations = nullptr)
{
    using namespace Veltis::Audio::DSP;
    CAudioStream stream(samples, count);
    CAudioStreams streams(1, &stream);
    const CProcessContext context{&streams, &streams, count, variations, nullptr};
    return filter.ProcessSilence(context);
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
