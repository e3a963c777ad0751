#include "Veltis/Audio/DSP/Algorithm/CBiquadFrequencyResponse.h"

#include "Veltis/Runtime/CObjectsFactory.h"
#include "Veltis/Serialization/IReadDataStream.h"
#include "Veltis/Serialization/IWriteDataStream.h"

#include <cmath>

namespace Veltis {
namespace Audio {
namespace DSP {
namespace Algorithm {

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kInvTwoPi = 0.15915494309189535;

// Rounding can put the quotient one ulp outside [-1, 1], where acos gives NaN.
double ClampedAcos(double x) { return std::acos(x < -1.0 ? -1.0 : (x > 1.0 ? 1.0 : x)); }

// The wrapped angle of re + j im in turns, [0, 1); 0 for the origin.
double AngleInTurns(double im, double re)
{
    const double magnitude = std::sqrt(im * im + re * re);
    if (magnitude == 0.0)
        return 0.0;
    const double turns = ClampedAcos(re / magnitude) * kInvTwoPi;
    return im >= 0.0 ? turns : 1.0 - turns;
}

} // namespace

bool CBiquadFrequencyResponse::Serialize(Serialization::IWriteDataStream& stream) const
{
    bool ok = stream.WriteDouble("inputCoeff0", m_InputCoeff0);
    ok = stream.WriteDouble("inputCoeff1", m_InputCoeff1) && ok;
    ok = stream.WriteDouble("inputCoeff2", m_InputCoeff2) && ok;
    ok = stream.WriteDouble("outputCoeff1", m_OutputCoeff1) && ok;
    ok = stream.WriteDouble("outputCoeff2", m_OutputCoeff2) && ok;
    return stream.WriteDouble("invSampleRate", m_InvSampleRate) && ok;
}

bool CBiquadFrequencyResponse::DeSerialize(const Serialization::IReadDataStream& stream)
{
    bool ok = stream.ReadDouble("inputCoeff0", m_InputCoeff0);
    ok = stream.ReadDouble("inputCoeff1", m_InputCoeff1) && ok;
    ok = stream.ReadDouble("inputCoeff2", m_InputCoeff2) && ok;
    ok = stream.ReadDouble("outputCoeff1", m_OutputCoeff1) && ok;
    ok = stream.ReadDouble("outputCoeff2", m_OutputCoeff2) && ok;
    return stream.ReadDouble("invSampleRate", m_InvSampleRate) && ok;
}

bool CBiquadFrequencyResponse::HasSameCoefficients(const CBiquad& biquad) const
{
    return m_InputCoeff0 == biquad.b0 && m_InputCoeff1 == biquad.b1 && m_InputCoeff2 == biquad.b2 &&
           m_OutputCoeff1 == biquad.c1 && m_OutputCoeff2 == biquad.c2;
}

void CBiquadFrequencyResponse::SetCoefficients(const CBiquad& biquad)
{
    m_InputCoeff0 = biquad.b0;
    m_InputCoeff1 = biquad.b1;
    m_InputCoeff2 = biquad.b2;
    m_OutputCoeff1 = biquad.c1;
    m_OutputCoeff2 = biquad.c2;
}

bool CBiquadFrequencyResponse::ToAngle(double invSampleRate, float frequency, double& theta)
{
    const double t = static_cast<double>(frequency) * invSampleRate;
    if (t > 0.5)
        return false;
    theta = t * kTwoPi;
    return true;
}

float CBiquadGain::GetValue(float frequency) const
{
    double theta;
    if (!ToAngle(m_InvSampleRate, frequency, theta))
        return 0.0f;
    const double s1 = std::sin(theta), s2 = std::sin(2.0 * theta);
    const double c1 = std::cos(theta), c2 = std::cos(2.0 * theta);
    const double im = m_InputCoeff2 * s2 + m_InputCoeff1 * s1;
    const double re = m_InputCoeff1 * c1 + m_InputCoeff2 * c2 + m_InputCoeff0;
    const double numerator = std::sqrt(im * im + re * re);
    const double dIm = -m_OutputCoeff1 * s1 - m_OutputCoeff2 * s2;
    const double dRe = 1.0 - m_OutputCoeff1 * c1 - m_OutputCoeff2 * c2;
    const double denominator = std::sqrt(dIm * dIm + dRe * dRe);
    return static_cast<float>(numerator / denominator);
}

float CBiquadPhaseShift::GetValue(float frequency) const
{
    double theta;
    if (!ToAngle(m_InvSampleRate, frequency, theta))
        return 0.0f;
    theta = static_cast<float>(theta);
    const double s1 = std::sin(theta), s2 = std::sin(2.0 * theta);
    const double c1 = std::cos(theta), c2 = std::cos(2.0 * theta);
    const double r = AngleInTurns(m_InputCoeff2 * s2 + m_InputCoeff1 * s1,
                                  m_InputCoeff1 * c1 + m_InputCoeff2 * c2 + m_InputCoeff0);
    const double u = AngleInTurns(-m_OutputCoeff1 * s1 - m_OutputCoeff2 * s2,
                                  1.0 - m_OutputCoeff1 * c1 - m_OutputCoeff2 * c2);
    return static_cast<float>(r - u);
}

namespace {
[[maybe_unused]] const bool s_GainRegistered = Runtime::RegisterObjectFactories<CBiquadGain, Math::IFunction>();
[[maybe_unused]] const bool s_PhaseRegistered =
    Runtime::RegisterObjectFactories<CBiquadPhaseShift, Math::IFunction>();
} // namespace

} // namespace Algorithm
} // namespace DSP
} // namespace Audio
} // namespace Veltis
