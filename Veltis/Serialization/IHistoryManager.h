#pragma once

namespace Veltis {
namespace Core {
class IEventProvider;
}
namespace Serialization {

// Undo and redo over the serialized states of one target object.
class IHistoryManager {
public:
    virtual bool CanRedo() const = 0;
    virtual bool CanUndo() const = 0;
    virtual void Redo() = 0;
    virtual void Undo() = 0;
    // Records the target's present state as a new step after the current one, unless it is unchanged.
    virtual void Commit() = 0;
    // Replaces the current step with the target's present state.
    virtual void Refresh() = 0;
    virtual void Clear() = 0;
    // Notified when redo, or undo, may have become possible or impossible.
    virtual Core::IEventProvider& GetRedoStateChangedEvent() = 0;
    virtual Core::IEventProvider& GetUndoStateChangedEvent() = 0;
    virtual ~IHistoryManager() {}
};

} // namespace Serialization
} // namespace Veltis
