#include "VeltisExt/AAXPlugin/CAAXPluginParamAdapter.h"

#include <math.h>

#include "VeltisExt/AAXPlugin/CAAXPluginParameter.h"
#include "aax/NormalizedToInt32.h"

namespace VeltisExt {
namespace AAXPlugin {

CAAXPluginParamAdapter::~CAAXPluginParamAdapter()
{
    if (CAAXPluginParameter* parameter = GetHostParameter())
        parameter->DetachAdapter();
}

const Veltis::DataModel::Objects::IConstParamInfo& CAAXPluginParamAdapter::GetInfo() const
{
    return m_pParamInfos->GetAt(m_Index);
}

const Veltis::DataModel::Objects::IConstParamInfo& CAAXPluginParamAdapter::GetInfo()
{
    return m_pParamInfos->GetAt(m_Index);
}

void CAAXPluginParamAdapter::SetValue(float value)
{
    CAAXPluginParameter* parameter = GetHostParameter();
    // Comparisons with NaN count as equal; other non-finite values are refused too.
    if (!parameter || !isfinite(value) || !(value != GetValue()))
        return;
    m_Value.store(value, std::memory_order_relaxed);
    parameter->SetValue(value);
    m_ValueChangedEvents.Notify();
}

void CAAXPluginParamAdapter::BeginCapture()
{
    if (m_IsChanging)
        return;
    m_IsChanging = true;
    if (CAAXPluginParameter* parameter = GetHostParameter())
        parameter->Touch();
    m_BeginChangeEvents.Notify();
}

void CAAXPluginParamAdapter::EndCapture()
{
    if (!m_IsChanging)
        return;
    m_IsChanging = false;
    if (CAAXPluginParameter* parameter = GetHostParameter())
        parameter->ReleaseTouch();
    m_EndChangeEvents.Notify();
}

void CAAXPluginParamAdapter::OnHostValueChanged(double normalizedValue)
{
    CAAXPluginParameter* parameter = GetHostParameter();
    if (!parameter || isnan(normalizedValue))
        return;
    const AAX_ITaperDelegate<float>& taper = parameter->GetTaperDelegate();
    const double cached = taper.RealToNormalized(GetValue());
    const float real = taper.NormalizedToReal(normalizedValue);
    if (normalizedValue == cached || NormalizedToInt32(normalizedValue, 0.0, 1.0) == NormalizedToInt32(cached, 0.0, 1.0) ||
        real == GetValue() || !isfinite(real))
        return;
    m_Value.store(real, std::memory_order_relaxed);
    m_ValueChangedEvents.Notify();
}

void CAAXPluginParamAdapter::UpdateOutputValue(float value)
{
    CAAXPluginParameter* parameter = GetHostParameter();
    if (!parameter || !isfinite(value) || !(value != GetValue()))
        return;
    m_Value.store(value, std::memory_order_relaxed);
    parameter->UpdateValueSilently(parameter->GetTaperDelegate().RealToNormalized(value));
    m_ValueChangedEvents.Notify();
}

void CAAXPluginParamAdapter::SetHostParameter(CAAXPluginParameter* parameter)
{
    m_pHostParameter.store(parameter, std::memory_order_release);
}

void CAAXPluginParamAdapter::SetParam(const CParamInfos* infos, int index, const char* id)
{
    m_pParamInfos = infos;
    m_Index = index;
    m_Id = id;
    m_Value.store(infos->GetAt(index).GetDefault(), std::memory_order_relaxed);
}

} // namespace AAXPlugin
} // namespace VeltisExt
