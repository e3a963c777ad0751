#include "Veltis/Audio/DSP/CBaseCoreDSPFilter.h"

#include "Veltis/Audio/DSP/AudioStreamOperations.h"
#include "Veltis/Audio/DSP/CEmptyStreams.h"
#include "Veltis/Audio/DSP/CLegacyPresets.h"
#include "Veltis/Audio/DSP/CParamsValues.h"
#include "Veltis/Audio/DSP/IParamsVariations.h"
#include "Veltis/Audio/DSP/IProcessInfo.h"
#include "Veltis/Containers/TPointersValueVector.h"
#include "Veltis/Containers/TValueVector.h"
#include "Veltis/Core/CCharString.h"
#include "Veltis/Core/CDirty.h"
#include "Veltis/Math/IBinaryFunction.h"
#include "Veltis/Math/IFunction.h"

#include <limits>

namespace Veltis {
namespace Audio {
namespace DSP {

namespace {

// The outputs of a filter that has none: one process-wide set, never changed.
struct CEmptyOutputs {
    CParamsValues m_Values;
    Containers::TValueVector<const char*, Core::CCharString> m_Strings;
    Containers::TPointersValueVector<Math::IFunction> m_Curves;
    CoreUtilities::TDynamicCollection<Core::CDirty, Core::IDirty> m_CurvesDirty;
    Containers::TPointersValueVector<Math::IBinaryFunction> m_Surfaces;
    CoreUtilities::TDynamicCollection<Core::CDirty, Core::IDirty> m_SurfacesDirty;
    CLegacyPresets m_Presets;
};

CEmptyOutputs& EmptyOutputs()
{
    static CEmptyOutputs outputs;
    return outputs;
}

} // namespace

// Touches the shared empty outputs, so that no getter builds them for the first time on the audio thread.
CBaseCoreDSPFilter::CBaseCoreDSPFilter()
    : m_SampleRate(0.0), m_TailLength(0), m_Latency(0), m_SilentSamples(0)
{
    EmptyOutputs();
}

CBaseCoreDSPFilter::CBaseCoreDSPFilter(const CBaseCoreDSPFilter& other)
    : IFilter(), m_SampleRate(other.m_SampleRate), m_TailLength(other.m_TailLength), m_Latency(other.m_Latency),
      m_InputParamsInfo(other.m_InputParamsInfo), m_OutputParamsInfo(other.m_OutputParamsInfo),
      m_OutputStringsInfo(other.m_OutputStringsInfo), m_OutputCurvesInfo(other.m_OutputCurvesInfo),
      m_OutputSurfacesInfo(other.m_OutputSurfacesInfo), m_SilentSamples(other.m_SilentSamples)
{
    EmptyOutputs();
    RefreshDefaultValues();
}

CBaseCoreDSPFilter& CBaseCoreDSPFilter::operator=(const CBaseCoreDSPFilter& other)
{
    if (this == &other)
        return *this;
    m_SampleRate = other.m_SampleRate;
    m_TailLength = other.m_TailLength;
    m_Latency = other.m_Latency;
    m_SilentSamples = other.m_SilentSamples;
    m_InputParamsInfo = other.m_InputParamsInfo;
    m_OutputParamsInfo = other.m_OutputParamsInfo;
    m_OutputStringsInfo = other.m_OutputStringsInfo;
    m_OutputCurvesInfo = other.m_OutputCurvesInfo;
    m_OutputSurfacesInfo = other.m_OutputSurfacesInfo;
    RefreshDefaultValues();
    return *this;
}

void CBaseCoreDSPFilter::SetSampleRate(bool& apply, double rate)
{
    m_SampleRate = rate;
    OnSampleRateChanged(apply);
    if (apply) {
        RefreshDefaultValues();
        SetParamsValues(m_DefaultValues);
    }
    m_SilentSamples = 0;
    Reset();
    UpdateOutputs();
}

void CBaseCoreDSPFilter::Process(const CProcessContext& context)
{
    m_SilentSamples = 0;
    if (context.m_Inputs && context.m_Outputs)
        DoProcess(*context.m_Inputs, *context.m_Outputs, context.m_Count, context.m_Variations);
    PostProcess(context);
}

bool CBaseCoreDSPFilter::ProcessSilence(const CProcessContext& context)
{
    if (!context.m_Outputs)
        return false;
    const int count = context.m_Count;
    if (m_SilentSamples < GetTailLength()) {
        m_SilentSamples += count;
        const CEmptyStreams silence(GetProcessInfo().GetInputsInfo().GetCount(), count);
        DoProcess(silence, *context.m_Outputs, count, context.m_Variations);
        CProcessContext silent = context;
        silent.m_Inputs = &silence;
        PostProcess(silent);
        return true;
    }
    if (context.m_Variations && context.m_Variations->GetCount() > 0)
        SetParamsValues(context.m_Variations->GetAt(0));
    SkipSilence(count);
    ClearStreams(*context.m_Outputs);
    if (count > 0 && m_SilentSamples < std::numeric_limits<int64_t>::max() - count)
        m_SilentSamples += count;
    return false;
}

void CBaseCoreDSPFilter::UpdateOutputs()
{
    UpdateOutputParams();
    UpdateOutputCurves();
}

const IFilter::IConstValues& CBaseCoreDSPFilter::GetOutputParamsValues() const { return EmptyOutputs().m_Values; }

const IFilter::IConstStrings& CBaseCoreDSPFilter::GetOutputStrings() const { return EmptyOutputs().m_Strings; }

const IFilter::IConstCurves& CBaseCoreDSPFilter::GetOutputCurves() const { return EmptyOutputs().m_Curves; }

IFilter::IDirtyFlags& CBaseCoreDSPFilter::GetOutputCurvesDirty() { return EmptyOutputs().m_CurvesDirty; }

const IFilter::IConstSurfaces& CBaseCoreDSPFilter::GetOutputSurfaces() const { return EmptyOutputs().m_Surfaces; }

IFilter::IDirtyFlags& CBaseCoreDSPFilter::GetOutputSurfacesDirty() { return EmptyOutputs().m_SurfacesDirty; }

const ILegacyPresets& CBaseCoreDSPFilter::GetLegacyPresets() const { return EmptyOutputs().m_Presets; }

void CBaseCoreDSPFilter::SetInputParamsInfo(const IConstParamsInfo& info)
{
    const int count = info.GetCount();
    m_InputParamsInfo.GetStorage().SetSize(count, true);
    for (int i = 0; i < count; ++i)
        m_InputParamsInfo.GetStorage()[i].CopyFrom(info.GetAt(i));
    RefreshDefaultValues();
}

void CBaseCoreDSPFilter::SetOutputParamsInfo(const IConstParamsInfo& info)
{
    const int count = info.GetCount();
    m_OutputParamsInfo.GetStorage().SetSize(count, true);
    for (int i = 0; i < count; ++i)
        m_OutputParamsInfo.GetStorage()[i].CopyFrom(info.GetAt(i));
}

void CBaseCoreDSPFilter::SetOutputCurvesInfo(const IConstCurvesInfo& info)
{
    const int count = info.GetCount();
    m_OutputCurvesInfo.GetStorage().SetSize(count, true);
    for (int i = 0; i < count; ++i)
        m_OutputCurvesInfo.GetStorage()[i] = info.GetAt(i);
}

void CBaseCoreDSPFilter::RefreshDefaultValues()
{
    const int count = m_InputParamsInfo.GetCount();
    m_DefaultValues.SetSize(count, false);
    for (int i = 0; i < count; ++i)
        m_DefaultValues.SetValue(i, m_InputParamsInfo.GetAt(i).GetDefault());
}

} // namespace DSP
} // namespace Audio
} // namespace Veltis
