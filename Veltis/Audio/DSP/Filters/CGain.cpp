#include "Veltis/Audio/DSP/Filters/CGain.h"

#include "Veltis/Audio/DSP/CProcessInfo.h"
#include "Veltis/Audio/DSP/IParamsVariations.h"
#include "Veltis/Audio/DSP/Filters/ResponseCurveInfos.h"
#include "Veltis/DataModel/Objects/CParamValueToText.h"
#include "Veltis/DataModel/Objects/CProductInfo.h"
#include "Veltis/Math/FunctionsLibrary.h"

namespace Veltis {
namespace Audio {
namespace DSP {
namespace Filters {

using DataModel::Objects::CParamInfo;
using DataModel::Objects::CParamValueToText;
using Math::FunctionsLibrary::FromdB;

namespace {

enum { kMaxSets = 3 };

struct CGainDescriptors {
    CGainDescriptors()
        : m_Info("Gain", "1", "Copyright Veltis", ""), m_ProcessInfo(1, 1), m_Params(1), m_Curves(2)
    {
        m_Params.GetStorage()[0] = CParamInfo(2, "Gain", "dB", "", new CParamValueToText("%+.1f", false, "{value}"),
                                              -60.0f, 60.0f, 0.0f, true);
        m_Curves.GetStorage()[0] = GainResponseCurveInfo();
        m_Curves.GetStorage()[1] = PhaseResponseCurveInfo();
    }

    DataModel::Objects::CProductInfo m_Info;
    CProcessInfo m_ProcessInfo;
    CBaseCoreDSPFilter::CParamsInfo m_Params;
    CBaseCoreDSPFilter::CCurvesInfo m_Curves;
};

const CGainDescriptors& Descriptors()
{
    static const CGainDescriptors descriptors;
    return descriptors;
}

} // namespace

CGain::CGain() : m_GainCurve(0.0f), m_PhaseCurve(0.0f), m_OutputCurves(2), m_OutputCurvesDirty(2)
{
    Initialise();
    SetInputParamsInfo(Descriptors().m_Params);
    SetOutputCurvesInfo(Descriptors().m_Curves);
}

CGain::CGain(const CGain& other)
    : IFilter(), CBaseCoreDSPFilter(other), m_GainCurve(0.0f), m_PhaseCurve(0.0f), m_OutputCurves(2),
      m_OutputCurvesDirty(2)
{
    Initialise();
}

// Unity until the first value arrives, so that a block before any value passes the signal unchanged.
void CGain::Initialise()
{
    m_GainFactors[0] = m_GainFactors[1] = m_GainFactors[2] = 1.0f;
    m_OutputCurves.GetStorage()[0] = &m_GainCurve;
    m_OutputCurves.GetStorage()[1] = &m_PhaseCurve;
}

const DataModel::Objects::IConstProductInfo& CGain::GetObjectInfo() const { return Descriptors().m_Info; }

const IProcessInfo& CGain::GetProcessInfo() const { return Descriptors().m_ProcessInfo; }

void CGain::SetParamsValues(const IConstValues& values)
{
    if (m_SampleRate == 0.0 || values.GetCount() != 1)
        return;
    m_GainFactors[0] = FromdB(values.GetValue(0));
}

void CGain::UpdateOutputCurves()
{
    if (m_GainCurve.GetValue() != m_GainFactors[0]) {
        m_GainCurve.SetValue(m_GainFactors[0]);
        m_OutputCurvesDirty.GetStorage()[0].SetDirty();
    }
    m_PhaseCurve.SetValue(0.0f);
}

void CGain::DoProcess(const Containers::IConstVector<IAudioStream>& inputs, Containers::IVector<IAudioStream>& outputs,
                      int count, const IParamsVariations* variations)
{
    if (inputs.GetCount() == 0 || outputs.GetCount() == 0)
        return;
    int sets = variations ? variations->GetCount() : 0;
    if (sets > kMaxSets)
        sets = kMaxSets;
    for (int i = 0; i < sets; ++i) {
        const Containers::IConstValueVector<float>& set = variations->GetAt(i);
        if (set.GetCount() == 1)
            m_GainFactors[i] = FromdB(set.GetValue(0));
    }

    static const float kZero = 0.0f;
    const IAudioStream& input = inputs.GetAt(0);
    const float* in = input.GetBuffer();
    const long inStep = in ? input.GetStep() : 0;
    if (!in)
        in = &kZero;
    IAudioStream& output = outputs.GetAt(0);
    float* out = output.GetBuffer();
    const long outStep = output.GetStep();

    // Without a ramp the factor is constant: a plain loop over contiguous streams lets the compiler
    // vectorise it.
    if (sets < 2) {
        const float gain = m_GainFactors[0];
        if (!out)
            return;
        if (inStep == 1 && outStep == 1) {
            for (int k = 0; k < count; ++k)
                out[k] = in[k] * gain;
        } else {
            for (int k = 0; k < count; ++k)
                out[k * outStep] = in[k * inStep] * gain;
        }
        return;
    }
    // The factors in locals: the output could otherwise alias them.
    float f[kMaxSets];
    for (int j = 0; j < kMaxSets; ++j)
        f[j] = m_GainFactors[j];
    for (int k = 0; k < count; ++k) {
        // Read before write: input and output may be the same stream.
        const float sample = in[k * inStep];
        if (out)
            out[k * outStep] = sample * f[0];
        for (int j = sets - 2; j >= 0; --j)
            f[j] = f[j] * f[j + 1];
    }
    for (int j = 0; j < kMaxSets; ++j)
        m_GainFactors[j] = f[j];
}

} // namespace Filters
} // namespace DSP
} // namespace Audio
} // namespace Veltis
