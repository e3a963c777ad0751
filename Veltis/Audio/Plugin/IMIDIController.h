#pragma once

#include "Veltis/Containers/IVector.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

class IAutomationSetting;
class IConstMIDICCMessage;
class IMIDICCSetting;

// An instance's MIDI CC and automation output settings and its last received Control Change. Each
// getter returns the instance's own object, so changes through the writable forms are the instance's.
class IMIDIController {
public:
    virtual const Containers::IConstVector<IMIDICCSetting>& GetInputCCSettings() const = 0;
    virtual Containers::IVector<IMIDICCSetting>& GetInputCCSettings() = 0;
    virtual const Containers::IConstVector<IMIDICCSetting>& GetOutputCCSettings() const = 0;
    virtual Containers::IVector<IMIDICCSetting>& GetOutputCCSettings() = 0;
    virtual const Containers::IConstVector<IAutomationSetting>& GetAutomationSettings() const = 0;
    virtual Containers::IVector<IAutomationSetting>& GetAutomationSettings() = 0;
    virtual const IConstMIDICCMessage& GetLastMessage() = 0;
    virtual ~IMIDIController() {}
};

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
