#include "Veltis/System/CTimerWithThreadSynchronization.h"

#include "Veltis/Core/CAutoLock.h"

namespace Veltis {
namespace System {

namespace {

const int kMaxSkippedTicks = 16;

} // namespace

CTimerWithThreadSynchronization::CThreadSyncCommandAdapter::CThreadSyncCommandAdapter(Core::ICommand* command,
                                                                                      CTimerWithThreadSynchronization* owner)
    : m_Command(command), m_Owner(owner), m_HandedOver(true), m_SkippedTicks(0)
{
}

void CTimerWithThreadSynchronization::CThreadSyncCommandAdapter::Execute()
{
    {
        Core::CAutoLock lock(&m_Lock);
        if (!m_HandedOver && m_SkippedTicks < kMaxSkippedTicks) {
            ++m_SkippedTicks;
            return;
        }
        m_HandedOver = false;
        m_SkippedTicks = 0;
    }
    m_Owner->m_Invoker->Post(new CHandOff(m_Owner->m_Link, m_Command), true);
}

void CTimerWithThreadSynchronization::CHandOff::Execute()
{
    if (m_Link->m_Owner)
        m_Link->m_Owner->OnTimer(m_Command);
}

CTimerWithThreadSynchronization::CTimerWithThreadSynchronization(ITimerProvider* clock, IThreadInvoker* invoker)
    : m_Clock(clock), m_Invoker(invoker), m_Link(std::make_shared<CLink>(CLink{this}))
{
}

CTimerWithThreadSynchronization::~CTimerWithThreadSynchronization()
{
    m_Link->m_Owner = nullptr;
    // Through the clock, which waits for a tick in progress: it must never tick a freed adapter.
    for (auto& registered : m_Adapters) {
        Core::ICommand* adapter = registered.second;
        if (m_Clock)
            m_Clock->RemoveTimer(adapter, true);
        else
            delete adapter;
    }
    m_Adapters.clear();
}

void CTimerWithThreadSynchronization::AddTimer(int periodMs, Core::ICommand& command)
{
    CThreadSyncCommandAdapter*& adapter = m_Adapters[&command];
    if (!adapter)
        adapter = new CThreadSyncCommandAdapter(&command, this);
    if (m_Clock)
        m_Clock->AddTimer(periodMs, *adapter);
}

void CTimerWithThreadSynchronization::RemoveTimer(Core::ICommand*& command, bool deleteIt)
{
    std::unordered_map<Core::ICommand*, CThreadSyncCommandAdapter*>::iterator found = m_Adapters.find(command);
    if (found != m_Adapters.end()) {
        Core::ICommand* adapter = found->second;
        m_Adapters.erase(found);
        if (m_Clock)
            m_Clock->RemoveTimer(adapter, true);
        else
            delete adapter;
    }
    if (deleteIt) {
        delete command;
        command = nullptr;
    }
}

void CTimerWithThreadSynchronization::OnTimer(Core::ICommand* command)
{
    if (!command)
        return;
    std::unordered_map<Core::ICommand*, CThreadSyncCommandAdapter*>::iterator found = m_Adapters.find(command);
    if (found == m_Adapters.end())
        return;
    CThreadSyncCommandAdapter* adapter = found->second;
    {
        Core::CAutoLock lock(&adapter->m_Lock);
        adapter->m_HandedOver = true;
    }
    command->Execute();
}

} // namespace System
} // namespace Veltis
