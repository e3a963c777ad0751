#pragma once

namespace Veltis {
namespace Core {
class ICommand;
}

namespace System {

// Runs commands on a thread of its own. own = true hands the command over: the invoker deletes it
// after it ran, or when it is discarded unrun.
class IThreadInvoker {
public:
    // Runs the command on the invoker's thread and waits for it.
    virtual bool Send(Core::ICommand* command, bool own) = 0;
    // Queues the command and returns at once.
    virtual bool Post(Core::ICommand* command, bool own) = 0;
    virtual ~IThreadInvoker() {}
};

} // namespace System
} // namespace Veltis
