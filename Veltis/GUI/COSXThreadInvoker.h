#pragma once

// The thread invoker of the native GUI: carries commands from any thread to its target thread (the GUI
// thread) as perform requests of small callback objects, and runs them there.

#include "Native/Types.h"
#include "Veltis/Core/TOwnership.h"
#include "Veltis/System/CCriticalSection.h"
#include "Veltis/System/IThreadInvoker.h"

#include <atomic>
#include <set>

namespace Veltis {
namespace GUI {

class COSXThreadInvoker : public virtual System::IThreadInvoker {
public:
    // One hand-off: the command, its callback object and the invoker that made it.
    struct CallbackStruct {
        CallbackStruct(Core::ICommand* command, bool own, COSXThreadInvoker* invoker);
        ~CallbackStruct();
        CallbackStruct(const CallbackStruct&) = delete;
        CallbackStruct& operator=(const CallbackStruct&) = delete;

        Core::TOwnership<Core::ICommand> m_Command;
        Native::id m_CallbackObject;
        COSXThreadInvoker* m_Invoker;
    };

    // The thread is held, not retained; null until set.
    explicit COSXThreadInvoker(Native::NSThread* thread = nullptr);
    // Discards what is pending, after a command that runs now has returned.
    ~COSXThreadInvoker() override;
    COSXThreadInvoker(const COSXThreadInvoker&) = delete;
    COSXThreadInvoker& operator=(const COSXThreadInvoker&) = delete;

    // Both answer true when the command was handed over (also when CancelPending discards it later)
    // and false without a target thread, when an owned command is deleted unrun. Send on the target
    // thread runs the command at once; from another thread it waits, without a time-out, until the
    // target thread's run loop has run it.
    bool Send(Core::ICommand* command, bool own) override;
    bool Post(Core::ICommand* command, bool own) override;

    void SetThread(Native::NSThread* thread);
    // Discards every pending command unrun (owned ones are deleted), after a running one has returned.
    void CancelPending();

private:
    bool Invoke(Core::ICommand* command, bool own, bool wait);
    void RunCallback(CallbackStruct* record);
    static void OnCallback(Native::id self, Native::SEL sel);

    std::set<CallbackStruct*> m_Pending;
    System::CCriticalSection m_PendingLock;
    System::CCriticalSection m_RunLock;
    // Atomic because a worker reads it while the owner sets it on the GUI thread.
    std::atomic<Native::NSThread*> m_Thread;
    // Callbacks that have taken this invoker from their record and not yet finished with it; guarded by
    // the process-wide callback lock. The destructor waits for them.
    int m_CallbacksInFlight = 0;
};

} // namespace GUI
} // namespace Veltis
