#pragma once

#include <memory>

#include "Veltis/System/CEvent.h"
#include "Veltis/System/IThreadInvoker.h"
#include "support/BoundedWait.h"
#include "support/CFunctionCommand.h"

namespace VeltisTest {

// Waits (bounded) until every command posted to the invoker so far has run (a Send would jump the
// queue). The marker is owned by the invoker, so a time-out leaves nothing dangling behind.
inline bool WaitForPosted(Veltis::System::IThreadInvoker& invoker)
{
    std::shared_ptr<Veltis::System::CEvent> ran = std::make_shared<Veltis::System::CEvent>();
    invoker.Post(new CFunctionCommand([ran] { ran->Set(); }), true);
    return WaitFor(*ran, "the posted commands to run");
}

} // namespace VeltisTest
