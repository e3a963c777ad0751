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

    TPeakEnvelopeFollower(const TPeakEnvelopeFollower& other)
        : m_ReleaseCoeff(other.m_ReleaseCoeff), m_AttackCoeff(other.m_AttackCoeff),
          m_HoldLength(other.m_HoldLength), m_ReleaseLength(other.m_ReleaseLength),
          m_HoldCounters(other.m_HoldCounters), m_Envelopes(other.m_Envelopes), m_Clipped(other.m_Clipped),
          m_ChannelsCount(other.m_ChannelsCount)
    {
    }

    // Allocates only when the channel counts differ.
    TPeakEnvelopeFollower& operator=(const TPeakEnvelopeFollower& other)
    {
        m_ReleaseCoeff = other.m_ReleaseCoeff;
        m_AttackCoeff = other.m_AttackCoeff;
        m_HoldLength = other.m_HoldLength;
        m_ReleaseLength = other.m_ReleaseLength;
        m_HoldCounters = other.m_HoldCounters;
        m_Envelopes = other.m_Envelopes;
        m_Clipped = other.m_Clipped;
        m_ChannelsCount = other.m_ChannelsCount;
        return *this;
    }

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

    void Step(int channel, T input)
    {
        const T v = std::fabs(input);
        T e = m_Envelopes[channel];
        if (v > e) {
            m_HoldCounters[channel] = 0;
            e = (e - v) * m_AttackCoeff + v;
        } else if (m_HoldCounters[channel] < m_HoldLength) {
            ++m_HoldCounters[channel];
        } else {
            e = (e - v) * m_ReleaseCoeff + v;
        }
        if (v > T(1))
            m_Clipped[channel] = 1;
        // A non-finite envelope would latch for good (nothing compares above NaN or infinity): it restarts.
        if (IsZeroSubnormalOrNotFinite(e)) {
            if (!IsZeroOrSubnormal(e))
                m_HoldCounters[channel] = 0;
            e = T(0);
        }
        m_Envelopes[channel] = e;
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
