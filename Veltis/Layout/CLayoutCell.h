#pragma once

#include "Veltis/Core/C2DPoint.h"
#include "Veltis/Core/C2DSize.h"
#include "Veltis/Core/CDirty.h"
#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Layout/ILayoutCell.h"

namespace Veltis {
namespace Layout {

// What every cell shares: its rectangle, its owner, the dirty and display flags and the relayout
// rule. Cells start dirty, displayed and with auto update off, so building a tree lays out nothing.
class CLayoutCell : public virtual ILayoutCell {
public:
    CLayoutCell();
    ~CLayoutCell() override;

    CLayoutCell(const CLayoutCell&) = delete;
    CLayoutCell& operator=(const CLayoutCell&) = delete;

    Core::C2DSize GetSize() override { return m_Size; }
    Core::IEventProvider& GetSizeChangedEvent() override { return m_SizeChanged; }
    // On a change only: stores, marks dirty and notifies.
    void SetSize(const Core::C2DSize& size) override;

    void Place(const Core::C2DRectangle& rectangle) override;
    void UpdateLayout() override;
    bool HasOwner() const override { return m_Owner != nullptr; }
    void SetOwner(IGroupLayoutCell* owner) override { m_Owner = owner; }
    IGroupLayoutCell* GetOwner() const override { return m_Owner; }
    void Detach() override;
    void SetDisplayed(bool displayed) override;
    bool IsDisplayed() const override { return m_Displayed; }
    bool IsDisplayedInTree() const override;
    void SetAutoUpdate(bool autoUpdate) override;
    bool IsAutoUpdate() const override { return m_AutoUpdate; }
    void Relayout() override;

    Core::C2DPoint GetPosition() const { return m_Position; }

protected:
    Core::CDirty m_Dirty;
    Core::C2DPoint m_Position;

private:
    Core::C2DSize m_Size;
    IGroupLayoutCell* m_Owner;
    Core::CEventProvider m_SizeChanged;
    bool m_AutoUpdate;
    bool m_Displayed;
    bool m_DisplayChanged;
};

} // namespace Layout
} // namespace Veltis
