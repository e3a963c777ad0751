#pragma once

#include "Veltis/System/CEventState.h"

namespace Veltis {
namespace System {

// Auto-reset event, the wake-up signal of a message loop: a wait consumes the signal. A signal that
// ends a timed wait is left set, so the next Wait returns at once and consumes it; the loop
// re-examines its queues after every wake-up, so that is harmless.
class CWaitableEvent {
public:
    explicit CWaitableEvent(bool signalled = false);
    virtual ~CWaitableEvent();

    CWaitableEvent(const CWaitableEvent&) = delete;
    CWaitableEvent& operator=(const CWaitableEvent&) = delete;

    bool Set();
    // ms < 0 waits without limit. A timed wait returns true when signalled or timed out.
    bool Wait(int ms);

private:
    CEventState m_State;
};

} // namespace System
} // namespace Veltis
