#pragma once

namespace Veltis {
namespace Core {

class IEventProvider;

// Whether something can be used, and the event that announces a change of it.
class IConstEnable {
public:
    virtual bool IsEnabled() = 0;
    virtual IEventProvider& GetEnableChangedEvent() = 0;
    virtual ~IConstEnable() {}
};

} // namespace Core
} // namespace Veltis
