#pragma once

#include "PluginsFilters/CTessaline.h"
#include "Veltis/Audio/DSP/CAudioStream.h"
#include "Veltis/Audio/DSP/CAudioStreams.h"
#include "Veltis/Audio/DSP/CDynamicParamsVariations.h"
#include "Veltis/Audio/DSP/CParamsValues.h"
#include "Veltis/DataModel/Objects/IConstParamInfo.h"
#include "support/MonoFilterBlocks.h"

#include <cmath>
#include <cstring>
#include <vector>

// Driving a mono equaliser block by block in the tests of the equaliser.
namespace TessalineTest {

using PluginsFilters::CTessaline;
using Veltis::Audio::DSP::CAudioStream;
using Veltis::Audio::DSP::CAudioStreams;
using Veltis::Audio::DSP::CDynamicParamsVariations;
using Veltis::Audio::DSP::CParamsValues;
using Veltis::Audio::DSP::CProcessContext;

const double kPi = 3.14159265358979323846;

typedef std::vector<float> Values;

inline Values Defaults(const Veltis::Audio::DSP::IFilter& filter)
{
    Values values;
    for (int i = 0; i < filter.GetInputParamsInfo().GetCount(); ++i)
        values.push_back(filter.GetInputParamsInfo().GetAt(i).GetDefault());
    return values;
}

inline int Band(int band, int offset) { return CTessaline::kBand1Active + 4 * (band - 1) + offset; }

// Variation sets: set 0 the values, set 1 the increments (none when empty).
inline void MakeVariations(CDynamicParamsVariations& variations, const Values& values, const Values& increments = {})
{
    const int sets = increments.empty() ? 1 : 2;
    variations.SetCount(sets);
    variations.SetParamsCount(static_cast<int>(values.size()));
    for (size_t i = 0; i < values.size(); ++i) {
        variations.GetAt(0).SetValue(static_cast<int>(i), values[i]);
        if (sets == 2)
            variations.GetAt(1).SetValue(static_cast<int>(i), increments[i]);
    }
}

// Runs one block of a mono filter in place on samples; variations may be null.
inline void RunBlock(Veltis::Audio::DSP::IFilter& filter, float* samples, int count,
                     const Veltis::Audio::DSP::IParamsVariations* variations = nullptr)
{
    VeltisTest::ProcessInPlace(filter, samples, count, variations);
}

// Runs a whole signal through in blocks of the given size.
inline void RunSignal(Veltis::Audio::DSP::IFilter& filter, std::vector<float>& signal, int block)
{
    for (size_t done = 0; done < signal.size(); done += block) {
        const int count = static_cast<int>(std::min<size_t>(block, signal.size() - done));
        RunBlock(filter, signal.data() + done, count);
    }
}

inline std::vector<float> Sine(double frequency, double rate, int count, double amplitude = 0.25)
{
    std::vector<float> signal(count);
    for (int n = 0; n < count; ++n)
        signal[n] = static_cast<float>(amplitude * std::sin(2.0 * kPi * frequency * n / rate));
    return signal;
}

// Amplitude of the steady-state sine at the known frequency in output[from..], fitted by least squares
// to both quadratures (the output may lag by any phase).
inline double FitAmplitude(const std::vector<float>& output, double frequency, double rate, int from)
{
    double ss = 0, sc = 0, cc = 0, ys = 0, yc = 0;
    for (size_t n = from; n < output.size(); ++n) {
        const double phase = 2.0 * kPi * frequency * n / rate;
        const double s = std::sin(phase), c = std::cos(phase);
        ss += s * s;
        sc += s * c;
        cc += c * c;
        ys += output[n] * s;
        yc += output[n] * c;
    }
    const double det = ss * cc - sc * sc;
    const double p = (ys * cc - yc * sc) / det;
    const double q = (yc * ss - ys * sc) / det;
    return std::sqrt(p * p + q * q);
}

// Gain in dB of the steady-state sine in output[from..] against the input sine's amplitude.
inline double MeasureDb(const std::vector<float>& output, double frequency, double rate, int from,
                        double amplitude = 0.25)
{
    return 20.0 * std::log10(FitAmplitude(output, frequency, rate, from) / amplitude);
}

inline bool SameBits(const std::vector<float>& a, const std::vector<float>& b)
{
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(float)) == 0;
}

inline void Prepare(Veltis::Audio::DSP::IFilter& filter, double rate, const Values& values)
{
    bool apply = true;
    filter.SetSampleRate(apply, rate);
    filter.SetParamsValues(CParamsValues(static_cast<int>(values.size()), values.data()));
}

} // namespace TessalineTest
