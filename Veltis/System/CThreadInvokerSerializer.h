#pragma once

#include <atomic>
#include <deque>
#include <memory>
#include <thread>

#include "Veltis/Core/ICommand.h"
#include "Veltis/Core/IRefreshTime.h"
#include "Veltis/Core/TOwnership.h"
#include "Veltis/System/CCriticalSection.h"
#include "Veltis/System/CEvent.h"
#include "Veltis/System/IThreadInvoker.h"
#include "Veltis/System/ITimerProvider.h"

namespace Veltis {
namespace System {

// A thread invoker that collects posted commands and runs them, in posting order, on the ticks of a
// timer: cross-thread updates are batched to the timer's rate. Sends go straight to a target invoker.
//
// Threads: Post, Send, Clear, Start, Stop and SetRefreshTime may be called from any thread, also from
// a command that the serializer runs, and are safe against each other; the timer provider must accept
// calls from those threads too. The registration with the timer always ends up matching the last
// Start, Stop and SetRefreshTime. When Stop returns outside a tick, the serializer is no longer
// registered and no tick of it is running, so its owner may destroy it. A Stop inside a tick ends the
// drain after the current command and lets the timer go at once, or, while another thread is changing
// the registration, has that thread do it as soon as the tick is over.
class CThreadInvokerSerializer : public virtual IThreadInvoker, public virtual Core::ICommand, public virtual Core::IRefreshTime {
public:
    CThreadInvokerSerializer(IThreadInvoker* target, ITimerProvider* timer, int periodMs);
    // Discards queued commands; does not unregister: the owner calls Stop first.
    ~CThreadInvokerSerializer() override;

    CThreadInvokerSerializer(const CThreadInvokerSerializer&) = delete;
    CThreadInvokerSerializer& operator=(const CThreadInvokerSerializer&) = delete;

    bool Send(Core::ICommand* command, bool own) override;
    // Any thread; nothing runs before the next tick.
    bool Post(Core::ICommand* command, bool own) override;

    void SetRefreshTime(int milliseconds) override;
    int GetRefreshTime() override { return m_Period.load(); }

    // The tick: drains the queue, including commands posted while draining.
    void Execute() override;

    // Registers with the timer; does nothing while already started.
    void Start();
    // Unregisters; a drain in progress ends after its current command. Queued commands stay.
    void Stop();
    // Deletes every queued command that it owns and empties the queue.
    void Clear();

private:
    typedef std::unique_ptr<Core::TOwnership<Core::ICommand>> TItem;

    // Brings the timer registration in line with m_Running and m_Period. One thread at a time calls
    // the timer for it; a caller that finds one busy leaves its change to that thread and waits
    // for it, unless it runs in a tick, which that thread may itself be waiting for.
    void UpdateRegistration();

    std::deque<TItem> m_Queue;
    ITimerProvider* m_Timer;
    IThreadInvoker* m_Target;
    CCriticalSection m_QueueLock;
    CCriticalSection m_RunLock;
    // Written under the state lock; the drain reads m_Running without it.
    std::atomic<int> m_Period;
    std::atomic<bool> m_Running;
    CCriticalSection m_StateLock;
    // Guarded by the state lock: the registration as the timer has it, and the thread updating it.
    bool m_Registered;
    int m_RegisteredPeriod;
    std::thread::id m_Updater;
    // Set while no thread is updating the registration.
    CEvent m_Settled;
};

} // namespace System
} // namespace Veltis
