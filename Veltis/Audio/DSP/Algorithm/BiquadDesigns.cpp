#include "Veltis/Audio/DSP/Algorithm/BiquadDesigns.h"

#include <cmath>

namespace Veltis {
namespace Audio {
namespace DSP {
namespace Algorithm {

namespace {

void DesignPass(const CPassTerms& terms, CBiquad& biquad, bool highPass)
{
    const double w = LimitOmega(terms.m_Omega);
    const double s = std::sin(w);
    const double c = std::cos(w);
    const double alpha = s * 0.7071067811865476;
    const double k = 1.0 / (alpha + 1.0);
    if (highPass) {
        biquad.b0 = (c + 1.0) * 0.5 * k;
        biquad.b1 = (-1.0 - c) * k;
    } else {
        biquad.b0 = (1.0 - c) * 0.5 * k;
        biquad.b1 = (1.0 - c) * k;
    }
    biquad.b2 = biquad.b0;
    biquad.c1 = 2.0 * c * k;
    biquad.c2 = (alpha - 1.0) * k;
}

// The high shelf is the low shelf with the sign of every cos term turned.
void DesignShelf(const CShelfTerms& terms, CBiquad& biquad, double sign)
{
    const double w = LimitOmega(terms.m_Omega);
    const double s = std::sin(w);
    const double c = sign * std::cos(w);
    const double a = terms.m_A;
    const double A = static_cast<float>(terms.m_A * terms.m_A);
    const double beta = s * 1.4142135623730951 * a;
    const double k = 1.0 / ((((A - 1.0) * c + A) + beta) + 1.0);
    biquad.b0 = A * (((A + 1.0) - (A - 1.0) * c) + beta) * k;
    biquad.b1 = sign * (2.0 * A) * ((A - 1.0) - (A + 1.0) * c) * k;
    biquad.b2 = A * (((A + 1.0) - (A - 1.0) * c) - beta) * k;
    biquad.c1 = sign * (2.0 * ((A - 1.0) + (A + 1.0) * c)) * k;
    biquad.c2 = -(((A + 1.0) + (A - 1.0) * c) - beta) * k;
}

} // namespace

void DesignLowPass(const CPassTerms& terms, CBiquad& biquad) { DesignPass(terms, biquad, false); }

void DesignHighPass(const CPassTerms& terms, CBiquad& biquad) { DesignPass(terms, biquad, true); }

void DesignLowShelf(const CShelfTerms& terms, CBiquad& biquad) { DesignShelf(terms, biquad, 1.0); }

void DesignHighShelf(const CShelfTerms& terms, CBiquad& biquad) { DesignShelf(terms, biquad, -1.0); }

void DesignPeak(const CPeakTerms& terms, CBiquad& biquad)
{
    const double w = LimitOmega(terms.m_Omega);
    const double s = std::sin(w);
    const double c = std::cos(w);
    double h = terms.m_HalfBandwidth;
    if (!(h >= kMinHalfBandwidth))
        h = kMinHalfBandwidth;
    const double gain = terms.m_Gain;
    const double alpha = h * s;
    const double k = 1.0 / (alpha / gain + 1.0);
    biquad.b0 = (gain * alpha + 1.0) * k;
    biquad.b1 = (-2.0 * c) * k;
    biquad.b2 = (1.0 - gain * alpha) * k;
    biquad.c1 = (2.0 * c) * k;
    biquad.c2 = (alpha / gain - 1.0) * k;
}

} // namespace Algorithm
} // namespace DSP
} // namespace Audio
} // namespace Veltis
