#pragma once

#include "Veltis/System/CEvent.h"
#include "Veltis/System/IThreadInvoker.h"
#include "support/CFunctionCommand.h"

namespace VeltisTest {

// Waits until every command posted to the invoker so far has run (a Send would jump the queue).
inline void WaitForPosted(Veltis::System::IThreadInvoker& invoker)
{
    Veltis::System::CEvent ran;
    CFunctionCommand marker([&ran] { ran.Set(); });
    invoker.Post(&marker, false);
    ran.Wait(-1);
}

} // namespace VeltisTest
