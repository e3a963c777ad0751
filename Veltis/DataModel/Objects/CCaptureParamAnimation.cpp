#include "Veltis/DataModel/Objects/CCaptureParamAnimation.h"

#include "Veltis/Core/TValueTraits.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

CCaptureParamAnimation::CCaptureParamAnimation(System::ITimerProvider* timerProvider, Target* target)
    : m_Value(0.0f),
      m_Enabled(true),
      m_Duration(250),
      m_TimeLink(timerProvider, nullptr, nullptr),
      m_TargetValueListener(this, &CCaptureParamAnimation::OnTargetValueChanged),
      m_TargetInfoListener(this, &CCaptureParamAnimation::OnTargetInfoChanged),
      m_Setting(false)
{
    m_TimeLink.Enable(true);
    if (target)
        Connect(target);
}

CCaptureParamAnimation::~CCaptureParamAnimation()
{
    Disconnect();
}

void CCaptureParamAnimation::Connect(Target* target)
{
    Disconnect();
    if (!target)
        return;
    m_Info.CopyFrom(target->GetInfo());
    m_TimeLink.SetTarget(target);
    SetValue(target->GetValue());
    m_TimeLink.SetSource(this);
    target->GetValueChangedEvent().AddListener(m_TargetValueListener);
    target->GetInfo().GetChangedEvent().AddListener(m_TargetInfoListener);
}

void CCaptureParamAnimation::Disconnect()
{
    if (Target* target = GetTarget()) {
        target->GetValueChangedEvent().RemoveListener(&m_TargetValueListener);
        target->GetInfo().GetChangedEvent().RemoveListener(&m_TargetInfoListener);
    }
    m_TimeLink.SetTarget(nullptr);
    m_TimeLink.SetSource(nullptr);
}

void CCaptureParamAnimation::SetValue(float value)
{
    m_Setting = true;
    if (!Core::TValueTraits<float>::Differs(m_Value, value)) {
        m_Setting = false;
        return;
    }
    m_Value = value;
    if (value > GetInfo().GetMax())
        m_Value = GetInfo().GetMax();
    else if (!(value >= GetInfo().GetMin()))
        m_Value = GetInfo().GetMin();
    NotifyValueChanged();
    m_Setting = false;
}

void CCaptureParamAnimation::Enable(bool enabled)
{
    if (enabled == m_Enabled)
        return;
    m_Enabled = enabled;
    m_TimeLink.SetDuration(enabled ? m_Duration : 0);
    m_EnableChanged.Notify();
}

void CCaptureParamAnimation::SetDuration(int milliseconds)
{
    m_Duration = milliseconds;
    if (m_Enabled)
        m_TimeLink.SetDuration(milliseconds);
}

void CCaptureParamAnimation::OnTargetValueChanged()
{
    Target* target = GetTarget();
    if (target && !m_Setting && !m_TimeLink.IsInStep())
        SetValue(target->GetValue());
}

void CCaptureParamAnimation::OnTargetInfoChanged()
{
    if (Target* target = GetTarget())
        m_Info.CopyFrom(target->GetInfo());
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
