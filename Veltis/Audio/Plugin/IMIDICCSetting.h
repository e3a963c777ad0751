#pragma once

#include "Veltis/Core/IEnable.h"
#include "Veltis/DataModel/Objects/EParamValueCurve.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

// The MIDI Control Change mapping of one parameter: enabled flag, channel (0 = any, else 1 to 16),
// controller number, response curve and the parameter range that controller values 0 to 127 cover.
// Values are stored as given, never clamped; the mapping functions are their only consumers.
class IMIDICCSetting : public virtual Core::IEnable {
public:
    // Read-only lists hand out const records, so the flag is readable through them too.
    using Core::IEnable::IsEnabled;
    virtual bool IsEnabled() const = 0;
    virtual int GetChannel() const = 0;
    virtual void SetChannel(int channel) = 0;
    virtual int GetNumber() const = 0;
    virtual void SetNumber(int number) = 0;
    virtual DataModel::Objects::EParamValueCurve GetCurve() const = 0;
    virtual void SetCurve(DataModel::Objects::EParamValueCurve curve) = 0;
    virtual float GetMin() const = 0;
    virtual void SetMin(float min) = 0;
    virtual float GetMax() const = 0;
    virtual void SetMax(float max) = 0;
    // Announces any change of the six values.
    virtual Core::IEventProvider& GetChangedEvent() const = 0;
};

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
