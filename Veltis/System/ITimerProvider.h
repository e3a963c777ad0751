#pragma once

namespace Veltis {
namespace Core {
class ICommand;
}

namespace System {

// Runs registered commands periodically on the provider's thread. A provider never owns a
// registered command.
class ITimerProvider {
public:
    virtual void AddTimer(int periodMs, Core::ICommand& command) = 0;
    // Stops the calls; with deleteIt also deletes the command and sets the caller's pointer to null.
    // A command that is not registered is ignored (and still deleted when asked).
    virtual void RemoveTimer(Core::ICommand*& command, bool deleteIt) = 0;
    virtual ~ITimerProvider() {}
};

} // namespace System
} // namespace Veltis
