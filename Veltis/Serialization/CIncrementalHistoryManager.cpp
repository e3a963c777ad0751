#include "Veltis/Serialization/CIncrementalHistoryManager.h"

#include "Veltis/Serialization/CIncrementalMemDataObject.h"
#include "Veltis/Serialization/ISerializable.h"

#include <iterator>

namespace Veltis {
namespace Serialization {

CIncrementalHistoryManager::CIncrementalHistoryManager(ISerializable* target)
    : m_Current(m_Steps.end()), m_Target(target), m_Count(0), m_MaxCount(-1)
{
}

CIncrementalHistoryManager::~CIncrementalHistoryManager() { Clear(); }

bool CIncrementalHistoryManager::CanRedo() const
{
    return m_Current != m_Steps.end() && std::next(CSteps::const_iterator(m_Current)) != m_Steps.end();
}

bool CIncrementalHistoryManager::CanUndo() const
{
    return m_Current != m_Steps.end() && m_Current != m_Steps.begin();
}

void CIncrementalHistoryManager::DeleteStepsAfterCurrent()
{
    CSteps::iterator first = m_Current == m_Steps.end() ? m_Steps.begin() : std::next(m_Current);
    while (first != m_Steps.end()) {
        delete *first;
        first = m_Steps.erase(first);
        --m_Count;
    }
}

void CIncrementalHistoryManager::Commit()
{
    const bool couldRedo = CanRedo();
    const bool couldUndo = CanUndo();
    if (!m_Target)
        return;
    const CIncrementalMemDataObject* previous = m_Current == m_Steps.end() ? nullptr : *m_Current;
    CIncrementalMemDataObject* snapshot = new CIncrementalMemDataObject(previous);
    m_Target->Serialize(*snapshot);
    if (snapshot->IsUnchanged()) {
        delete snapshot;
        return;
    }
    DeleteStepsAfterCurrent();
    m_Current = m_Steps.insert(m_Steps.end(), snapshot);
    ++m_Count;

    if (m_MaxCount != -1 && m_Count > m_MaxCount) {
        const bool deletingCurrent = m_Current == m_Steps.begin();
        delete m_Steps.front();
        m_Steps.pop_front();
        --m_Count;
        if (!m_Steps.empty())
            m_Steps.front()->SetPrevious(nullptr);
        if (deletingCurrent)
            m_Current = m_Steps.begin();
    }

    if (!couldUndo && m_Current != m_Steps.begin())
        m_UndoStateChanged.Notify();
    if (couldRedo)
        m_RedoStateChanged.Notify();
}

void CIncrementalHistoryManager::Undo()
{
    if (!CanUndo() || !m_Target)
        return;
    const bool couldRedo = CanRedo();
    --m_Current;
    m_Target->DeSerialize(**m_Current);
    if (!CanUndo())
        m_UndoStateChanged.Notify();
    if (!couldRedo)
        m_RedoStateChanged.Notify();
}

void CIncrementalHistoryManager::Redo()
{
    if (!CanRedo() || !m_Target)
        return;
    const bool couldUndo = CanUndo();
    ++m_Current;
    m_Target->DeSerialize(**m_Current);
    if (!CanRedo())
        m_RedoStateChanged.Notify();
    if (!couldUndo)
        m_UndoStateChanged.Notify();
}

void CIncrementalHistoryManager::Refresh()
{
    if (!m_Target)
        return;
    if (m_Current == m_Steps.end()) {
        Commit();
        return;
    }
    CIncrementalMemDataObject& snapshot = **m_Current;
    snapshot.Clear();
    snapshot.ResetUnchanged();
    m_Target->Serialize(snapshot);
}

void CIncrementalHistoryManager::Clear()
{
    const bool couldRedo = CanRedo();
    const bool couldUndo = CanUndo();
    m_Current = m_Steps.end();
    DeleteStepsAfterCurrent();
    if (couldRedo)
        m_RedoStateChanged.Notify();
    if (couldUndo)
        m_UndoStateChanged.Notify();
}

} // namespace Serialization
} // namespace Veltis
