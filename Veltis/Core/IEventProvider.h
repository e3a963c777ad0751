#pragma once

namespace Veltis {
namespace Core {

class ICommand;

// The listener side of an event: registration of commands that run when the event is notified.
class IEventProvider {
public:
    virtual void AddListener(ICommand* listener) = 0;
    virtual void AddListener(ICommand& listener) = 0;
    // Removes every registration of the command; with deleteIt also deletes it and clears the
    // caller's pointer. A null pointer does nothing.
    virtual void RemoveListener(ICommand*& listener, bool deleteIt) = 0;
    // Removes every registration of the command without deleting it.
    virtual void RemoveListener(ICommand* listener) = 0;
    virtual ~IEventProvider() {}
};

} // namespace Core
} // namespace Veltis
