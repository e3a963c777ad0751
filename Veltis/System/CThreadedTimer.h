#pragma once

#include "Veltis/Core/IEnable.h"
#include "Veltis/System/CCriticalSection.h"
#include "Veltis/System/CMTEventProvider.h"
#include "Veltis/System/CMessageLoop.h"
#include "Veltis/System/CTimerWithThreadSynchronization.h"
#include "Veltis/System/ITimerProvider.h"

namespace Veltis {
namespace System {

// A timer provider with a clock thread of its own (a private message loop) whose commands run on a
// client invoker's thread; switched on and off through IEnable. AddTimer and RemoveTimer are called
// on the client invoker's thread.
class CThreadedTimer : public virtual ITimerProvider, public virtual Core::IEnable {
public:
    CThreadedTimer(IThreadInvoker* invoker, bool enabled);
    ~CThreadedTimer() override;

    CThreadedTimer(const CThreadedTimer&) = delete;
    CThreadedTimer& operator=(const CThreadedTimer&) = delete;

    void AddTimer(int periodMs, Core::ICommand& command) override;
    void RemoveTimer(Core::ICommand*& command, bool deleteIt) override;

    // Any thread. Disabling stops the ticks but keeps the timers.
    void Enable(bool enabled) override;
    bool IsEnabled() override;
    Core::IEventProvider& GetEnableChangedEvent() override { return m_EnableChanged; }

private:
    IThreadInvoker* m_Invoker;
    CMessageLoop m_Loop;
    CTimerWithThreadSynchronization m_Synchronizer;
    bool m_Enabled;
    CMTEventProvider m_EnableChanged;
    // Makes each switch (state and thread) one step when several threads switch at once.
    CCriticalSection m_EnableLock;
};

} // namespace System
} // namespace Veltis
