#pragma once

#include "Veltis/Containers/IConstVector.h"
#include "Veltis/Containers/IVector.h"

namespace Veltis {
namespace Core {
class IEventProvider;
}

namespace Audio {
namespace Plugin {

class IAutomationSetting;
class IMIDICCSetting;

// What every instance of the module shares and a user sets once: the global skin, the default MIDI
// input and output CC lists, the default automation output list and the output refresh rate (Hz).
class IAudioPluginDefaultSettings {
public:
    // Resets to the built-in defaults, then reads the global settings file.
    virtual void Load() = 0;
    virtual void Save() = 0;
    virtual void SetSkinFile(const char* skinFile) = 0;
    virtual void SetInputCCSettings(const Containers::IConstVector<IMIDICCSetting>& settings) = 0;
    virtual void SetOutputCCSettings(const Containers::IConstVector<IMIDICCSetting>& settings) = 0;
    virtual void SetAutomationSettings(const Containers::IConstVector<IAutomationSetting>& settings) = 0;
    virtual void SetOutputRefreshRate(double rate) = 0;
    // A new array-new copy that the caller deletes with delete[].
    virtual void GetSkinFile(char** skinFile) = 0;
    virtual void CopyInputCCSettingsTo(Containers::IVector<IMIDICCSetting>& target) = 0;
    virtual void CopyOutputCCSettingsTo(Containers::IVector<IMIDICCSetting>& target) = 0;
    virtual void CopyAutomationSettingsTo(Containers::IVector<IAutomationSetting>& target) = 0;
    virtual double GetOutputRefreshRate() = 0;
    // A new array-new copy of the factory default skin path.
    virtual void GetDefaultSkinFile(char** skinFile) = 0;
    virtual void GetDefaultInputCCSettings(Containers::IVector<IMIDICCSetting>& target) = 0;
    virtual void GetDefaultOutputCCSettings(Containers::IVector<IMIDICCSetting>& target) = 0;
    virtual void GetDefaultAutomationSettings(Containers::IVector<IAutomationSetting>& target) = 0;
    virtual double GetDefaultOutputRefreshRate() = 0;
    virtual Core::IEventProvider& GetInputCCSettingsChangedEvent() = 0;
    virtual Core::IEventProvider& GetOutputCCSettingsChangedEvent() = 0;
    virtual Core::IEventProvider& GetAutomationSettingsChangedEvent() = 0;
    virtual Core::IEventProvider& GetSkinFileChangedEvent() = 0;
    virtual Core::IEventProvider& GetOutputRefreshRateChangedEvent() = 0;
    virtual ~IAudioPluginDefaultSettings() {}
};

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
