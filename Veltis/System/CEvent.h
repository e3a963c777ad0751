#pragma once

#include "Veltis/System/CEventState.h"

namespace Veltis {
namespace System {

// Manual-reset event for hand-shakes (a loop has started, a sent command has run): once set, every
// waiter passes until Reset.
class CEvent {
public:
    explicit CEvent(bool signalled = false);
    virtual ~CEvent();

    CEvent(const CEvent&) = delete;
    CEvent& operator=(const CEvent&) = delete;

    bool Set();
    bool Reset();
    // ms < 0 waits without limit. True when signalled or when the time ran out; false only when
    // waiting failed.
    bool Wait(int ms);

private:
    CEventState m_State;
};

} // namespace System
} // namespace Veltis
