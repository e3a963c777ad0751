#include "Veltis/System/CThreadInvokerSerializer.h"

#include "Veltis/Core/CAutoLock.h"

namespace Veltis {
namespace System {

CThreadInvokerSerializer::CThreadInvokerSerializer(IThreadInvoker* target, ITimerProvider* timer, int periodMs)
    : m_Timer(timer), m_Target(target), m_Period(periodMs), m_Running(false)
{
}

CThreadInvokerSerializer::~CThreadInvokerSerializer()
{
    Clear();
}

bool CThreadInvokerSerializer::Send(Core::ICommand* command, bool own)
{
    if (!m_Target) {
        if (own)
            delete command;
        return false;
    }
    return m_Target->Send(command, own);
}

bool CThreadInvokerSerializer::Post(Core::ICommand* command, bool own)
{
    Core::CAutoLock lock(&m_QueueLock);
    m_Queue.push_back(TItem(new Core::TOwnership<Core::ICommand>(command, own ? 1 : 0)));
    return true;
}

void CThreadInvokerSerializer::Execute()
{
    Core::CAutoLock run(&m_RunLock);
    while (m_Running.load()) {
        TItem item;
        {
            Core::CAutoLock lock(&m_QueueLock);
            if (m_Queue.empty())
                break;
            item = std::move(m_Queue.front());
            m_Queue.pop_front();
        }
        if (item->Get())
            item->Get()->Execute();
    }
}

void CThreadInvokerSerializer::Start()
{
    if (m_Running.exchange(true))
        return;
    if (m_Timer)
        m_Timer->AddTimer(m_Period.load(), *this);
}

void CThreadInvokerSerializer::Stop()
{
    m_Running.store(false);
    if (!m_Timer)
        return;
    Core::ICommand* self = this;
    m_Timer->RemoveTimer(self, false);
}

void CThreadInvokerSerializer::SetRefreshTime(int milliseconds)
{
    if (m_Period.exchange(milliseconds) == milliseconds)
        return;
    if (!m_Running.load() || !m_Timer)
        return;
    Core::ICommand* self = this;
    m_Timer->RemoveTimer(self, false);
    m_Timer->AddTimer(milliseconds, *this);
}

void CThreadInvokerSerializer::Clear()
{
    Core::CAutoLock run(&m_RunLock);
    std::deque<TItem> items;
    {
        Core::CAutoLock lock(&m_QueueLock);
        items.swap(m_Queue);
    }
    // The items go outside the queue lock: an owned command's destructor may post again.
}

} // namespace System
} // namespace Veltis
