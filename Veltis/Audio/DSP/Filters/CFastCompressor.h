#pragma once

#include "Veltis/Audio/DSP/Algorithm/TPeakEnvelopeFollower.h"
#include "Veltis/Audio/DSP/CBaseCoreDSPFilter.h"
#include "Veltis/Audio/DSP/CParamsValues.h"

namespace Veltis {
namespace Audio {
namespace DSP {
namespace Filters {

// A mono feed-forward compressor on linear amplitudes: a peak follower drives a static curve (threshold,
// slope above it, soft knee). With very short times it follows the waveform and acts as a waveshaper.
// Values, in order: attack and decay times in seconds (multiplied by the rate whatever the descriptors
// say), threshold in dB, the slope, the knee size in dB. Publishes its gain in dB as "Compression".
class CFastCompressor : public CBaseCoreDSPFilter {
public:
    // Attack and decay in samples, threshold factor, slope, knee factor. Times and slope are advanced by
    // adding, the factors by multiplying.
    class CEntry {
    public:
        void Advance(const CEntry& step)
        {
            m_Attack += step.m_Attack;
            m_Decay += step.m_Decay;
            m_Threshold *= step.m_Threshold;
            m_Slope += step.m_Slope;
            m_Knee *= step.m_Knee;
        }

        float m_Attack;
        float m_Decay;
        float m_Threshold;
        float m_Slope;
        float m_Knee;
    };

    CFastCompressor();
    CFastCompressor(const CFastCompressor& other);
    // The whole state, like the copy constructor, so that a clone kept by assignment processes like its
    // original at once.
    CFastCompressor& operator=(const CFastCompressor& other);
    ~CFastCompressor() override {}

    IFilter* Clone() const override { return new CFastCompressor(*this); }
    const DataModel::Objects::IConstProductInfo& GetObjectInfo() const override;
    // Ignored while the sample rate is 0; missing values read 0.
    void SetParamsValues(const IConstValues& values) override;
    const IProcessInfo& GetProcessInfo() const override;
    const IConstValues& GetOutputParamsValues() const override { return m_OutputParamsValues; }
    void UpdateOutputParams() override;
    void Reset() override;
    void DoProcess(const Containers::IConstVector<IAudioStream>& inputs, Containers::IVector<IAudioStream>& outputs,
                   int count, const IParamsVariations* variations) override;

    // During a ramp the curve and times are recomputed every 2^shift samples (shift taken modulo 32).
    void SetMode(int shift) { m_Mode = shift; }
    int GetMode() const { return m_Mode; }
    float GetGain() const { return m_Gain; }
    const Algorithm::TPeakEnvelopeFollower<float>& GetFollower() const { return m_Follower; }

private:
    void FillEntry(CEntry& entry, const IConstValues& values) const;
    void ApplyEntry(const CEntry& entry);

    CEntry m_Steps[3];
    Algorithm::TPeakEnvelopeFollower<float> m_Follower;
    float m_Slope;
    float m_KneeWidth;
    float m_Threshold;
    float m_Gain;
    CParamsValues m_OutputParamsValues;
    int m_Mode;
};

} // namespace Filters
} // namespace DSP
} // namespace Audio
} // namespace Veltis
