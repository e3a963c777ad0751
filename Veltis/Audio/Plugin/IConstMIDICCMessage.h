#pragma once

namespace Veltis {
namespace Core {
class IEventProvider;
}

namespace Audio {
namespace Plugin {

// The last MIDI Control Change message received, for MIDI learn.
class IConstMIDICCMessage {
public:
    virtual int GetChannel() const = 0;
    virtual int GetCC() const = 0;
    virtual int GetValue() const = 0;
    virtual Core::IEventProvider& GetChangedEvent() const = 0;
    virtual ~IConstMIDICCMessage() {}
};

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
