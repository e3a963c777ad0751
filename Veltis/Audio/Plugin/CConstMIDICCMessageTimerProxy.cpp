#include "Veltis/Audio/Plugin/CConstMIDICCMessageTimerProxy.h"

#include "Veltis/Core/TCommand.h"
#include "Veltis/System/ITimerProvider.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

typedef Core::TCommand<CConstMIDICCMessageTimerProxy> CProxyCommand;

CConstMIDICCMessageTimerProxy::CConstMIDICCMessageTimerProxy(const IConstMIDICCMessage& message,
                                                             System::ITimerProvider& timer)
    : m_Dirty(false), m_pMessage(&message), m_pTimerProvider(&timer),
      m_pListener(new CProxyCommand(this, &CConstMIDICCMessageTimerProxy::OnMessageChanged)),
      m_pTimerCommand(new CProxyCommand(this, &CConstMIDICCMessageTimerProxy::OnTimer)),
      m_RefreshTime(kDefaultRefreshTimeMs)
{
    m_pMessage->GetChangedEvent().AddListener(m_pListener);
    m_pTimerProvider->AddTimer(m_RefreshTime, *m_pTimerCommand);
}

CConstMIDICCMessageTimerProxy::~CConstMIDICCMessageTimerProxy()
{
    m_pMessage->GetChangedEvent().RemoveListener(m_pListener, true);
    m_pTimerProvider->RemoveTimer(m_pTimerCommand, true);
}

void CConstMIDICCMessageTimerProxy::SetRefreshTime(int milliseconds)
{
    m_RefreshTime = milliseconds;
    m_pTimerProvider->RemoveTimer(m_pTimerCommand, true);
    m_pTimerCommand = new CProxyCommand(this, &CConstMIDICCMessageTimerProxy::OnTimer);
    m_pTimerProvider->AddTimer(m_RefreshTime, *m_pTimerCommand);
}

void CConstMIDICCMessageTimerProxy::OnTimer()
{
    if (m_Dirty.exchange(false))
        m_ChangedEvent.Notify();
}

void CConstMIDICCMessageTimerProxy::OnMessageChanged()
{
    m_Dirty = true;
}

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
