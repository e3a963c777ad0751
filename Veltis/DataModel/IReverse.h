#pragma once

namespace Veltis {
namespace Core {
class IEventProvider;
}

namespace DataModel {

// A mapping that can be turned upside down (links, connections, multi links).
class IReverse {
public:
    virtual void SetReverse(bool reversed) = 0;
    virtual bool IsReversed() = 0;
    // Notified after the flag changed.
    virtual Core::IEventProvider& GetReverseChangedEvent() = 0;
    virtual ~IReverse() {}
};

} // namespace DataModel
} // namespace Veltis
