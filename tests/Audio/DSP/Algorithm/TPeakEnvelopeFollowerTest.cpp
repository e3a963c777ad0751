#include "Veltis/Audio/DSP/Algorithm/TPeakEnvelopeFollower.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

using Veltis::Audio::DSP::Algorithm::TMemPeakEnvelopeFollower;
using Veltis::Audio::DSP::Algorithm::TPeakEnvelopeFollower;

namespace {

float Step(TPeakEnvelopeFollower<float>& follower, float x)
{
    follower.Process(&x);
    return follower.m_Envelopes[0];
}

// The step written with branches, as the follower's own step must behave.
struct CReferenceChannel {
    float m_Envelope = 0.0f;
    int m_Hold = 0;
    bool m_Clipped = false;

    void Step(float input, float attack, float release, int holdLength)
    {
        const float v = std::fabs(input);
        float e = m_Envelope;
        if (v > e) {
            m_Hold = 0;
            e = (e - v) * attack + v;
        } else if (m_Hold < holdLength) {
            ++m_Hold;
        } else {
            e = (e - v) * release + v;
        }
        if (v > 1.0f)
            m_Clipped = true;
        if (e == 0.0f || !std::isnormal(e)) {
            if (std::isnan(e) || std::isinf(e))
                m_Hold = 0;
            e = 0.0f;
        }
        m_Envelope = e;
    }
};

bool SameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

} // namespace

TEST(TPeakEnvelopeFollowerTest, StepMatchesTheBranchedFormBitForBit)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<float> noise(-1.2f, 1.2f);
    const float hostile[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                             -std::numeric_limits<float>::infinity(), 1e-40f, 0.0f, -0.0f, 3e38f};
    const struct {
        float attack, release;
        int hold;
    } cases[] = {{0.0f, 0.0f, 0}, {3.0f, 200.0f, 0}, {10.0f, 4000.0f, 5}, {0.5f, 1e6f, 1000}};
    for (const auto& c : cases) {
        TPeakEnvelopeFollower<float> follower;
        follower.SetTimes(c.attack, c.release, c.hold);
        CReferenceChannel reference;
        for (int k = 0; k < 20000; ++k) {
            float x = noise(random) * (k % 3000 < 1500 ? 1.0f : 1e-3f);
            if (k % 997 == 0)
                x = hostile[(k / 997) % (sizeof hostile / sizeof hostile[0])];
            follower.Step(0, x);
            reference.Step(x, follower.m_AttackCoeff, follower.m_ReleaseCoeff, c.hold);
            ASSERT_TRUE(SameBits(follower.m_Envelopes[0], reference.m_Envelope)) << "sample " << k;
            ASSERT_EQ(follower.m_HoldCounters[0], reference.m_Hold) << "sample " << k;
            ASSERT_EQ(follower.m_Clipped[0] != 0, reference.m_Clipped) << "sample " << k;
        }
    }
}

TEST(TPeakEnvelopeFollowerTest, InstantAttackThenReleaseShrinksToATenthInTheReleaseTime)
{
    TPeakEnvelopeFollower<float> follower;
    follower.SetTimes(0.0f, 100.0f, 0);
    EXPECT_EQ(follower.m_AttackCoeff, 0.0f);
    EXPECT_EQ(follower.m_ReleaseLength, 100);
    const float c = static_cast<float>(std::exp(-std::log(10.0) / 100.0));
    EXPECT_EQ(follower.m_ReleaseCoeff, c);

    EXPECT_EQ(Step(follower, 0.5f), 0.5f);
    float expected = 0.5f;
    for (int k = 0; k < 100; ++k) {
        expected = expected * c;
        ASSERT_EQ(Step(follower, 0.0f), expected);
    }
    EXPECT_NEAR(follower.m_Envelopes[0], 0.05f, 1e-6f);
}

TEST(TPeakEnvelopeFollowerTest, HoldKeepsThePeakAndAnEqualInputIsNoNewPeak)
{
    TPeakEnvelopeFollower<float> follower;
    follower.SetTimes(0.0f, 0.0f, 3);
    Step(follower, 0.8f);
    EXPECT_EQ(Step(follower, 0.8f), 0.8f); // equal: the hold counter advances
    EXPECT_EQ(follower.m_HoldCounters[0], 1);
    EXPECT_EQ(Step(follower, 0.1f), 0.8f);
    EXPECT_EQ(Step(follower, 0.1f), 0.8f);
    EXPECT_EQ(Step(follower, 0.1f), 0.1f); // release 0: instant once the hold is over
}

TEST(TPeakEnvelopeFollowerTest, ClipFlagIsSetAboveFullScaleOnlyAndStays)
{
    TPeakEnvelopeFollower<float> follower(2);
    const float frame[2] = {1.0f, -1.5f};
    follower.Process(frame);
    EXPECT_EQ(follower.m_Clipped[0], 0);
    EXPECT_EQ(follower.m_Clipped[1], 1);
    const float silence[2] = {0.0f, 0.0f};
    follower.Process(silence);
    EXPECT_EQ(follower.m_Clipped[1], 1);
    follower.ResetEnvelopes();
    EXPECT_EQ(follower.m_Clipped[1], 1);
    EXPECT_EQ(follower.m_Envelopes[1], 0.0f);
}

TEST(TPeakEnvelopeFollowerTest, DecayBelowTheSmallestNormalBecomesZero)
{
    TPeakEnvelopeFollower<float> follower;
    follower.SetTimes(0.0f, 1.0f, 0); // a tenth per sample
    Step(follower, 1.0f);
    int steps = 0;
    while (follower.m_Envelopes[0] != 0.0f && steps < 100) {
        Step(follower, 0.0f);
        ASSERT_TRUE(follower.m_Envelopes[0] == 0.0f || follower.m_Envelopes[0] >= FLT_MIN);
        ++steps;
    }
    EXPECT_LT(steps, 100);
}

// A NaN or infinite sample would otherwise latch the envelope: nothing is ever above NaN or infinity.
TEST(TPeakEnvelopeFollowerTest, NonFiniteInputRestartsTheEnvelope)
{
    const float kBad[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                          -std::numeric_limits<float>::infinity()};
    for (float bad : kBad) {
        SCOPED_TRACE(bad);
        TPeakEnvelopeFollower<float> follower;
        follower.SetTimes(10.0f, 1000.0f, 0);
        Step(follower, 0.5f);
        EXPECT_EQ(Step(follower, bad), 0.0f);
        EXPECT_EQ(follower.m_HoldCounters[0], 0);
        EXPECT_GT(Step(follower, 0.25f), 0.0f);
        // During a hold a NaN is no new peak; once the hold is over it restarts the envelope.
        follower.SetTimes(10.0f, 1000.0f, 2);
        Step(follower, 2.0f);
        Step(follower, bad);
        Step(follower, bad);
        Step(follower, bad);
        EXPECT_EQ(follower.m_Envelopes[0], 0.0f);
        EXPECT_EQ(follower.m_HoldCounters[0], 0);
        EXPECT_GT(Step(follower, 0.25f), 0.0f);
    }
}

TEST(TPeakEnvelopeFollowerTest, TimesFromUncheckedValuesSaturateTheLength)
{
    TPeakEnvelopeFollower<float> follower;
    follower.SetTimes(0.0f, 1e20f, 0);
    EXPECT_EQ(follower.m_ReleaseLength, INT32_MAX);
    follower.SetTimes(0.0f, std::numeric_limits<float>::quiet_NaN(), 0);
    EXPECT_EQ(follower.m_ReleaseLength, 0);
    follower.SetTimes(0.0f, -5.0f, 0);
    EXPECT_EQ(follower.m_ReleaseLength, 0);
}

TEST(TPeakEnvelopeFollowerTest, CopiesCarryEveryChannelState)
{
    TMemPeakEnvelopeFollower<float> follower(2);
    follower.SetTimes(2.0f, 3.0f, 4);
    const float frame[2] = {0.25f, 2.0f};
    follower.Process(frame);
    follower.m_MaxValues[1] = 2.0f;

    TMemPeakEnvelopeFollower<float> copy(follower);
    TPeakEnvelopeFollower<float> assigned(1);
    assigned = follower;
    for (const TPeakEnvelopeFollower<float>* f : {static_cast<TPeakEnvelopeFollower<float>*>(&copy), &assigned}) {
        EXPECT_EQ(f->m_ChannelsCount, 2);
        EXPECT_EQ(f->m_AttackCoeff, follower.m_AttackCoeff);
        EXPECT_EQ(f->m_HoldLength, 4);
        EXPECT_EQ(f->m_Envelopes[1], follower.m_Envelopes[1]);
        EXPECT_EQ(f->m_Clipped[1], 1);
    }
    EXPECT_EQ(copy.m_MaxValues[1], 2.0f);
}
