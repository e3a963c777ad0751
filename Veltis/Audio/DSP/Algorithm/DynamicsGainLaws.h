#pragma once

#include "Veltis/Audio/DSP/Algorithm/TPeakEnvelopeFollower.h"

// Static curves of the dynamics filters: the gain factor for an envelope e, all in 32-bit floats.

namespace Veltis {
namespace Audio {
namespace DSP {
namespace Algorithm {

// Threshold T and slope S of the output envelope above it (linear amplitudes), with a quadratic knee of
// half-width W around T. W <= 0 leaves no knee and never divides by it.
inline float GetCompressorGain(float e, float threshold, float kneeWidth, float slope)
{
    if (e > threshold + kneeWidth)
        return ((e - threshold) * slope + threshold) / e;
    if (e > threshold - kneeWidth) {
        const float d = e - threshold + kneeWidth;
        return (d * d * (slope - 1.0f) / (4.0f * kneeWidth) + e) / e;
    }
    return 1.0f;
}

// Full scale with a knee starting at the factor K below it: the output envelope reaches 1 at 2 - K
// with zero slope, and is exactly 1 above.
inline float GetLimiterGain(float e, float knee)
{
    if (e > 2.0f - knee)
        return 1.0f / e;
    if (e > knee) {
        const float d = e - knee;
        return (e - d * d / (4.0f * (1.0f - knee))) / e;
    }
    return 1.0f;
}

// One sample of the compressor or the limiter: follow the input, turn the envelope into a gain, apply it.
template <class GainLaw>
inline float ProcessDynamicsSample(const TPeakEnvelopeFollower<float>& follower, GainLaw law,
                                   typename TPeakEnvelopeFollower<float>::CChannelState& state, float x, float& gain)
{
    follower.Step(state, x);
    gain = law(state.m_Envelope);
    float y = x * gain;
    if (IsZeroOrSubnormal(y))
        y = 0.0f;
    return y;
}

// The sample loop of the compressor and the limiter: follow the input, turn the envelope into a gain,
// apply it; during a ramp advance the entries high order first and re-apply entry 0 after every sample
// k with (k & updateMask) == 0. The gain of the last sample is left in gain.
template <class Entry, class GainLaw, class Apply>
void ProcessDynamics(TPeakEnvelopeFollower<float>& follower, GainLaw law, Entry* steps, int sets,
                     unsigned updateMask, Apply apply, const float* input, int inputStep, float* output,
                     int outputStep, int count, float& gain)
{
    // State in locals: the output pointer could otherwise alias the follower's vectors and the gain.
    typename TPeakEnvelopeFollower<float>::CChannelState state = follower.LoadChannel(0);
    float lastGain = gain;
    for (int k = 0; k < count; ++k) {
        *output = ProcessDynamicsSample(follower, law, state, *input, lastGain);
        input += inputStep;
        output += outputStep;
        if (sets >= 2) {
            for (int j = sets - 2; j >= 0; --j)
                steps[j].Advance(steps[j + 1]);
            if ((static_cast<unsigned>(k) & updateMask) == 0)
                apply(steps[0]);
        }
    }
    follower.StoreChannel(0, state);
    gain = lastGain;
}

} // namespace Algorithm
} // namespace DSP
} // namespace Audio
} // namespace Veltis
