#pragma once

namespace Veltis {
namespace Core {
class IEventProvider;
}

namespace DataModel {

// The read-only face of every info record: a name, a comment and the event that announces edits.
class IConstObjectInfo {
public:
    virtual const char* GetName() const = 0;
    virtual const char* GetComment() const = 0;
    // Listeners may register through a read-only view: the event is not part of the record's value.
    virtual Core::IEventProvider& GetChangedEvent() const = 0;
    virtual ~IConstObjectInfo() {}
};

} // namespace DataModel
} // namespace Veltis
