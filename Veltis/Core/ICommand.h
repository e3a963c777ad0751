#pragma once

namespace Veltis {
namespace Core {

// The unit of deferred work: listeners, queued work items, timer ticks and thread bodies.
class ICommand {
public:
    virtual void Execute() = 0;
    virtual ~ICommand() {}
};

} // namespace Core
} // namespace Veltis
