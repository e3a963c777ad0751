#pragma once

#include "Veltis/Layout/CBaseGroupLayoutCell.h"
#include "Veltis/Layout/ELayoutType.h"

#include <list>

namespace Veltis {
namespace Layout {

// A group that lays its children out in a row, in a column or on top of each other. Its natural size
// follows from the children, margins and spacing; given another size it shares the difference by the
// children's flex factors or shifts the run by its internal alignment.
class CGroupLayoutCell : public CBaseGroupLayoutCell {
public:
    CGroupLayoutCell(int fixedWidth, int fixedHeight, int hMargin, int vMargin, int spacing, ELayoutType type);
    // Deletes the children it owns and touches no other: a non-owned child may already be gone.
    ~CGroupLayoutCell() override;

    void SetSpacing(int spacing);
    int GetSpacing() const { return m_Spacing; }
    void SetLayoutType(ELayoutType type);
    ELayoutType GetLayoutType() const { return static_cast<ELayoutType>(m_LayoutType); }

    ILayoutOptions* AddCell(ILayoutCell* cell, const ILayoutOptions& options, int owned) override;
    // A kept cell is left without owner.
    void RemoveCell(ILayoutCell* cell, bool deleteOwned) override;
    void SetInsertAfter(ILayoutCell* cell) override;
    ILayoutCell* GetInsertAfter() const override;
    void Clear() override;
    // The children first, then the group.
    void SetAutoUpdate(bool autoUpdate) override;
    void ComputeNaturalSize(bool updateChildren) override;
    void Arrange(const Core::C2DRectangle& rectangle) override;

private:
    typedef std::list<CChild> CChildren;

    CChildren::iterator Find(const ILayoutCell* cell);

    CChildren m_Children;
    // AddCell inserts before this entry.
    CChildren::iterator m_Cursor;
    int m_Spacing;
    int m_LayoutType;
};

} // namespace Layout
} // namespace Veltis
