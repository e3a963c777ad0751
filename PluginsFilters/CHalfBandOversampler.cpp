#include "PluginsFilters/CHalfBandOversampler.h"

#include "Veltis/Audio/DSP/IAudioStream.h"

namespace PluginsFilters {

CHalfBandOversampler::CHalfBandOversampler(int capacity) : m_up(capacity), m_down(capacity) {}

void CHalfBandOversampler::SetCoefficients(int n, bool steep)
{
    m_up.SetCoefficients(n, steep);
    m_down.SetCoefficients(n, steep);
}

void CHalfBandOversampler::Clear()
{
    m_up.Clear();
    m_down.Clear();
}

void CHalfBandOversampler::Upsample(const Veltis::Audio::DSP::IAudioStream& input, float* output, int count)
{
    const float* in = input.GetBuffer();
    const long step = input.GetStep();
    for (int k = 0; k < count; ++k) {
        const float s = in ? in[k * step] : 0.0f;
        double first, second;
        m_up.InterpolatePair(s, first, second);
        float o0 = static_cast<float>(first);
        float o1 = static_cast<float>(second);
        o0 = o0 * 2.0f;
        o1 = o1 * 2.0f;
        output[2 * k] = o0;
        output[2 * k + 1] = o1;
    }
    m_up.RecoverFromNonFinite();
}

void CHalfBandOversampler::Downsample(const float* input, Veltis::Audio::DSP::IAudioStream& output, int count)
{
    float* out = output.GetBuffer();
    const long step = output.GetStep();
    for (int k = 0; k < count; ++k) {
        const float o = static_cast<float>(m_down.DecimatePair(input[2 * k], input[2 * k + 1]));
        if (out)
            out[k * step] = o;
    }
    m_down.RecoverFromNonFinite();
}

} // namespace PluginsFilters
