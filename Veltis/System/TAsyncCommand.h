#pragma once

#include "Veltis/Core/ICommand.h"
#include "Veltis/Core/TCommand.h"
#include "Veltis/System/IThreadInvoker.h"

namespace Veltis {
namespace System {

// A listener that turns a synchronous notification into a later call of the target's member on the
// invoker's thread. It posts its own inner command, so it must outlive every posted run.
template <class T>
class TAsyncCommand : public Core::ICommand {
public:
    TAsyncCommand(T* target, typename Core::TCommand<T>::Member member, IThreadInvoker* invoker)
        : m_Command(target, member), m_Invoker(invoker)
    {
    }

    void Execute() override { m_Invoker->Post(&m_Command, false); }

private:
    Core::TCommand<T> m_Command;
    IThreadInvoker* m_Invoker;
};

} // namespace System
} // namespace Veltis
