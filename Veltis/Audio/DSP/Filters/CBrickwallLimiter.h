#pragma once

#include "Veltis/Audio/DSP/Filters/TDynamicsFilter.h"

namespace Veltis {
namespace Audio {
namespace DSP {
namespace Filters {

// Decay in samples (advanced by adding) and knee factor (advanced by multiplying) of the limiter.
class CBrickwallLimiterEntry {
public:
    void Advance(const CBrickwallLimiterEntry& step)
    {
        m_Decay += step.m_Decay;
        m_Knee *= step.m_Knee;
    }

    float m_Decay;
    float m_Knee;
};

// Keeps a mono signal at or below full scale without look-ahead: an instant-attack peak follower and a
// soft knee below 1. Values: "Decay Time" in seconds, "Knee" in dB. Publishes its gain in dB as
// "Attenuation"; its tail is four decay times.
class CBrickwallLimiter : public TDynamicsFilter<CBrickwallLimiter, CBrickwallLimiterEntry> {
    friend class TDynamicsFilter<CBrickwallLimiter, CBrickwallLimiterEntry>;

public:
    typedef CBrickwallLimiterEntry CEntry;

    // Processes one channel whatever the count.
    explicit CBrickwallLimiter(int channels = 1);
    CBrickwallLimiter(const CBrickwallLimiter& other);
    CBrickwallLimiter& operator=(const CBrickwallLimiter&) = delete;
    ~CBrickwallLimiter() override {}

    IFilter* Clone() const override { return new CBrickwallLimiter(*this); }
    const DataModel::Objects::IConstProductInfo& GetObjectInfo() const override;
    const IProcessInfo& GetProcessInfo() const override;
    int GetTailLength() const override;

    float GetKnee() const { return m_Knee; }

private:
    void FillEntry(CEntry& entry, const IConstValues& values) const;
    void ApplyEntry(const CEntry& entry);
    float GetCurveGain(float envelope) const { return Algorithm::GetLimiterGain(envelope, m_Knee); }
    // Entry 0 is re-applied after every sample of a ramp.
    unsigned GetUpdateMask() const { return 0u; }

    float m_Knee;
};

} // namespace Filters
} // namespace DSP
} // namespace Audio
} // namespace Veltis
