#pragma once

#include "PluginsFilters/CHalfBandFilter.h"

namespace Veltis {
namespace Audio {
namespace DSP {
class IAudioStream;
}
} // namespace Audio
} // namespace Veltis

namespace PluginsFilters {

// The pair of half-band filters around one channel's oversampled chain: m_up interpolates by 2 (a zero
// between input samples, doubled to keep unity gain), m_down decimates by 2. Their states are separate.
// Each runs its branches at the lower rate, with the same output bits as the filter run sample by sample
// at the doubled rate.
class CHalfBandOversampler {
public:
    explicit CHalfBandOversampler(int capacity);

    void SetCoefficients(int n, bool steep);
    void Clear();

    // count samples of input, read with the stream's step (zeros when it has no buffer), to 2 x count
    // contiguous samples.
    void Upsample(const Veltis::Audio::DSP::IAudioStream& input, float* output, int count);
    // 2 x count contiguous samples to count samples of output, written with its step (skipped when it
    // cannot be written).
    void Downsample(const float* input, Veltis::Audio::DSP::IAudioStream& output, int count);

    CHalfBandFilter& GetUp() { return m_up; }
    CHalfBandFilter& GetDown() { return m_down; }

private:
    CHalfBandFilter m_up;
    CHalfBandFilter m_down;
};

} // namespace PluginsFilters
