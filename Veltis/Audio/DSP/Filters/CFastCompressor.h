#pragma once

#include "Veltis/Audio/DSP/Filters/TDynamicsFilter.h"

namespace Veltis {
namespace Audio {
namespace DSP {
namespace Filters {

// Attack and decay in samples, threshold factor, slope, knee factor of the compressor. Times and slope
// are advanced by adding, the factors by multiplying.
class CFastCompressorEntry {
public:
    void Advance(const CFastCompressorEntry& step)
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

// A mono feed-forward compressor on linear amplitudes: a peak follower drives a static curve (threshold,
// slope above it, soft knee). With very short times it follows the waveform and acts as a waveshaper.
// Values, in order: attack and decay times in seconds (multiplied by the rate whatever the descriptors
// say), threshold in dB, the slope, the knee size in dB. Publishes its gain in dB as "Compression".
class CFastCompressor : public TDynamicsFilter<CFastCompressor, CFastCompressorEntry> {
    friend class TDynamicsFilter<CFastCompressor, CFastCompressorEntry>;

public:
    typedef CFastCompressorEntry CEntry;

    CFastCompressor();
    CFastCompressor(const CFastCompressor& other);
    // The whole state, like the copy constructor, so that a clone kept by assignment processes like its
    // original at once.
    CFastCompressor& operator=(const CFastCompressor& other);
    ~CFastCompressor() override {}

    IFilter* Clone() const override { return new CFastCompressor(*this); }
    const DataModel::Objects::IConstProductInfo& GetObjectInfo() const override;
    const IProcessInfo& GetProcessInfo() const override;

    // During a ramp the curve and times are recomputed every 2^shift samples (shift taken modulo 32).
    void SetMode(int shift) { m_Mode = shift; }
    int GetMode() const { return m_Mode; }

private:
    void FillEntry(CEntry& entry, const IConstValues& values) const;
    void ApplyEntry(const CEntry& entry);
    float GetCurveGain(float envelope) const
    {
        return Algorithm::GetCompressorGain(envelope, m_Threshold, m_KneeWidth, m_Slope);
    }
    unsigned GetUpdateMask() const { return (1u << (static_cast<unsigned>(m_Mode) & 31u)) - 1u; }

    float m_Slope;
    float m_KneeWidth;
    float m_Threshold;
    int m_Mode;
};

} // namespace Filters
} // namespace DSP
} // namespace Audio
} // namespace Veltis
