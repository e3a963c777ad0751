#pragma once

#include "Veltis/Audio/DSP/Algorithm/FloatClass.h"
#include "Veltis/Core/TDynamicVector.h"

#include <cmath>

namespace Veltis {
namespace Audio {
namespace DSP {
namespace Algorithm {

// Multi-channel peak envelope with attack, hold and release, and a sticky clip flag per channel. The
// dynamics filters and the meter read and write its fields directly.
template <class T>
class TPeakEnvelopeFollower {
public:
    explicit TPeakEnvelopeFollower(int channels = 1)
        : m_ReleaseCoeff(0), m_AttackCoeff(0), m_HoldLength(0), m_ReleaseLength(0),
          m_HoldCounters(channels > 0 ? channels : 0), m_Envelopes(channels > 0 ? channels : 0),
          m_Clipped(channels > 0 ? channels : 0), m_ChannelsCount(channels > 0 ? channels : 0)
    {
    }

    TPeakEnvelopeFollower(const TPeakEnvelopeFollower&) = default;
    // Allocates only when the channel counts differ.
    TPeakEnvelopeFollower& operator=(const TPeakEnvelopeFollower&) = default;

    virtual ~TPeakEnvelopeFollower() {}

    // Attack and release in samples, hold in whole samples.
    void SetTimes(T attack, T release, int hold)
    {
        m_HoldLength = hold;
        m_ReleaseLength = TruncateToLength(release);
        m_ReleaseCoeff = TimeToCoefficient(release);
        m_AttackCoeff = TimeToCoefficient(attack);
    }

    // One sample per channel.
    void Process(const T* inputs)
    {
        for (int i = 0; i < m_ChannelsCount; ++i)
            Step(i, inputs[i]);
    }

    // One channel's state as values, so that sample loops keep it in registers between LoadChannel and
    // StoreChannel.
    struct CChannelState {
        T m_Envelope;
        int m_HoldCounter;
        bool m_Clipped;
    };

    CChannelState LoadChannel(int channel) const
    {
        return {m_Envelopes[channel], m_HoldCounters[channel], m_Clipped[channel] != 0};
    }

    void StoreChannel(int channel, const CChannelState& state)
    {
        m_Envelopes[channel] = state.m_Envelope;
        m_HoldCounters[channel] = state.m_HoldCounter;
        if (state.m_Clipped)
            m_Clipped[channel] = 1;
    }

    void Step(int channel, T input)
    {
        CChannelState state = LoadChannel(channel);
        Step(state, input);
        StoreChannel(channel, state);
    }

    void Step(CChannelState& state, T input) const
    {
        const T v = std::fabs(input);
        const T e = state.m_Envelope;
        // Both candidates are computed and selected, not branched to: with audio input the rising test
        // is close to random and a mispredicted branch costs more than the second product.
        const T attack = (e - v) * m_AttackCoeff + v;
        const T release = (e - v) * m_ReleaseCoeff + v;
        const bool rising = v > e;
        const bool holding = state.m_HoldCounter < m_HoldLength;
        T next = holding ? e : release;
        next = rising ? attack : next;
        const int held = holding ? state.m_HoldCounter + 1 : state.m_HoldCounter;
        state.m_HoldCounter = rising ? 0 : held;
        state.m_Clipped = state.m_Clipped || v > T(1);
        // A non-finite envelope would latch for good (nothing compares above NaN or infinity): it restarts.
        if (IsZeroSubnormalOrNotFinite(next)) {
            if (!IsZeroOrSubnormal(next))
                state.m_HoldCounter = 0;
            next = T(0);
        }
        state.m_Envelope = next;
    }

    // Envelopes and hold counters back to 0; the clip flags stay.
    void ResetEnvelopes()
    {
        for (int i = 0; i < m_ChannelsCount; ++i) {
            m_HoldCounters[i] = 0;
            m_Envelopes[i] = T(0);
        }
    }

    T m_ReleaseCoeff;
    T m_AttackCoeff;
    int m_HoldLength;
    int m_ReleaseLength;
    Core::TDynamicVector<int, Core::CStepGrowthStrategy, Core::TMemoryCopier<int>> m_HoldCounters;
    Core::TDynamicVector<T, Core::CStepGrowthStrategy, Core::TMemoryCopier<T>> m_Envelopes;
    Core::TDynamicVector<unsigned char, Core::CStepGrowthStrategy, Core::TMemoryCopier<unsigned char>> m_Clipped;
    int m_ChannelsCount;
};

// The meter's first follower: also remembers the largest envelope since its memory was cleared.
template <class T>
class TMemPeakEnvelopeFollower : public TPeakEnvelopeFollower<T> {
public:
    explicit TMemPeakEnvelopeFollower(int channels = 1)
        : TPeakEnvelopeFollower<T>(channels), m_MaxValues(this->m_ChannelsCount)
    {
    }

    void ClearMaxValues()
    {
        for (int i = 0; i < this->m_ChannelsCount; ++i)
            m_MaxValues[i] = T(0);
    }

    Core::TDynamicVector<T, Core::CStepGrowthStrategy, Core::TMemoryCopier<T>> m_MaxValues;
};

} // namespace Algorithm
} // namespace DSP
} // namespace Audio
} // namespace Veltis
