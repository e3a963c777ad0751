#include "Veltis/DataModel/Objects/CConstCaptureParamTimerProxy.h"

#include "Veltis/DataModel/ProxyTick.h"
#include "Veltis/System/ITimerProvider.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

namespace {
const int kDefaultRefreshTime = 50;
}

CConstCaptureParamTimerProxy::CConstCaptureParamTimerProxy(Source* source, System::ITimerProvider* timerProvider)
    : m_Captured(false),
      m_SourceCaptured(false),
      m_ChangePending(false),
      m_Source(source),
      m_TimerProvider(timerProvider),
      m_ValueListener(new CCommand(this, &CConstCaptureParamTimerProxy::OnSourceValueChanged)),
      m_TimerCommand(new CCommand(this, &CConstCaptureParamTimerProxy::OnTimer)),
      m_BeginCaptureListener(new CCommand(this, &CConstCaptureParamTimerProxy::OnSourceBeginCapture)),
      m_EndCaptureListener(new CCommand(this, &CConstCaptureParamTimerProxy::OnSourceEndCapture)),
      m_Active(true),
      m_RefreshTime(kDefaultRefreshTime)
{
    m_Source->GetBeginCaptureEvent().AddListener(*m_BeginCaptureListener);
    m_Source->GetEndCaptureEvent().AddListener(*m_EndCaptureListener);
    m_Source->GetValueChangedEvent().AddListener(*m_ValueListener);
    if (m_TimerProvider)
        m_TimerProvider->AddTimer(kDefaultRefreshTime, *m_TimerCommand);
    m_Captured = m_Source->IsCaptured();
    m_SourceCaptured.store(m_Captured);
}

CConstCaptureParamTimerProxy::~CConstCaptureParamTimerProxy()
{
    m_Source->GetBeginCaptureEvent().RemoveListener(m_BeginCaptureListener, true);
    m_Source->GetEndCaptureEvent().RemoveListener(m_EndCaptureListener, true);
    m_Source->GetValueChangedEvent().RemoveListener(m_ValueListener, true);
    ReleaseTimerCommand();
}

void CConstCaptureParamTimerProxy::ReleaseTimerCommand()
{
    if (m_TimerProvider)
        m_TimerProvider->RemoveTimer(m_TimerCommand, true);
    else
        delete m_TimerCommand;
    m_TimerCommand = nullptr;
}

void CConstCaptureParamTimerProxy::SetRefreshTime(int milliseconds)
{
    ReleaseTimerCommand();
    m_TimerCommand = new CCommand(this, &CConstCaptureParamTimerProxy::OnTimer);
    if (m_TimerProvider)
        m_TimerProvider->AddTimer(milliseconds, *m_TimerCommand);
    m_RefreshTime = milliseconds;
}

void CConstCaptureParamTimerProxy::Update()
{
    if (m_ChangePending.exchange(false))
        m_ValueChanged.Notify();
}

void CConstCaptureParamTimerProxy::OnTimer()
{
    if (!m_Active)
        return;
    RunProxyTick(m_Captured, m_SourceCaptured.load(), *this, m_BeginCapture, m_EndCapture);
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
