#include "Veltis/System/CWaitableEvent.h"

namespace Veltis {
namespace System {

CWaitableEvent::CWaitableEvent(bool signalled) : m_State(signalled) {}

CWaitableEvent::~CWaitableEvent() {}

bool CWaitableEvent::Set()
{
    return m_State.Set(false);
}

bool CWaitableEvent::Wait(int ms)
{
    return m_State.Wait(ms, true);
}

} // namespace System
} // namespace Veltis
