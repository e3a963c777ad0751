#pragma once

#include "Veltis/System/CEventState.h"

namespace Veltis {
namespace System {

// Auto-reset event, the wake-up signal of a message loop: a wait that sees the signal consumes it,
// timed or not, so one Set releases one wait.
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
