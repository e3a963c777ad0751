#pragma once

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

} // namespace Algorithm
} // namespace DSP
} // namespace Audio
} // namespace Veltis
