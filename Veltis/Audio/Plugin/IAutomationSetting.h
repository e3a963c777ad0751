#pragma once

#include "Veltis/Core/IEnable.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

// Whether one output parameter reaches the host as automation (touch, value, release) rather than as a
// plain parameter update.
class IAutomationSetting : public virtual Core::IEnable {
public:
    // Read-only lists hand out const records, so the flag is readable through them too.
    using Core::IEnable::IsEnabled;
    virtual bool IsEnabled() const = 0;
    virtual Core::IEventProvider& GetChangedEvent() const = 0;
};

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
