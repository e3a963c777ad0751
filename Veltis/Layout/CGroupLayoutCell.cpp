#include "Veltis/Layout/CGroupLayoutCell.h"

#include "Veltis/Layout/LayoutArithmetic.h"

#include <algorithm>
#include <iterator>

namespace Veltis {
namespace Layout {

using namespace Detail;

namespace {

// A row lays out along axis 0, a column along axis 1; a stack places on both axes independently.
bool IsRun(int type)
{
    return type == kHorizontal || type == kVertical;
}

// A child seen per axis (0 horizontal, 1 vertical).
struct CAxes {
    CAxes(const CLayoutOptions& options, const Core::C2DSize& size)
    {
        extent[0] = size.width;
        extent[1] = size.height;
        positionSet[0] = options.IsHPositionSet();
        positionSet[1] = options.IsVPositionSet();
        position[0] = options.GetHPosition();
        position[1] = options.GetVPosition();
        align[0] = options.GetHAlign();
        align[1] = options.GetVAlign();
    }

    // What the child needs across an axis, its margins included.
    int64_t Needed(int axis, int64_t margin) const
    {
        return positionSet[axis] ? extent[axis] + position[axis] + margin : extent[axis] + 2 * margin;
    }

    // Where the child starts on an axis when it is placed on its own.
    int64_t Start(int axis, int64_t origin, int64_t groupExtent, int64_t margin) const
    {
        if (positionSet[axis])
            return origin + position[axis];
        return AlignedStart(origin, groupExtent, extent[axis], margin, align[axis]);
    }

    int64_t extent[2];
    bool positionSet[2];
    int64_t position[2];
    int align[2];
};

int64_t Of(const Core::C2DSize& size, int axis)
{
    return axis == 0 ? size.width : size.height;
}

int64_t Of(const Core::C2DRectangle& rectangle, int axis)
{
    return axis == 0 ? rectangle.x : rectangle.y;
}

} // namespace

CGroupLayoutCell::CGroupLayoutCell(int fixedWidth, int fixedHeight, int hMargin, int vMargin, int spacing,
                                   ELayoutType type)
    : CBaseGroupLayoutCell(hMargin, vMargin), m_Cursor(m_Children.end()), m_Spacing(spacing), m_LayoutType(type)
{
    m_FixedSize = Core::C2DSize(fixedWidth, fixedHeight);
}

CGroupLayoutCell::~CGroupLayoutCell()
{
    for (CChild& child : m_Children)
        Release(child, true, false);
}

void CGroupLayoutCell::SetSpacing(int spacing)
{
    SetIfChanged(m_Spacing, spacing);
}

void CGroupLayoutCell::SetLayoutType(ELayoutType type)
{
    SetIfChanged(m_LayoutType, static_cast<int>(type));
}

CGroupLayoutCell::CChildren::iterator CGroupLayoutCell::Find(const ILayoutCell* cell)
{
    if (!cell)
        return m_Children.end();
    return std::find_if(m_Children.begin(), m_Children.end(),
                        [cell](const CChild& child) { return child.m_Cell == cell; });
}

ILayoutOptions* CGroupLayoutCell::AddCell(ILayoutCell* cell, const ILayoutOptions& options, int owned)
{
    if (!cell)
        return nullptr;
    // Inserting before the cursor leaves the cursor past the new entry, so successive calls keep order.
    CChild& child = *m_Children.emplace(m_Cursor, cell, options, owned);
    cell->SetOwner(this);
    Relayout();
    Listen(child);
    return &child.m_Options;
}

void CGroupLayoutCell::RemoveCell(ILayoutCell* cell, bool deleteOwned)
{
    const CChildren::iterator found = Find(cell);
    m_Cursor = m_Children.end();
    if (found == m_Children.end())
        return;
    Release(*found, deleteOwned, true);
    m_Children.erase(found);
    Relayout();
}

void CGroupLayoutCell::SetInsertAfter(ILayoutCell* cell)
{
    if (GetInsertAfter() == cell)
        return;
    if (!cell) {
        m_Cursor = m_Children.begin();
        return;
    }
    const CChildren::iterator found = Find(cell);
    m_Cursor = found == m_Children.end() ? found : std::next(found);
}

ILayoutCell* CGroupLayoutCell::GetInsertAfter() const
{
    if (m_Cursor == m_Children.begin())
        return nullptr;
    return std::prev(CChildren::const_iterator(m_Cursor))->m_Cell;
}

void CGroupLayoutCell::Clear()
{
    for (CChild& child : m_Children) {
        if (!child.m_Cell)
            continue;
        StopListening(child);
        // A child's Clear may relayout this group; released entries are null by then and passed over.
        child.m_Cell->Clear();
        Release(child, true, true);
    }
    m_Children.clear();
    m_Cursor = m_Children.end();
    Relayout();
}

void CGroupLayoutCell::SetAutoUpdate(bool autoUpdate)
{
    for (CChild& child : m_Children)
        if (child.m_Cell)
            child.m_Cell->SetAutoUpdate(autoUpdate);
    CBaseGroupLayoutCell::SetAutoUpdate(autoUpdate);
}

void CGroupLayoutCell::ComputeNaturalSize(bool updateChildren)
{
    const int64_t margin[2] = {m_HMargin, m_VMargin};
    if (m_LayoutType != kStack && !IsRun(m_LayoutType)) {
        SetNaturalSize(margin[0], margin[1]);
        return;
    }
    const int main = m_LayoutType == kVertical ? 1 : 0;
    const int cross = 1 - main;
    int64_t natural[2] = {0, 0};
    int64_t run = margin[main];
    bool any = false;
    for (CChild& child : m_Children) {
        if (!child.IsShown())
            continue;
        any = true;
        const CAxes axes(child.m_Options, NaturalChildSize(child, updateChildren));
        if (m_LayoutType == kStack) {
            for (int axis = 0; axis < 2; ++axis)
                natural[axis] = std::max(natural[axis], axes.Needed(axis, margin[axis]));
            continue;
        }
        // A positioned child restarts the run at its position.
        run = (axes.positionSet[main] ? axes.position[main] : run) + axes.extent[main] + m_Spacing;
        natural[cross] = std::max(natural[cross], axes.Needed(cross, margin[cross]));
    }
    if (IsRun(m_LayoutType))
        natural[main] = any ? run - m_Spacing + margin[main] : 2 * margin[main];
    SetNaturalSize(natural[0], natural[1]);
}

void CGroupLayoutCell::Arrange(const Core::C2DRectangle& rectangle)
{
    m_Position = Core::C2DPoint(rectangle.x, rectangle.y);
    const Core::C2DSize size = GetSize();
    const int64_t margin[2] = {m_HMargin, m_VMargin};

    float totalFlex = 0.0f;
    bool changed = false;
    for (CChild& child : m_Children) {
        if (!child.IsShown())
            continue;
        totalFlex += child.m_Options.GetFlex();
        changed |= ApplyRelativeSize(child, size.width - 2 * margin[0], size.height - 2 * margin[1]);
    }
    if (changed)
        ComputeNaturalSize(false);

    if (!IsRun(m_LayoutType)) {
        if (m_LayoutType != kStack)
            return;
        for (CChild& child : m_Children) {
            if (!child.m_Cell)
                continue;
            const Core::C2DSize childSize = child.m_Cell->GetSize();
            const CAxes axes(child.m_Options, childSize);
            const Core::C2DPoint start(SaturateInt32(axes.Start(0, rectangle.x, size.width, margin[0])),
                                       SaturateInt32(axes.Start(1, rectangle.y, size.height, margin[1])));
            child.m_Cell->Arrange(Core::C2DRectangle(start, childSize));
        }
        return;
    }

    const int main = m_LayoutType == kVertical ? 1 : 0;
    const int cross = 1 - main;
    const int64_t groupExtent[2] = {size.width, size.height};
    if (totalFlex != 0.0f && Of(size, main) != Of(m_NaturalSize, main)) {
        const float perFlex = static_cast<float>(Of(size, main) - Of(m_NaturalSize, main)) / totalFlex;
        // The remainder carried from child to child makes the shares add up to the difference.
        float remainder = 0.0f;
        changed = false;
        for (CChild& child : m_Children) {
            const float flex = child.m_Options.GetFlex();
            if (!child.IsShown() || flex == 0.0f)
                continue;
            const float share = perFlex * flex + remainder;
            const int32_t grown = RoundHalfAwayFromZero(share);
            remainder = share - static_cast<float>(grown);
            const Core::C2DSize current = child.m_Cell->GetSize();
            Core::C2DSize flexed = current;
            (main == 0 ? flexed.width : flexed.height) = NonNegative(Of(current, main) + grown);
            if (flexed != current) {
                child.m_Cell->SetSize(flexed);
                changed = true;
            }
        }
        if (changed)
            ComputeNaturalSize(false);
    }

    const int align[2] = {m_InternalHAlign, m_InternalVAlign};
    int64_t run = Of(rectangle, main) + margin[main] +
                  InternalShift(groupExtent[main], Of(m_NaturalSize, main), align[main]);
    for (CChild& child : m_Children) {
        if (!child.m_Cell)
            continue;
        const Core::C2DSize childSize = child.m_Cell->GetSize();
        if (!child.m_Cell->IsDisplayed()) {
            child.m_Cell->Arrange(Core::C2DRectangle(Core::C2DPoint(0, 0), childSize));
            continue;
        }
        const CAxes axes(child.m_Options, childSize);
        int32_t start[2];
        start[main] = SaturateInt32(axes.positionSet[main] ? Of(rectangle, main) + axes.position[main] : run);
        start[cross] = SaturateInt32(axes.Start(cross, Of(rectangle, cross), groupExtent[cross], margin[cross]));
        child.m_Cell->Arrange(Core::C2DRectangle(Core::C2DPoint(start[0], start[1]), childSize));
        run = int64_t(start[main]) + axes.extent[main] + m_Spacing;
    }
}

} // namespace Layout
} // namespace Veltis
