#include "Veltis/Layout/CLayoutCell.h"

#include "Veltis/Layout/IGroupLayoutCell.h"

namespace Veltis {
namespace Layout {

CLayoutCell::CLayoutCell()
    : m_Owner(nullptr), m_AutoUpdate(false), m_Displayed(true), m_DisplayChanged(false)
{
    m_Dirty.SetDirty();
}

CLayoutCell::~CLayoutCell() {}

void CLayoutCell::SetSize(const Core::C2DSize& size)
{
    if (size == m_Size)
        return;
    m_Size = size;
    m_Dirty.SetDirty();
    m_SizeChanged.Notify();
}

void CLayoutCell::Place(const Core::C2DRectangle& rectangle)
{
    UpdateSize();
    Arrange(rectangle);
}

void CLayoutCell::UpdateLayout()
{
    Place(Core::C2DRectangle(m_Position, m_Size));
}

void CLayoutCell::Detach()
{
    if (!m_Owner)
        return;
    m_Owner->RemoveCell(this, false);
    m_Owner = nullptr;
}

void CLayoutCell::SetDisplayed(bool displayed)
{
    if (displayed == m_Displayed)
        return;
    m_Displayed = displayed;
    m_DisplayChanged = true;
    Relayout();
}

bool CLayoutCell::IsDisplayedInTree() const
{
    if (!m_Displayed)
        return false;
    return !m_Owner || m_Owner->IsDisplayedInTree();
}

void CLayoutCell::SetAutoUpdate(bool autoUpdate)
{
    m_AutoUpdate = autoUpdate;
    if (autoUpdate && m_Dirty.IsDirty())
        Relayout();
}

void CLayoutCell::Relayout()
{
    m_Dirty.SetDirty();
    if (!m_AutoUpdate)
        return;
    const Core::C2DSize before = m_Size;
    UpdateSize();
    // A change that the owner must see climbs; the first cell that keeps its size re-arranges in place.
    if (m_Owner && (m_DisplayChanged || m_Size != before))
        m_Owner->Relayout();
    else
        Arrange(Core::C2DRectangle(m_Position, m_Size));
    m_DisplayChanged = false;
}

} // namespace Layout
} // namespace Veltis
