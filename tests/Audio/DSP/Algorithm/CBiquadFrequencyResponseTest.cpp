#include "Veltis/Audio/DSP/Algorithm/BiquadDesigns.h"
#include "Veltis/Audio/DSP/Algorithm/CBiquadFrequencyResponse.h"
#include "Veltis/Runtime/CObjectsFactory.h"
#include "Veltis/Serialization/CMemDataObject.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace Veltis::Audio::DSP::Algorithm;
using Veltis::Math::IFunction;

namespace {

template <class Response>
Response Make(const CBiquad& biquad, double fs)
{
    Response response;
    response.SetCoefficients(biquad);
    response.SetInvSampleRate(1.0 / fs);
    return response;
}

CBiquad Coefficients(double b0, double b1 = 0.0, double b2 = 0.0, double c1 = 0.0, double c2 = 0.0)
{
    CBiquad biquad;
    biquad.b0 = b0;
    biquad.b1 = b1;
    biquad.b2 = b2;
    biquad.c1 = c1;
    biquad.c2 = c2;
    return biquad;
}

} // namespace

TEST(CBiquadFrequencyResponseTest, UnitFilterIsOneUpToHalfTheRateAndZeroAbove)
{
    const CBiquadGain gain = Make<CBiquadGain>(Coefficients(1.0), 48000.0);
    const CBiquadPhaseShift phase = Make<CBiquadPhaseShift>(Coefficients(1.0), 48000.0);
    for (float f : {0.0f, 20.0f, 1000.0f, 23999.0f, 24000.0f}) {
        EXPECT_FLOAT_EQ(gain.GetValue(f), 1.0f) << f;
        EXPECT_EQ(phase.GetValue(f), 0.0f) << f;
    }
    EXPECT_EQ(gain.GetValue(24001.0f), 0.0f);
    EXPECT_EQ(phase.GetValue(30000.0f), 0.0f);
}

TEST(CBiquadFrequencyResponseTest, OneSampleDelayLagsAQuarterTurnAtAQuarterOfTheRate)
{
    const CBiquadPhaseShift phase = Make<CBiquadPhaseShift>(Coefficients(0.0, 1.0), 48000.0);
    EXPECT_NEAR(phase.GetValue(12000.0f), 0.25f, 1e-6f);
    EXPECT_NEAR(phase.GetValue(6000.0f), 0.125f, 1e-6f);
}

TEST(CBiquadFrequencyResponseTest, DesignedFiltersHaveTheirTextbookGains)
{
    const double fs = 44100.0;
    CBiquad lowPass;
    DesignLowPass({FrequencyToOmega(1.0 / fs, 1000.0f)}, lowPass);
    const CBiquadGain lowPassGain = Make<CBiquadGain>(lowPass, fs);
    EXPECT_NEAR(lowPassGain.GetValue(0.0f), 1.0f, 1e-6f);
    EXPECT_NEAR(lowPassGain.GetValue(1000.0f), 0.70710678f, 1e-4f);

    for (float bandwidth : {0.1f, 1.0f, 4.0f}) {
        CBiquad peak;
        DesignPeak({FrequencyToOmega(1.0 / fs, 2500.0f), BandwidthToHalf(bandwidth), PeakGainToFactor(6.0f)}, peak);
        EXPECT_NEAR(Make<CBiquadGain>(peak, fs).GetValue(2500.0f), 1.99526f, 1e-4f) << bandwidth;
    }

    CBiquad shelf;
    DesignLowShelf({FrequencyToOmega(1.0 / fs, 200.0f), ShelfGainToFactor(12.0f)}, shelf);
    const CBiquadGain shelfGain = Make<CBiquadGain>(shelf, fs);
    EXPECT_NEAR(shelfGain.GetValue(0.0f), std::pow(10.0, 12.0 / 20.0), 1e-4);
    EXPECT_NEAR(shelfGain.GetValue(20000.0f), 1.0f, 1e-2f);
}

// acos of a quotient rounded one ulp past 1 would be NaN.
TEST(CBiquadFrequencyResponseTest, DenseSweepOfEveryKindIsNeverNaN)
{
    const double fs = 44100.0;
    const double inv = 1.0 / fs;
    CBiquad kinds[5];
    DesignLowPass({FrequencyToOmega(inv, 1000.0f)}, kinds[0]);
    DesignHighPass({FrequencyToOmega(inv, 80.0f)}, kinds[1]);
    DesignLowShelf({FrequencyToOmega(inv, 150.0f), ShelfGainToFactor(-40.0f)}, kinds[2]);
    DesignHighShelf({FrequencyToOmega(inv, 8000.0f), ShelfGainToFactor(40.0f)}, kinds[3]);
    DesignPeak({FrequencyToOmega(inv, 3000.0f), BandwidthToHalf(0.01f), PeakGainToFactor(40.0f)}, kinds[4]);
    for (const CBiquad& biquad : kinds) {
        const CBiquadGain gain = Make<CBiquadGain>(biquad, fs);
        const CBiquadPhaseShift phase = Make<CBiquadPhaseShift>(biquad, fs);
        for (int i = 0; i <= 20000; ++i) {
            const float f = 22050.0f * static_cast<float>(i) / 20000.0f;
            const float g = gain.GetValue(f);
            const float p = phase.GetValue(f);
            ASSERT_FALSE(std::isnan(g)) << f;
            ASSERT_FALSE(std::isnan(p)) << f;
            ASSERT_GE(p, -1.0f);
            ASSERT_LE(p, 1.0f);
        }
    }
}

TEST(CBiquadFrequencyResponseTest, RoundTripThroughAMemoryDataObject)
{
    const CBiquadGain original = Make<CBiquadGain>(Coefficients(0.1, 0.2, 0.3, 0.4, -0.5), 96000.0);
    Veltis::Serialization::CMemDataObject stream;
    ASSERT_TRUE(original.Serialize(stream));
    CBiquadGain copy;
    ASSERT_TRUE(copy.DeSerialize(stream));
    EXPECT_EQ(copy.m_InputCoeff0, 0.1);
    EXPECT_EQ(copy.m_InputCoeff1, 0.2);
    EXPECT_EQ(copy.m_InputCoeff2, 0.3);
    EXPECT_EQ(copy.m_OutputCoeff1, 0.4);
    EXPECT_EQ(copy.m_OutputCoeff2, -0.5);
    EXPECT_EQ(copy.m_InvSampleRate, 1.0 / 96000.0);
}

TEST(CBiquadFrequencyResponseTest, MissingKeyFailsAndLeavesItsFieldButReadsTheOthers)
{
    Veltis::Serialization::CMemDataObject stream;
    stream.WriteDouble("inputCoeff0", 0.5);
    stream.WriteDouble("inputCoeff1", 0.25);
    stream.WriteDouble("inputCoeff2", 0.125);
    stream.WriteDouble("outputCoeff1", 0.75);
    stream.WriteDouble("outputCoeff2", -0.25);
    CBiquadPhaseShift phase;
    phase.SetInvSampleRate(1.0 / 44100.0);
    EXPECT_FALSE(phase.DeSerialize(stream));
    EXPECT_EQ(phase.m_InvSampleRate, 1.0 / 44100.0);
    EXPECT_EQ(phase.m_InputCoeff0, 0.5);
    EXPECT_EQ(phase.m_OutputCoeff2, -0.25);
}

TEST(CBiquadFrequencyResponseTest, RegistryCreatesEachClassOnlyUnderItsOwnKeys)
{
    auto* factory = Veltis::Runtime::CObjectsFactory::GetInstance();
    std::unique_ptr<IFunction> gain(
        static_cast<IFunction*>(factory->CreateObject(CBiquadGain::kClassId, IFunction::kInterfaceId)));
    ASSERT_NE(gain, nullptr);
    EXPECT_STREQ(gain->GetTypeId(), CBiquadGain::kClassId);
    std::unique_ptr<IFunction> phase(
        static_cast<IFunction*>(factory->CreateObject(CBiquadPhaseShift::kClassId, IFunction::kInterfaceId)));
    ASSERT_NE(phase, nullptr);
    EXPECT_STREQ(phase->GetTypeId(), CBiquadPhaseShift::kClassId);
    std::unique_ptr<CBiquadGain> direct(static_cast<CBiquadGain*>(factory->CreateObject(CBiquadGain::kClassId)));
    EXPECT_NE(direct, nullptr);

    Veltis::Runtime::TObjectFactory<CBiquadGain, IFunction> gainFactory;
    EXPECT_EQ(gainFactory.CreateObject(CBiquadPhaseShift::kClassId, IFunction::kInterfaceId), nullptr);
}

TEST(CBiquadFrequencyResponseTest, CloneKeepsClassAndValues)
{
    const CBiquadPhaseShift original = Make<CBiquadPhaseShift>(Coefficients(0.0, 1.0), 48000.0);
    std::unique_ptr<IFunction> clone(original.Clone());
    EXPECT_STREQ(clone->GetTypeId(), CBiquadPhaseShift::kClassId);
    EXPECT_EQ(clone->GetValue(12000.0f), original.GetValue(12000.0f));
}
