#include "Veltis/DataModel/Objects/CCaptureParamTimerProxy.h"

#include "Veltis/Core/TValueTraits.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

CCaptureParamTimerProxy::CCaptureParamTimerProxy(WritableSource* source, System::ITimerProvider* timerProvider)
    : CConstCaptureParamTimerProxy(source, timerProvider), m_WritableSource(source)
{
}

void CCaptureParamTimerProxy::BeginCapture()
{
    const bool wasCaptured = m_Captured;
    m_Captured = true;
    m_WritableSource->BeginCapture();
    if (!wasCaptured)
        m_BeginCapture.Notify();
}

void CCaptureParamTimerProxy::EndCapture()
{
    const bool wasCaptured = m_Captured;
    m_Captured = false;
    m_WritableSource->EndCapture();
    if (wasCaptured)
        m_EndCapture.Notify();
}

void CCaptureParamTimerProxy::SetValue(float value)
{
    const float old = m_WritableSource->GetValue();
    const bool wasPending = m_ChangePending.load();
    m_WritableSource->SetValue(value);
    m_ChangePending.store(false);
    if (Core::TValueTraits<float>::Differs(old, value) || wasPending)
        m_ValueChanged.Notify();
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
