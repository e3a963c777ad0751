#pragma once

#include <stdint.h>

#include <atomic>
#include <list>
#include <memory>
#include <unordered_map>

#include "Veltis/Core/TOwnership.h"
#include "Veltis/System/CCommandThread.h"
#include "Veltis/System/CCriticalSection.h"
#include "Veltis/System/CEvent.h"
#include "Veltis/System/CPreciseCPUWatch.h"
#include "Veltis/System/CTimerSerializer.h"
#include "Veltis/System/CWaitableEvent.h"
#include "Veltis/System/IThreadInvoker.h"
#include "Veltis/System/ITimerProvider.h"

namespace Veltis {
namespace Core {
class ICommand;
}

namespace System {

// A worker thread of its own that runs commands handed over from other threads (sent and waited
// for, or posted) and fires periodic commands measured on the monotonic clock. Queue items and due
// timer ticks are served alternately, one at a time.
class CMessageLoop : public virtual IThreadInvoker, public virtual ITimerProvider {
public:
    CMessageLoop();
    // Stops and joins the thread, then discards queued commands (owned ones are deleted unrun). Never
    // delete a loop from its own thread: use Destroy.
    ~CMessageLoop() override;

    CMessageLoop(const CMessageLoop&) = delete;
    CMessageLoop& operator=(const CMessageLoop&) = delete;

    // Runs the command on the loop thread, ahead of every posted command, and waits for it; runs it
    // inline when called on the loop thread. Returns false, with the command not run (an owned one
    // deleted), when the loop is not running or stops before the command's turn.
    bool Send(Core::ICommand* command, bool own) override;
    // Appends the command to the queue; it runs when the loop runs. False only for a null command.
    // Send and Post are done with the loop once the command is queued: a command that destroys the
    // loop, or a loop stopping to delete itself, never races with the rest of the call.
    bool Post(Core::ICommand* command, bool own) override;

    // A second registration of the same command changes its period and restarts it from now.
    void AddTimer(int periodMs, Core::ICommand& command) override;
    // Returns after a tick of this timer that is running on the loop thread has ended (at once when
    // called from that tick); afterwards the command is never run again by this loop.
    void RemoveTimer(Core::ICommand*& command, bool deleteIt) override;

    // True when the thread runs (already or now). Fails on the loop's own thread while it is stopping.
    bool StartThread();
    // Queued commands and timers stay; the loop can be started again. Joins the thread unless called
    // on it.
    void StopThread();
    bool IsThreadAlive() const { return m_ThreadAlive.load(); }
    bool IsCurrentThread() { return m_Thread.IsCurrentThread(); }

    // Discards every queued command (deleting owned ones; waiting senders get false) and every timer
    // (registered commands are not deleted).
    void Clear();

    // Commands waiting in the queue (sent and posted), for monitoring.
    int GetQueuedCount();

    // Many periods sharing one timer of this loop.
    CTimerSerializer& GetTimerSerializer() { return m_TimerSerializer; }

    // Deletes the loop at once, or, when called on the loop's own thread, stops it and lets the thread
    // delete it after the running command has returned.
    static void Destroy(CMessageLoop* loop);

private:
    class CQueueItem {
    public:
        CQueueItem(Core::ICommand* command, bool owned, CEvent* completion, bool* ran)
            : m_Command(command, owned ? 1 : 0), m_Completion(completion), m_Ran(ran)
        {
        }

        CQueueItem(const CQueueItem&) = delete;
        CQueueItem& operator=(const CQueueItem&) = delete;

        void Run();
        // Wakes a waiting sender with "not run".
        void Abandon();
        bool IsSent() const { return m_Completion != nullptr; }

    private:
        Core::TOwnership<Core::ICommand> m_Command;
        CEvent* m_Completion;
        bool* m_Ran;
    };

    // Everything but the command and the lock is guarded by the timer lock. The entry's own lock is
    // held while its command runs and is never taken with the timer lock held, so ticks that add or
    // remove timers cannot deadlock against removers on other threads.
    class CTimerEntry {
    public:
        explicit CTimerEntry(Core::ICommand* command) : m_PeriodTicks(0), m_Command(command), m_Removed(false), m_Due(false) {}

        CPreciseCPUWatch m_Watch;
        uint64_t m_PeriodTicks;
        Core::ICommand* const m_Command;
        CCriticalSection m_Lock;
        bool m_Removed;
        // In the due list (a period of 0 would otherwise queue it again at every scan).
        bool m_Due;
    };

    // Shared by the table, the due list, a running tick and a waiting remover: the last one frees it.
    typedef std::shared_ptr<CTimerEntry> TEntryPointer;

    void Run();
    bool RunNextQueueItem();
    bool RunNextDueTimer();
    // Moves due timers to the due list; returns the wait until the next one is due, -1 for none.
    int ScanTimers();
    void ReleaseSenders();
    static void WaitForTick(CTimerEntry& entry);

    CCriticalSection m_QueueLock;
    std::list<CQueueItem*> m_Queue;
    std::unordered_map<Core::ICommand*, TEntryPointer> m_Timers;
    std::list<TEntryPointer> m_DueList;
    CCriticalSection m_TimerLock;
    std::atomic<bool> m_Running;
    std::atomic<bool> m_ThreadAlive;
    CWaitableEvent m_WakeUp;
    CEvent m_Started;
    CCommandThread m_Thread;
    int m_WaitTime;
    CTimerSerializer m_TimerSerializer;
    // Guarded by the queue lock: sends are taken only while the thread body serves the queue.
    bool m_AcceptingSends;
    // Serialises starting, stopping and joining from threads other than the loop's.
    CCriticalSection m_ThreadLock;
    std::atomic<bool> m_DeleteOnExit;
};

} // namespace System
} // namespace Veltis
