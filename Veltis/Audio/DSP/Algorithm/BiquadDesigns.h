#pragma once

#include "Veltis/Audio/DSP/Algorithm/CBiquad.h"
#include "Veltis/Math/FunctionsLibrary.h"

// The coefficient designs of the five biquad kinds (bilinear transform with prewarping: Butterworth low
// and high pass, shelves of slope 1, a peak whose bandwidth in octaves is 1/Q), and their stepping terms:
// the parameters in the form the designs take, advanced sample by sample during a ramp.

namespace Veltis {
namespace Audio {
namespace DSP {
namespace Algorithm {

// The digital frequency is held inside (0, pi), where the designs are stable; values of the parameter
// ranges at 44.1 kHz and above lie inside the bounds and are used unchanged. NaN takes the lower bound.
constexpr double kMinOmega = 1e-5;
constexpr double kMaxOmega = 3.141592653589793 * 0.999;
// A peak of zero bandwidth would put its poles on the unit circle.
constexpr double kMinHalfBandwidth = 1e-3;

inline double LimitOmega(float omega)
{
    const double w = omega;
    if (!(w >= kMinOmega))
        return kMinOmega;
    return w > kMaxOmega ? kMaxOmega : w;
}

// Radians per sample, from hertz (an absolute frequency or a per-sample increment).
inline float FrequencyToOmega(double invSampleRate, float frequency)
{
    return static_cast<float>(6.283185307179586 * invSampleRate * static_cast<double>(frequency));
}

// The square root of the shelf amplitude, from decibels (absolute or per-sample increment).
inline float ShelfGainToFactor(float gain) { return Math::FunctionsLibrary::FromdB(0.25f * gain); }

// The peak amplitude, from decibels.
inline float PeakGainToFactor(float gain) { return Math::FunctionsLibrary::FromdB(0.5f * gain); }

inline float BandwidthToHalf(float bandwidth) { return 0.5f * bandwidth; }

class CPassTerms {
public:
    void Advance(const CPassTerms& step) { m_Omega += step.m_Omega; }

    float m_Omega;
};

class CShelfTerms {
public:
    void Advance(const CShelfTerms& step)
    {
        m_Omega += step.m_Omega;
        m_A *= step.m_A;
    }

    float m_Omega;
    float m_A;
};

class CPeakTerms {
public:
    void Advance(const CPeakTerms& step)
    {
        m_Omega += step.m_Omega;
        m_HalfBandwidth += step.m_HalfBandwidth;
        m_Gain *= step.m_Gain;
    }

    float m_Omega;
    float m_HalfBandwidth;
    float m_Gain;
};

void DesignLowPass(const CPassTerms& terms, CBiquad& biquad);
void DesignHighPass(const CPassTerms& terms, CBiquad& biquad);
void DesignLowShelf(const CShelfTerms& terms, CBiquad& biquad);
void DesignHighShelf(const CShelfTerms& terms, CBiquad& biquad);
void DesignPeak(const CPeakTerms& terms, CBiquad& biquad);

// A block whose parameters ramp: after every sample the terms advance from the highest order down
// (orders - 1 of them are steps) and the design recomputes the coefficients.
template <class Terms, class Design>
void ProcessBiquadRamp(CBiquad& biquad, Terms* steps, int orders, Design design, const float* input, int inputStep,
                       float* output, int outputStep, int count)
{
    for (int k = 0; k < count; ++k) {
        const float x = *input;
        *output = biquad.ProcessSample(x);
        input += inputStep;
        output += outputStep;
        for (int j = orders - 2; j >= 0; --j)
            steps[j].Advance(steps[j + 1]);
        design(steps[0], biquad);
    }
}

} // namespace Algorithm
} // namespace DSP
} // namespace Audio
} // namespace Veltis
