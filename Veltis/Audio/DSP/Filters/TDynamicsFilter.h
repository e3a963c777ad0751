#pragma once

#include "Veltis/Audio/DSP/Algorithm/DynamicsGainLaws.h"
#include "Veltis/Audio/DSP/Algorithm/TPeakEnvelopeFollower.h"
#include "Veltis/Audio/DSP/CBaseCoreDSPFilter.h"
#include "Veltis/Audio/DSP/CParamsValues.h"
#include "Veltis/Audio/DSP/Filters/CMonoBlock.h"
#include "Veltis/Core/TLookupTable.h"

namespace Veltis {
namespace Audio {
namespace DSP {
namespace Filters {

// What the compressor and the limiter share: a one-channel peak follower driving a static gain curve,
// entries of ramp terms (order 0 the values in force), the gain of the last sample and its decibel
// output. Derived supplies FillEntry(entry, values), ApplyEntry(entry), GetCurveGain(envelope) and
// GetUpdateMask(), called directly so that the sample loop makes no virtual call.
template <class Derived, class Entry>
class TDynamicsFilter : public CBaseCoreDSPFilter {
public:
    // Ignored while the sample rate is 0; missing values read 0.
    void SetParamsValues(const IConstValues& values) override
    {
        if (m_SampleRate == 0.0)
            return;
        Self().FillEntry(m_Steps[0], values);
        Self().ApplyEntry(m_Steps[0]);
    }

    const IConstValues& GetOutputParamsValues() const override { return m_OutputParamsValues; }

    // The gain in decibels through the shared table, clamped to [-60, 0].
    void UpdateOutputParams() override { m_OutputParamsValues.SetValue(0, Core::GetDecibelTable().GetValue(m_Gain)); }

    // The envelope and hold counter to 0 (the clip flag stays), the gain to 1.
    void Reset() override
    {
        m_Follower.ResetEnvelopes();
        m_Gain = 1.0f;
    }

    void DoProcess(const Containers::IConstVector<IAudioStream>& inputs, Containers::IVector<IAudioStream>& outputs,
                   int count, const IParamsVariations* variations) override
    {
        CMonoBlock block;
        if (!block.Open(inputs, outputs, variations))
            return;
        const int sets = block.ApplyVariations(*this, m_SampleRate != 0.0, variations,
                                               [this](int k, const IConstValues& set) { Self().FillEntry(m_Steps[k], set); });
        Algorithm::ProcessDynamics(
            m_Follower, [this](float e) { return Self().GetCurveGain(e); }, m_Steps, sets, Self().GetUpdateMask(),
            [this](const Entry& entry) { Self().ApplyEntry(entry); }, block.m_Input, block.m_InputStep, block.m_Output,
            block.m_OutputStep, count, m_Gain);
    }

    // For owners that run this filter sample by sample in a loop of their own, with the values in force
    // (no ramp): the state to carry in locals, one sample, and the state stored back.
    struct CSampleState {
        typename Algorithm::TPeakEnvelopeFollower<float>::CChannelState m_Channel;
        float m_Gain;
    };
    CSampleState LoadSampleState() const { return {m_Follower.LoadChannel(0), m_Gain}; }
    void StoreSampleState(const CSampleState& state)
    {
        m_Follower.StoreChannel(0, state.m_Channel);
        m_Gain = state.m_Gain;
    }
    float ProcessSample(CSampleState& state, float x)
    {
        return Algorithm::ProcessDynamicsSample(
            m_Follower, [this](float e) { return Self().GetCurveGain(e); }, state.m_Channel, x, state.m_Gain);
    }

    float GetGain() const { return m_Gain; }
    const Algorithm::TPeakEnvelopeFollower<float>& GetFollower() const { return m_Follower; }

protected:
    TDynamicsFilter() : m_Steps(), m_Follower(1), m_Gain(1.0f), m_OutputParamsValues(1)
    {
        Core::GetDecibelTable();
    }

    TDynamicsFilter(const TDynamicsFilter& other)
        : IFilter(), CBaseCoreDSPFilter(other), m_Follower(other.m_Follower), m_Gain(other.m_Gain),
          m_OutputParamsValues(other.m_OutputParamsValues)
    {
        for (int i = 0; i < CMonoBlock::kMaxSets; ++i)
            m_Steps[i] = other.m_Steps[i];
    }

    TDynamicsFilter& operator=(const TDynamicsFilter& other)
    {
        if (this == &other)
            return *this;
        CBaseCoreDSPFilter::operator=(other);
        for (int i = 0; i < CMonoBlock::kMaxSets; ++i)
            m_Steps[i] = other.m_Steps[i];
        m_Follower = other.m_Follower;
        m_Gain = other.m_Gain;
        m_OutputParamsValues.SetValue(0, other.m_OutputParamsValues.GetValue(0));
        return *this;
    }

    Entry m_Steps[CMonoBlock::kMaxSets];
    Algorithm::TPeakEnvelopeFollower<float> m_Follower;
    float m_Gain;
    CParamsValues m_OutputParamsValues;

private:
    Derived& Self() { return static_cast<Derived&>(*this); }
};

} // namespace Filters
} // namespace DSP
} // namespace Audio
} // namespace Veltis
