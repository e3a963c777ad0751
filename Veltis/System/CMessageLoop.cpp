#include "Veltis/System/CMessageLoop.h"

#include <limits.h>

#include "Veltis/Core/CAutoLock.h"
#include "Veltis/Core/ICommand.h"
#include "Veltis/Core/SaturatingCast.h"
#include "Veltis/Core/TCommand.h"

namespace Veltis {
namespace System {

namespace {

uint64_t SaturatingAdd(uint64_t a, uint64_t b)
{
    return a > UINT64_MAX - b ? UINT64_MAX : a + b;
}

} // namespace

void CMessageLoop::CQueueItem::Run()
{
    if (m_Command.Get())
        m_Command.Get()->Execute();
    if (m_Ran)
        *m_Ran = true;
    // The sender's stack holds the event and the flag: nothing of theirs is touched after this.
    if (m_Completion)
        m_Completion->Set();
}

void CMessageLoop::CQueueItem::Abandon()
{
    if (m_Ran)
        *m_Ran = false;
    if (m_Completion)
        m_Completion->Set();
}

CMessageLoop::CMessageLoop()
    : m_Running(false),
      m_ThreadAlive(false),
      m_WakeUp(false),
      m_Started(false),
      m_Thread(new Core::TCommand<CMessageLoop>(this, &CMessageLoop::Run), true, false),
      m_WaitTime(-1),
      m_TimerSerializer(this),
      m_AcceptingSends(false),
      m_DeleteOnExit(false)
{
}

CMessageLoop::~CMessageLoop()
{
    if (m_Thread.IsCurrentThread()) {
        m_Running.store(false);
    } else {
        StopThread();
    }
    Clear();
}

void CMessageLoop::Destroy(CMessageLoop* loop)
{
    if (!loop)
        return;
    if (!loop->m_Thread.IsCurrentThread()) {
        delete loop;
        return;
    }
    loop->m_DeleteOnExit.store(true);
    loop->m_Running.store(false);
    loop->m_WakeUp.Set();
}

bool CMessageLoop::Send(Core::ICommand* command, bool own)
{
    if (!command)
        return false;
    if (m_Thread.IsCurrentThread()) {
        command->Execute();
        if (own)
            delete command;
        return true;
    }
    CEvent completion(false);
    bool ran = false;
    CQueueItem* item = new CQueueItem(command, own, &completion, &ran);
    {
        Core::CAutoLock lock(&m_QueueLock);
        if (m_AcceptingSends) {
            m_Queue.push_front(item);
            item = nullptr;
            // Under the lock: a loop deleting itself takes this lock first, so it cannot be gone yet.
            m_WakeUp.Set();
        }
    }
    if (item) {
        // Nobody would ever run it: waiting would hang the caller.
        delete item;
        return false;
    }
    completion.Wait(-1);
    return ran;
}

bool CMessageLoop::Post(Core::ICommand* command, bool own)
{
    if (!command)
        return false;
    CQueueItem* item = new CQueueItem(command, own, nullptr, nullptr);
    Core::CAutoLock lock(&m_QueueLock);
    m_Queue.push_back(item);
    // Under the lock, as in Send.
    m_WakeUp.Set();
    return true;
}

int CMessageLoop::GetQueuedCount()
{
    Core::CAutoLock lock(&m_QueueLock);
    return static_cast<int>(m_Queue.size());
}

void CMessageLoop::AddTimer(int periodMs, Core::ICommand& command)
{
    TEntryPointer entry = std::make_shared<CTimerEntry>(&command);
    entry->m_PeriodTicks = entry->m_Watch.MillisecondsToTicks(periodMs);
    entry->m_Watch.Start();
    {
        Core::CAutoLock lock(&m_TimerLock);
        std::unordered_map<Core::ICommand*, TEntryPointer>::iterator found = m_Timers.find(&command);
        if (found == m_Timers.end()) {
            m_Timers.emplace(&command, entry);
        } else {
            CTimerEntry& existing = *found->second;
            existing.m_PeriodTicks = entry->m_PeriodTicks;
            existing.m_Watch.Start();
            if (existing.m_Due) {
                existing.m_Due = false;
                m_DueList.remove(found->second);
            }
        }
    }
    m_WakeUp.Set();
}

void CMessageLoop::RemoveTimer(Core::ICommand*& command, bool deleteIt)
{
    TEntryPointer entry;
    {
        Core::CAutoLock lock(&m_TimerLock);
        std::unordered_map<Core::ICommand*, TEntryPointer>::iterator found = m_Timers.find(command);
        if (found != m_Timers.end()) {
            entry = found->second;
            m_Timers.erase(found);
            m_DueList.remove(entry);
            entry->m_Removed = true;
        }
    }
    if (entry)
        WaitForTick(*entry);
    entry.reset();
    if (deleteIt) {
        delete command;
        command = nullptr;
    }
}

void CMessageLoop::WaitForTick(CTimerEntry& entry)
{
    // The lock is recursive, so a tick removing its own timer passes at once.
    entry.m_Lock.Lock();
    entry.m_Lock.Unlock();
}

bool CMessageLoop::StartThread()
{
    if (m_Thread.IsCurrentThread())
        return m_Running.load();
    Core::CAutoLock lifecycle(&m_ThreadLock);
    if (m_ThreadAlive.load() && m_Running.load())
        return true;
    // A run stopped from its own thread may still be ending: two bodies must never overlap.
    m_Thread.Join(-1);
    m_Running.store(true);
    if (!m_Thread.Start()) {
        m_Running.store(false);
        return false;
    }
    m_Started.Wait(-1);
    return true;
}

void CMessageLoop::StopThread()
{
    if (m_Thread.IsCurrentThread()) {
        m_Running.store(false);
        m_WakeUp.Set();
        return;
    }
    Core::CAutoLock lifecycle(&m_ThreadLock);
    m_Running.store(false);
    m_WakeUp.Set();
    m_Thread.Join(-1);
}

void CMessageLoop::Clear()
{
    std::list<CQueueItem*> items;
    {
        Core::CAutoLock lock(&m_QueueLock);
        items.swap(m_Queue);
    }
    for (CQueueItem* item : items) {
        item->Abandon();
        delete item;
    }

    std::list<TEntryPointer> entries;
    {
        Core::CAutoLock lock(&m_TimerLock);
        for (auto& timer : m_Timers) {
            timer.second->m_Removed = true;
            entries.push_back(timer.second);
        }
        m_Timers.clear();
        m_DueList.clear();
    }
    for (const TEntryPointer& entry : entries)
        WaitForTick(*entry);
}

void CMessageLoop::Run()
{
    {
        Core::CAutoLock lock(&m_QueueLock);
        m_AcceptingSends = true;
    }
    m_ThreadAlive.store(true);
    m_Started.Set();

    for (;;) {
        m_WakeUp.Wait(m_WaitTime);
        bool leave = false;
        for (;;) {
            if (!m_Running.load()) {
                leave = true;
                break;
            }
            const bool ranItem = RunNextQueueItem();
            if (RunNextDueTimer() || ranItem)
                continue;
            break;
        }
        if (leave)
            break;
        m_WaitTime = ScanTimers();
        if (!m_Running.load())
            break;
    }

    ReleaseSenders();
    m_Started.Reset();
    const bool deleteThis = m_DeleteOnExit.load();
    m_ThreadAlive.store(false);
    // Nothing of this object is touched after the delete, on the way out of the thread either.
    if (deleteThis)
        delete this;
}

void CMessageLoop::ReleaseSenders()
{
    std::list<CQueueItem*> sent;
    {
        Core::CAutoLock lock(&m_QueueLock);
        m_AcceptingSends = false;
        for (std::list<CQueueItem*>::iterator it = m_Queue.begin(); it != m_Queue.end();) {
            if ((*it)->IsSent()) {
                sent.push_back(*it);
                it = m_Queue.erase(it);
            } else {
                ++it;
            }
        }
    }
    for (CQueueItem* item : sent) {
        item->Abandon();
        delete item;
    }
}

bool CMessageLoop::RunNextQueueItem()
{
    CQueueItem* item = nullptr;
    {
        Core::CAutoLock lock(&m_QueueLock);
        if (m_Queue.empty())
            return false;
        item = m_Queue.front();
        m_Queue.pop_front();
    }
    item->Run();
    delete item;
    return true;
}

bool CMessageLoop::RunNextDueTimer()
{
    TEntryPointer entry;
    {
        Core::CAutoLock lock(&m_TimerLock);
        if (m_DueList.empty())
            return false;
        entry = m_DueList.front();
        m_DueList.pop_front();
        entry->m_Due = false;
    }
    entry->m_Lock.Lock();
    bool run = false;
    {
        // Taken inside the entry's lock: a remover never holds the timer lock while it waits.
        Core::CAutoLock lock(&m_TimerLock);
        run = !entry->m_Removed;
        if (run)
            entry->m_Watch.Start();
    }
    if (run)
        entry->m_Command->Execute();
    entry->m_Lock.Unlock();
    return true;
}

int CMessageLoop::ScanTimers()
{
    CPreciseCPUWatch scan;
    scan.Start();
    bool haveNext = false;
    uint64_t next = 0;
    {
        Core::CAutoLock lock(&m_TimerLock);
        for (auto& timer : m_Timers) {
            CTimerEntry& entry = *timer.second;
            // Compared before subtracting, so that a late timer never wraps into a far future.
            uint64_t remaining = 0;
            if (!entry.m_Due) {
                const uint64_t elapsed = entry.m_Watch.GetElapsedTicks();
                if (elapsed >= entry.m_PeriodTicks) {
                    // Held at zero until it runs: one pending tick per timer, never a second.
                    entry.m_Watch.Reset();
                    entry.m_Due = true;
                    m_DueList.push_back(timer.second);
                } else {
                    remaining = entry.m_PeriodTicks - elapsed;
                }
            }
            const uint64_t candidate = SaturatingAdd(remaining, scan.GetElapsedTicks());
            next = haveNext && next < candidate ? next : candidate;
            haveNext = true;
        }
        if (!m_DueList.empty())
            next = 0;
    }
    if (!haveNext)
        return -1;
    const uint64_t sinceScan = scan.GetElapsedTicks();
    const uint64_t wait = next > sinceScan ? next - sinceScan : 0;
    return Core::TruncateToLength(scan.TicksToMilliseconds(wait));
}

} // namespace System
} // namespace Veltis
