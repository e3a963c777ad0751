#pragma once

#include <memory>
#include <unordered_map>

#include "Veltis/Core/ICommand.h"
#include "Veltis/System/CCriticalSection.h"
#include "Veltis/System/IThreadInvoker.h"
#include "Veltis/System/ITimerProvider.h"

namespace Veltis {
namespace System {

// A timer provider whose ticks come from one thread (the clock) and whose commands run on another
// (the invoker's): each tick posts a hand-off, and while one is pending at most 16 ticks in a row are
// skipped. AddTimer, RemoveTimer and the hand-offs all happen on the invoker's thread.
class CTimerWithThreadSynchronization : public virtual ITimerProvider {
public:
    // Ticks on the clock thread; hands them off to the invoker.
    class CThreadSyncCommandAdapter : public virtual Core::ICommand {
    public:
        CThreadSyncCommandAdapter(Core::ICommand* command, CTimerWithThreadSynchronization* owner);

        void Execute() override;

    private:
        friend class CTimerWithThreadSynchronization;

        Core::ICommand* m_Command;
        CTimerWithThreadSynchronization* m_Owner;
        bool m_HandedOver;
        CCriticalSection m_Lock;
        int m_SkippedTicks;
    };

    CTimerWithThreadSynchronization(ITimerProvider* clock, IThreadInvoker* invoker);
    // Unregisters every adapter from the clock and frees it, on the invoker's thread like AddTimer.
    // Hand-offs still queued on the invoker then do nothing.
    ~CTimerWithThreadSynchronization() override;

    CTimerWithThreadSynchronization(const CTimerWithThreadSynchronization&) = delete;
    CTimerWithThreadSynchronization& operator=(const CTimerWithThreadSynchronization&) = delete;

    // A second registration of a command changes its period at the clock.
    void AddTimer(int periodMs, Core::ICommand& command) override;
    void RemoveTimer(Core::ICommand*& command, bool deleteIt) override;

    // A hand-off arriving on the invoker's thread; one whose timer was removed does nothing.
    void OnTimer(Core::ICommand* command);

private:
    // What a queued hand-off reaches its synchronizer through: cleared when the synchronizer goes,
    // because the invoker may run hand-offs after that (a window closing with ticks pending).
    struct CLink {
        CTimerWithThreadSynchronization* m_Owner;
    };

    class CHandOff : public virtual Core::ICommand {
    public:
        CHandOff(const std::shared_ptr<CLink>& link, Core::ICommand* command) : m_Link(link), m_Command(command) {}
        void Execute() override;

    private:
        std::shared_ptr<CLink> m_Link;
        Core::ICommand* m_Command;
    };

    ITimerProvider* m_Clock;
    IThreadInvoker* m_Invoker;
    std::unordered_map<Core::ICommand*, CThreadSyncCommandAdapter*> m_Adapters;
    std::shared_ptr<CLink> m_Link;
};

} // namespace System
} // namespace Veltis
