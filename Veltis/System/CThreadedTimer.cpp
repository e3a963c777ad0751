#include "Veltis/System/CThreadedTimer.h"

#include "Veltis/Core/CAutoLock.h"

namespace Veltis {
namespace System {

CThreadedTimer::CThreadedTimer(IThreadInvoker* invoker, bool enabled)
    : m_Invoker(invoker), m_Synchronizer(&m_Loop, m_Invoker), m_Enabled(enabled)
{
    if (enabled)
        m_Loop.StartThread();
}

CThreadedTimer::~CThreadedTimer()
{
    // No tick may reach an adapter that the synchronizer frees.
    m_Loop.StopThread();
}

void CThreadedTimer::AddTimer(int periodMs, Core::ICommand& command)
{
    m_Synchronizer.AddTimer(periodMs, command);
}

void CThreadedTimer::RemoveTimer(Core::ICommand*& command, bool deleteIt)
{
    m_Synchronizer.RemoveTimer(command, deleteIt);
}

void CThreadedTimer::Enable(bool enabled)
{
    {
        Core::CAutoLock lock(&m_EnableLock);
        if (enabled == m_Enabled)
            return;
        m_Enabled = enabled;
        if (enabled) {
            if (!m_Loop.IsThreadAlive())
                m_Loop.StartThread();
        } else {
            m_Loop.StopThread();
        }
    }
    // Listeners of unknown length run without the switch lock, so that they may wait for a thread
    // that asks IsEnabled.
    m_EnableChanged.Notify();
}

bool CThreadedTimer::IsEnabled()
{
    Core::CAutoLock lock(&m_EnableLock);
    return m_Enabled;
}

} // namespace System
} // namespace Veltis
