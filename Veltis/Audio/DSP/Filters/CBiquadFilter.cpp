#include "Veltis/Audio/DSP/Filters/CBiquadFilter.h"

#include "Veltis/Audio/DSP/CProcessInfo.h"
#include "Veltis/Audio/DSP/Filters/ResponseCurveInfos.h"
#include "Veltis/Math/TFunction.h"

namespace Veltis {
namespace Audio {
namespace DSP {
namespace Filters {

namespace {

struct CBiquadDescriptors {
    CBiquadDescriptors() : m_ProcessInfo(1, 1), m_Curves(CBiquadFilter::kCurvesCount)
    {
        m_Curves.GetStorage()[CBiquadFilter::kGainCurve] = GainResponseCurveInfo();
        m_Curves.GetStorage()[CBiquadFilter::kGainDbCurve] = GainDbResponseCurveInfo();
        m_Curves.GetStorage()[CBiquadFilter::kPhaseCurve] = PhaseResponseCurveInfo();
    }

    CProcessInfo m_ProcessInfo;
    CBaseCoreDSPFilter::CCurvesInfo m_Curves;
};

const CBiquadDescriptors& Descriptors()
{
    static const CBiquadDescriptors descriptors;
    return descriptors;
}

} // namespace

CBiquadFilter::CBiquadFilter()
    : m_InvSampleRate(0.0), m_GainDbResponse(2, 0), m_CoeffsChanged(false), m_OutputCurvesDirty(kCurvesCount),
      m_OutputCurves(kCurvesCount)
{
    WireCurves();
    SetOutputCurvesInfo(Descriptors().m_Curves);
}

CBiquadFilter::CBiquadFilter(const CBiquadFilter& other)
    : IFilter(), CBaseCoreDSPFilter(other), m_Biquad(other.m_Biquad), m_InvSampleRate(other.m_InvSampleRate),
      m_GainResponse(other.m_GainResponse), m_GainDbResponse(2, 0), m_PhaseResponse(other.m_PhaseResponse),
      m_CoeffsChanged(false), m_OutputCurvesDirty(kCurvesCount), m_OutputCurves(kCurvesCount)
{
    WireCurves();
}

CBiquadFilter& CBiquadFilter::operator=(const CBiquadFilter& other)
{
    if (this == &other)
        return *this;
    CBaseCoreDSPFilter::operator=(other);
    m_GainResponse = other.m_GainResponse;
    m_PhaseResponse = other.m_PhaseResponse;
    m_Biquad = other.m_Biquad;
    m_InvSampleRate = other.m_InvSampleRate;
    return *this;
}

// Also touches the shared TodB instance and the descriptors, so that nothing is built for the first
// time on the audio thread.
void CBiquadFilter::WireCurves()
{
    m_GainDbResponse.SetFunction(0, &m_GainResponse);
    m_GainDbResponse.SetFunction(1, &Math::TFunction<&Math::FunctionsLibrary::TodB>::GetInstance());
    m_OutputCurves.GetStorage()[kGainCurve] = &m_GainResponse;
    m_OutputCurves.GetStorage()[kGainDbCurve] = &m_GainDbResponse;
    m_OutputCurves.GetStorage()[kPhaseCurve] = &m_PhaseResponse;
    Descriptors();
}

const IProcessInfo& CBiquadFilter::GetProcessInfo() const { return Descriptors().m_ProcessInfo; }

void CBiquadFilter::SkipSilence(int count)
{
    if (count > 0)
        m_Biquad.ClearHistory();
}

void CBiquadFilter::UpdateOutputCurves()
{
    if (!m_CoeffsChanged)
        return;
    m_CoeffsChanged = false;
    if (!m_GainResponse.HasSameCoefficients(m_Biquad)) {
        m_GainResponse.SetCoefficients(m_Biquad);
        m_OutputCurvesDirty.GetStorage()[kGainCurve].SetDirty();
        m_OutputCurvesDirty.GetStorage()[kGainDbCurve].SetDirty();
    }
    if (!m_PhaseResponse.HasSameCoefficients(m_Biquad)) {
        m_PhaseResponse.SetCoefficients(m_Biquad);
        m_OutputCurvesDirty.GetStorage()[kPhaseCurve].SetDirty();
    }
}

void CBiquadFilter::OnSampleRateChanged(bool& /*apply*/)
{
    m_InvSampleRate = m_SampleRate != 0.0 ? 1.0 / m_SampleRate : 0.0;
    m_GainResponse.SetInvSampleRate(m_InvSampleRate);
    m_PhaseResponse.SetInvSampleRate(m_InvSampleRate);
}

} // namespace Filters
} // namespace DSP
} // namespace Audio
} // namespace Veltis
