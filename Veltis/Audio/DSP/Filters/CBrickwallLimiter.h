#pragma once

#include "Veltis/Audio/DSP/Algorithm/TPeakEnvelopeFollower.h"
#include "Veltis/Audio/DSP/CBaseCoreDSPFilter.h"
#include "Veltis/Audio/DSP/CParamsValues.h"

namespace Veltis {
namespace Audio {
namespace DSP {
namespace Filters {

// Keeps a mono signal at or below full scale without look-ahead: an instant-attack peak follower and a
// soft knee below 1. Values: "Decay Time" in seconds, "Knee" in dB. Publishes its gain in dB as
// "Attenuation"; its tail is four decay times.
class CBrickwallLimiter : public CBaseCoreDSPFilter {
public:
    // Decay in samples (advanced by adding) and knee factor (advanced by multiplying).
    class CEntry {
    public:
        void Advance(const CEntry& step)
        {
            m_Decay += step.m_Decay;
            m_Knee *= step.m_Knee;
        }

        float m_Decay;
        float m_Knee;
    };

    // Processes one channel whatever the count.
    explicit CBrickwallLimiter(int channels = 1);
    CBrickwallLimiter(const CBrickwallLimiter& other);
    CBrickwallLimiter& operator=(const CBrickwallLimiter&) = delete;
    ~CBrickwallLimiter() override {}

    IFilter* Clone() const override { return new CBrickwallLimiter(*this); }
    const DataModel::Objects::IConstProductInfo& GetObjectInfo() const override;
    // Ignored while the sample rate is 0; missing values read 0.
    void SetParamsValues(const IConstValues& values) override;
    const IProcessInfo& GetProcessInfo() const override;
    int GetTailLength() const override;
    const IConstValues& GetOutputParamsValues() const override { return m_OutputParamsValues; }
    void UpdateOutputParams() override;
    void Reset() override;
    void DoProcess(const Containers::IConstVector<IAudioStream>& inputs, Containers::IVector<IAudioStream>& outputs,
                   int count, const IParamsVariations* variations) override;

    float GetGain() const { return m_Gain; }
    float GetKnee() const { return m_Knee; }
    const Algorithm::TPeakEnvelopeFollower<float>& GetFollower() const { return m_Follower; }

private:
    void FillEntry(CEntry& entry, const IConstValues& values) const;
    void ApplyEntry(const CEntry& entry);

    CEntry m_Steps[3];
    float m_Knee;
    Algorithm::TPeakEnvelopeFollower<float> m_Follower;
    float m_Gain;
    CParamsValues m_OutputParamsValues;
};

} // namespace Filters
} // namespace DSP
} // namespace Audio
} // namespace Veltis
