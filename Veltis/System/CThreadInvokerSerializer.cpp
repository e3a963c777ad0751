#include "Veltis/System/CThreadInvokerSerializer.h"

#include "Veltis/Core/CAutoLock.h"

namespace Veltis {
namespace System {

namespace {

// The serializer whose drain this thread is running, if any.
thread_local const CThreadInvokerSerializer* t_Draining = nullptr;

} // namespace

CThreadInvokerSerializer::CThreadInvokerSerializer(IThreadInvoker* target, ITimerProvider* timer, int periodMs)
    : m_Timer(timer),
      m_Target(target),
      m_Period(periodMs),
      m_Running(false),
      m_Registered(false),
      m_RegisteredPeriod(0),
      m_Settled(true)
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
    const CThreadInvokerSerializer* outer = t_Draining;
    t_Draining = this;
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
    t_Draining = outer;
}

void CThreadInvokerSerializer::Start()
{
    {
        Core::CAutoLock lock(&m_StateLock);
        if (m_Running.exchange(true))
            return;
    }
    UpdateRegistration();
}

void CThreadInvokerSerializer::Stop()
{
    {
        Core::CAutoLock lock(&m_StateLock);
        m_Running.store(false);
    }
    UpdateRegistration();
    // A drain that is still ending (its tick may have changed the registration itself) ends first.
    Core::CAutoLock run(&m_RunLock);
}

void CThreadInvokerSerializer::SetRefreshTime(int milliseconds)
{
    {
        Core::CAutoLock lock(&m_StateLock);
        if (m_Period.exchange(milliseconds) == milliseconds)
            return;
    }
    UpdateRegistration();
}

void CThreadInvokerSerializer::UpdateRegistration()
{
    bool busy = false;
    {
        Core::CAutoLock lock(&m_StateLock);
        const std::thread::id thread = std::this_thread::get_id();
        if (m_Updater == std::thread::id()) {
            m_Updater = thread;
            m_Settled.Reset();
        } else if (m_Updater == thread || t_Draining == this) {
            // The updating thread sees the change when its call to the timer returns.
            return;
        } else {
            busy = true;
        }
    }
    if (busy) {
        while (busy) {
            m_Settled.Wait(-1);
            Core::CAutoLock lock(&m_StateLock);
            busy = m_Updater != std::thread::id();
        }
        return;
    }
    for (;;) {
        bool remove = false;
        bool add = false;
        int period = 0;
        {
            Core::CAutoLock lock(&m_StateLock);
            const bool running = m_Running.load();
            period = m_Period.load();
            if (running == m_Registered && (!running || period == m_RegisteredPeriod)) {
                m_Updater = std::thread::id();
                m_Settled.Set();
                return;
            }
            remove = m_Registered;
            add = running;
            m_Registered = running;
            m_RegisteredPeriod = period;
        }
        // Outside the lock: removing waits for a running tick, whose commands may call in here.
        if (!m_Timer)
            continue;
        Core::ICommand* command = this;
        if (remove)
            m_Timer->RemoveTimer(command, false);
        if (add)
            m_Timer->AddTimer(period, *this);
    }
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
