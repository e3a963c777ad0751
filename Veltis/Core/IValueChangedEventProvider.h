#pragma once

namespace Veltis {
namespace Core {

class IEventProvider;

// Anything whose value can change and that announces it.
class IValueChangedEventProvider {
public:
    virtual IEventProvider& GetValueChangedEvent() = 0;
    virtual ~IValueChangedEventProvider() {}
};

} // namespace Core
} // namespace Veltis
