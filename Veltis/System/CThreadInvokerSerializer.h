#pragma once

#include <atomic>
#include <deque>
#include <memory>

#include "Veltis/Core/ICommand.h"
#include "Veltis/Core/IRefreshTime.h"
#include "Veltis/Core/TOwnership.h"
#include "Veltis/System/CCriticalSection.h"
#include "Veltis/System/IThreadInvoker.h"
#include "Veltis/System/ITimerProvider.h"

namespace Veltis {
namespace System {

// A thread invoker that collects posted commands and runs them, in posting order, on the ticks of a
// timer: cross-thread updates are batched to the timer's rate. Sends go straight to a target invoker.
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

    std::deque<TItem> m_Queue;
    ITimerProvider* m_Timer;
    IThreadInvoker* m_Target;
    CCriticalSection m_QueueLock;
    CCriticalSection m_RunLock;
    std::atomic<int> m_Period;
    std::atomic<bool> m_Running;
};

} // namespace System
} // namespace Veltis
