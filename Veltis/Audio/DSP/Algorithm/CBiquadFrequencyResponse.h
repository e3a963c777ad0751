#pragma once

#include "Veltis/Audio/DSP/Algorithm/CBiquad.h"
#include "Veltis/Math/IFunction.h"

namespace Veltis {
namespace Audio {
namespace DSP {
namespace Algorithm {

// A copy of a biquad's coefficients and sample rate that evaluates its transfer function at any
// frequency in hertz; storable like any function object.
class CBiquadFrequencyResponse : public virtual Math::IFunction {
public:
    CBiquadFrequencyResponse() = default;
    CBiquadFrequencyResponse(const CBiquadFrequencyResponse&) = default;
    CBiquadFrequencyResponse& operator=(const CBiquadFrequencyResponse&) = default;

    // Every value is written (and read) even after a failure, so a partial stream still fills what it can.
    bool Serialize(Serialization::IWriteDataStream& stream) const override;
    bool DeSerialize(const Serialization::IReadDataStream& stream) override;

    bool HasSameCoefficients(const CBiquad& biquad) const;
    void SetCoefficients(const CBiquad& biquad);
    void SetInvSampleRate(double invSampleRate) { m_InvSampleRate = invSampleRate; }
    double GetInvSampleRate() const { return m_InvSampleRate; }

    double m_InputCoeff0 = 0.0;
    double m_InputCoeff1 = 0.0;
    double m_InputCoeff2 = 0.0;
    double m_OutputCoeff1 = 0.0;
    double m_OutputCoeff2 = 0.0;
    double m_InvSampleRate = 0.0;

protected:
    // theta in radians per sample; above half the rate the response is not defined and reads 0.
    static bool ToAngle(double invSampleRate, float frequency, double& theta);
};

// The linear gain |H| at a frequency.
class CBiquadGain : public CBiquadFrequencyResponse {
public:
    static constexpr const char* kClassId = "{F5A5C4CC-51D6-49ec-A269-A3B2B1E8037E}";

    const char* GetTypeId() const override { return kClassId; }
    float GetValue(float frequency) const override;
    Math::IFunction* Clone() const override { return new CBiquadGain(*this); }
};

// The phase lag -arg H at a frequency, in turns: the difference of the wrapped angles of numerator and
// denominator, each in [0, 1).
class CBiquadPhaseShift : public CBiquadFrequencyResponse {
public:
    static constexpr const char* kClassId = "{EAC674E4-4C25-46bd-8D83-F9BB83604BA7}";

    const char* GetTypeId() const override { return kClassId; }
    float GetValue(float frequency) const override;
    Math::IFunction* Clone() const override { return new CBiquadPhaseShift(*this); }
};

} // namespace Algorithm
} // namespace DSP
} // namespace Audio
} // namespace Veltis
