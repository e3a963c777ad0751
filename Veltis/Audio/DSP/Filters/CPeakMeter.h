#pragma once

#include "Veltis/Audio/DSP/Algorithm/TPeakEnvelopeFollower.h"
#include "Veltis/Audio/DSP/CBaseCoreDSPFilter.h"
#include "Veltis/Audio/DSP/CParamsValues.h"
#include "Veltis/Audio/DSP/CProcessInfo.h"

namespace Veltis {
namespace Audio {
namespace DSP {
namespace Filters {

// Measures N inputs and publishes per channel "Peak", "Peak Hold", "Peak Max" (dB) and "Clipped"; writes
// no audio. A peak follower with attack, hold and release feeds a hold follower that holds, then falls at
// a fixed speed in dB per second. Parameter changes take effect at block boundaries.
class CPeakMeter : public CBaseCoreDSPFilter {
public:
    struct CSettings {
        int m_ChannelsCount;
        float m_MinLevel;
        float m_MaxLevel;
        float m_MaxPeakLevel;
    };

    enum { kPeak, kPeakHold, kPeakMax, kClipped, kOutputsPerChannel };

    // Without settings the meter measures one channel over -60 to 0 dB. A negative count is 0.
    explicit CPeakMeter(const CSettings* settings);
    CPeakMeter(const CPeakMeter& other);
    CPeakMeter& operator=(const CPeakMeter&) = delete;
    ~CPeakMeter() override {}

    IFilter* Clone() const override { return new CPeakMeter(*this); }
    const DataModel::Objects::IConstProductInfo& GetObjectInfo() const override;
    // Ignored while the sample rate is 0; missing values read 0.
    void SetParamsValues(const IConstValues& values) override;
    const IProcessInfo& GetProcessInfo() const override { return m_ProcessInfo; }
    int GetTailLength() const override;
    const IConstValues& GetOutputParamsValues() const override { return m_OutputValues; }
    void UpdateOutputParams() override;
    // Envelopes and hold counters to 0; clip flags, maxima and trigger states stay.
    void Reset() override;
    // Only variation set 0 is used, at the start of the block.
    void DoProcess(const Containers::IConstVector<IAudioStream>& inputs, Containers::IVector<IAudioStream>& outputs,
                   int count, const IParamsVariations* variations) override;

    // DoProcess of two one-channel meters over their inputs, the samples of both in one loop so that the
    // two recursions overlap in time. False, with nothing done, unless both meter one channel and both
    // inputs have samples.
    static bool ProcessPair(CPeakMeter& left, const IAudioStream& leftInput, CPeakMeter& right,
                            const IAudioStream& rightInput, int count);

    const Algorithm::TMemPeakEnvelopeFollower<float>& GetPeakFollower() const { return m_PeakFollower; }
    const Algorithm::TPeakEnvelopeFollower<float>& GetHoldFollower() const { return m_HoldFollower; }

private:
    // One channel's followers and maximum as values, for the sample loops.
    struct CChannelState {
        Algorithm::TPeakEnvelopeFollower<float>::CChannelState m_Peak;
        Algorithm::TPeakEnvelopeFollower<float>::CChannelState m_Hold;
        float m_Maximum;
    };
    CChannelState LoadChannel(int channel) const;
    void StoreChannel(int channel, const CChannelState& state);
    void Step(CChannelState& state, float input) const
    {
        m_PeakFollower.Step(state.m_Peak, input);
        if (state.m_Peak.m_Envelope > state.m_Maximum)
            state.m_Maximum = state.m_Peak.m_Envelope;
        m_HoldFollower.Step(state.m_Hold, state.m_Peak.m_Envelope);
    }

    void BuildOutputsInfo();
    float ToLevel(float envelope, float top) const;

    int m_InputsCount;
    CProcessInfo m_ProcessInfo;
    Algorithm::TMemPeakEnvelopeFollower<float> m_PeakFollower;
    Algorithm::TPeakEnvelopeFollower<float> m_HoldFollower;
    bool m_ClipResetState;
    bool m_MaxResetState;
    float m_MinLevel;
    float m_MaxLevel;
    float m_MaxPeakLevel;
    CParamsValues m_OutputValues;
};

} // namespace Filters
} // namespace DSP
} // namespace Audio
} // namespace Veltis
