#pragma once

#include "Veltis/Core/CEventProvider.h"

namespace VeltisTest {

// The registrations of an event that the framework shows through its interface only.
inline int ListenerCount(Veltis::Core::IEventProvider& event)
{
    return dynamic_cast<Veltis::Core::CEventProvider&>(event).GetListenerCount();
}

} // namespace VeltisTest
