#include "Veltis/System/CEvent.h"

namespace Veltis {
namespace System {

CEvent::CEvent(bool signalled) : m_State(signalled) {}

CEvent::~CEvent() {}

bool CEvent::Set()
{
    return m_State.Set(true);
}

bool CEvent::Reset()
{
    m_State.Reset();
    return true;
}

bool CEvent::Wait(int ms)
{
    return m_State.Wait(ms, false);
}

} // namespace System
} // namespace Veltis
