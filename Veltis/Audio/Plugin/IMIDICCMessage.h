#pragma once

#include "Veltis/Audio/Plugin/IConstMIDICCMessage.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

// A Control Change message that can be written.
class IMIDICCMessage : public virtual IConstMIDICCMessage {
public:
    virtual void SetChannel(int channel) = 0;
    virtual void SetCC(int cc) = 0;
    virtual void SetValue(int value) = 0;
    // Takes all three values; with force the change is announced even when nothing differs.
    virtual void Set(const IConstMIDICCMessage& source, bool force) = 0;
};

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
