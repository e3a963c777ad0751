#pragma once

#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Serialization/IHistoryManager.h"

#include <list>

namespace Veltis {
namespace Serialization {

class CIncrementalMemDataObject;
class ISerializable;

// The undo history as a chain of incremental snapshots, oldest first: each step holds the target's
// whole state and shares every unchanged value with the step before it.
class CIncrementalHistoryManager : public virtual IHistoryManager {
public:
    // Without a target every operation does nothing.
    explicit CIncrementalHistoryManager(ISerializable* target);
    ~CIncrementalHistoryManager() override;

    CIncrementalHistoryManager(const CIncrementalHistoryManager&) = delete;
    CIncrementalHistoryManager& operator=(const CIncrementalHistoryManager&) = delete;

    bool CanRedo() const override;
    bool CanUndo() const override;
    void Redo() override;
    void Undo() override;
    void Commit() override;
    void Refresh() override;
    void Clear() override;
    Core::IEventProvider& GetRedoStateChangedEvent() override { return m_RedoStateChanged; }
    Core::IEventProvider& GetUndoStateChangedEvent() override { return m_UndoStateChanged; }

    // -1 keeps every step; takes effect at the next Commit, which removes at most one old step.
    void SetMaxCount(int maxCount) { m_MaxCount = maxCount; }
    int GetCount() const { return m_Count; }

private:
    typedef std::list<CIncrementalMemDataObject*> CSteps;

    void DeleteStepsAfterCurrent();

    CSteps m_Steps;
    CSteps::iterator m_Current;
    ISerializable* m_Target;
    Core::CEventProvider m_UndoStateChanged;
    Core::CEventProvider m_RedoStateChanged;
    int m_Count;
    int m_MaxCount;
};

} // namespace Serialization
} // namespace Veltis
