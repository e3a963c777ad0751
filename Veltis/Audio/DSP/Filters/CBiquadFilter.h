#pragma once

#include "Veltis/Audio/DSP/Algorithm/BiquadDesigns.h"
#include "Veltis/Audio/DSP/Algorithm/CBiquadFrequencyResponse.h"
#include "Veltis/Audio/DSP/CBaseCoreDSPFilter.h"
#include "Veltis/Audio/DSP/Filters/CMonoBlock.h"
#include "Veltis/Containers/TPointersValueVector.h"
#include "Veltis/Core/CDirty.h"
#include "Veltis/Math/CFunctionsComposition.h"

namespace Veltis {
namespace Audio {
namespace DSP {
namespace Filters {

// A kind's terms from a value vector: absolute values for order 0, a ramp set's increments for the others,
// converted alike (frequency to radians per sample, gains to factors, bandwidth to its half).
inline void FillTerms(Algorithm::CPassTerms& terms, const IFilter::IConstValues& values, double invSampleRate)
{
    terms.m_Omega = Algorithm::FrequencyToOmega(invSampleRate, GetValueOrZero(values, 0));
}

inline void FillTerms(Algorithm::CShelfTerms& terms, const IFilter::IConstValues& values, double invSampleRate)
{
    terms.m_Omega = Algorithm::FrequencyToOmega(invSampleRate, GetValueOrZero(values, 0));
    terms.m_A = Algorithm::ShelfGainToFactor(GetValueOrZero(values, 1));
}

inline void FillTerms(Algorithm::CPeakTerms& terms, const IFilter::IConstValues& values, double invSampleRate)
{
    terms.m_Omega = Algorithm::FrequencyToOmega(invSampleRate, GetValueOrZero(values, 0));
    terms.m_HalfBandwidth = Algorithm::BandwidthToHalf(GetValueOrZero(values, 1));
    terms.m_Gain = Algorithm::PeakGainToFactor(GetValueOrZero(values, 2));
}

// The common base of the second-order filters: the section with its history, the difference equation
// with coefficients that follow ramps sample by sample, and three response curves for display (gain,
// gain in decibels, phase), refreshed only when the coefficients changed.
class CBiquadFilter : public CBaseCoreDSPFilter {
public:
    enum { kGainCurve, kGainDbCurve, kPhaseCurve, kCurvesCount };

    // The composition and the curve vector always refer to this filter's own members; the dirty flags
    // of a copy start clear.
    CBiquadFilter(const CBiquadFilter& other);
    CBiquadFilter& operator=(const CBiquadFilter& other);
    ~CBiquadFilter() override {}

    const IProcessInfo& GetProcessInfo() const override;
    const IConstCurves& GetOutputCurves() const override { return m_OutputCurves; }
    IDirtyFlags& GetOutputCurvesDirty() override { return m_OutputCurvesDirty; }
    void SkipSilence(int count) override;
    void UpdateOutputCurves() override;
    void OnSampleRateChanged(bool& apply) override;
    void Reset() override { m_Biquad.ClearHistory(); }

    const Algorithm::CBiquad& GetBiquad() const { return m_Biquad; }
    // For owners that run several sections sample by sample in one loop.
    Algorithm::CBiquad& GetBiquad() { return m_Biquad; }
    double GetInvSampleRate() const { return m_InvSampleRate; }

protected:
    CBiquadFilter();

    // The common block procedure over a kind's stepping terms: ramp sets become step terms, set 0 is
    // applied through SetParamsValues, and during a ramp the design runs after every sample. Without a
    // rate the coefficients stay as they are.
    template <class Terms, void (*Design)(const Terms&, Algorithm::CBiquad&)>
    void ProcessBlock(const Containers::IConstVector<IAudioStream>& inputs, Containers::IVector<IAudioStream>& outputs,
                      int count, const IParamsVariations* variations, Terms* steps)
    {
        CMonoBlock block;
        if (!block.Open(inputs, outputs, variations))
            return;
        const double inv = m_InvSampleRate;
        const int sets = block.ApplyVariations(*this, m_SampleRate != 0.0, variations,
                                               [steps, inv](int k, const IConstValues& set) { FillTerms(steps[k], set, inv); });
        if (sets >= 2) {
            Algorithm::ProcessBiquadRamp(m_Biquad, steps, sets, Design, block.m_Input, block.m_InputStep,
                                         block.m_Output, block.m_OutputStep, count);
            if (count > 0)
                m_CoeffsChanged = true;
        } else {
            Algorithm::ProcessBiquad(m_Biquad, block.m_Input, block.m_InputStep, block.m_Output, block.m_OutputStep,
                                     count);
        }
    }

    // The kinds' SetParamsValues: order-0 terms from the values, then the coefficients.
    template <class Terms, void (*Design)(const Terms&, Algorithm::CBiquad&)>
    void ApplyValues(const IConstValues& values, Terms& terms)
    {
        if (m_SampleRate == 0.0)
            return;
        FillTerms(terms, values, m_InvSampleRate);
        Design(terms, m_Biquad);
        m_CoeffsChanged = true;
    }

    Algorithm::CBiquad m_Biquad;
    double m_InvSampleRate;
    Algorithm::CBiquadGain m_GainResponse;
    Math::CFunctionsComposition m_GainDbResponse;
    Algorithm::CBiquadPhaseShift m_PhaseResponse;
    bool m_CoeffsChanged;
    CoreUtilities::TDynamicCollection<Core::CDirty, Core::IDirty> m_OutputCurvesDirty;
    Containers::TPointersValueVector<Math::IFunction> m_OutputCurves;

private:
    void WireCurves();
};

// A kind of biquad: its stepping terms (order 0 the values in force, orders 1 and 2 the steps of a ramp)
// and its design. Copies and assignments carry the terms.
template <class Terms, void (*Design)(const Terms&, Algorithm::CBiquad&)>
class TBiquadKindFilter : public CBiquadFilter {
public:
    // Ignored while the sample rate is 0; values are used unchecked, missing ones read 0.
    void SetParamsValues(const IConstValues& values) override { ApplyValues<Terms, Design>(values, m_Steps[0]); }

    void DoProcess(const Containers::IConstVector<IAudioStream>& inputs, Containers::IVector<IAudioStream>& outputs,
                   int count, const IParamsVariations* variations) override
    {
        ProcessBlock<Terms, Design>(inputs, outputs, count, variations, m_Steps);
    }

protected:
    TBiquadKindFilter() : m_Steps() {}
    TBiquadKindFilter(const TBiquadKindFilter& other) = default;
    TBiquadKindFilter& operator=(const TBiquadKindFilter& other) = default;

    Terms m_Steps[CMonoBlock::kMaxSets];
};

} // namespace Filters
} // namespace DSP
} // namespace Audio
} // namespace Veltis
