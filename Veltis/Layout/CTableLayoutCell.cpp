#include "Veltis/Layout/CTableLayoutCell.h"

#include "Veltis/Layout/LayoutArithmetic.h"

#include <algorithm>
#include <iterator>

namespace Veltis {
namespace Layout {

using namespace Detail;

CTableLayoutCell::CRow::CRow(CTableLayoutCell& table, const CRowHeight& height)
    : m_RelativeHeight(height.relativeHeight), m_FixedHeight(height.fixedHeight), m_CellCount(0), m_Table(table)
{
}

void CTableLayoutCell::CRow::Remove()
{
    m_Table.RemoveRow(this);
}

CTableLayoutCell::CTableLayoutCell(int fixedWidth, int fixedHeight, int hMargin, int vMargin, int hSpacing,
                                   int vSpacing)
    : CBaseGroupLayoutCell(hMargin, vMargin), m_HSpacing(hSpacing), m_VSpacing(vSpacing), m_ColumnCount(0),
      m_RowCount(0), m_RowCursor(m_Rows.end())
{
    m_FixedSize = Core::C2DSize(fixedWidth, fixedHeight);
}

CTableLayoutCell::~CTableLayoutCell()
{
    SetAutoUpdate(false);
    Clear();
}

CTableLayoutCell::CRow* CTableLayoutCell::GetCurrentRow() const
{
    if (m_RowCursor == m_Rows.begin())
        return nullptr;
    return *std::prev(CRows::const_iterator(m_RowCursor));
}

void CTableLayoutCell::MoveCursorsToEnd()
{
    m_RowCursor = m_Rows.end();
    if (!m_Rows.empty())
        m_CellCursor = m_Rows.back()->m_Cells.end();
}

int CTableLayoutCell::GetLargestCellCount() const
{
    int largest = 0;
    for (const CRow* row : m_Rows)
        largest = std::max(largest, row->m_CellCount);
    return largest;
}

void CTableLayoutCell::DestroyRow(CRow* row)
{
    for (CChild& child : row->m_Cells)
        Release(child, true, true);
    delete row;
}

ITableLayoutRow* CTableLayoutCell::AddRow(const CRowHeight& height)
{
    CRow* row = new CRow(*this, height);
    // Inserting before the cursor leaves the cursor just past the new row, which becomes current.
    m_Rows.insert(m_RowCursor, row);
    m_CellCursor = row->m_Cells.end();
    ++m_RowCount;
    Relayout();
    return row;
}

void CTableLayoutCell::RemoveRow(ITableLayoutRow* row)
{
    const CRows::iterator found =
        std::find_if(m_Rows.begin(), m_Rows.end(), [row](const CRow* held) { return held == row; });
    CRow* removed = nullptr;
    if (found != m_Rows.end()) {
        removed = *found;
        m_Rows.erase(found);
        --m_RowCount;
        if (removed->m_CellCount == m_ColumnCount)
            m_ColumnCount = GetLargestCellCount();
    }
    MoveCursorsToEnd();
    if (removed) {
        DestroyRow(removed);
        Relayout();
    }
}

void CTableLayoutCell::SetInsertAfterRow(ITableLayoutRow* row)
{
    if (GetInsertAfterRow() == row)
        return;
    const CRows::iterator found =
        std::find_if(m_Rows.begin(), m_Rows.end(), [row](const CRow* held) { return held == row; });
    if (!row || found == m_Rows.end()) {
        m_RowCursor = m_Rows.begin();
        return;
    }
    m_RowCursor = std::next(found);
    m_CellCursor = (*found)->m_Cells.end();
}

ITableLayoutRow* CTableLayoutCell::GetInsertAfterRow() const
{
    return GetCurrentRow();
}

ILayoutOptions* CTableLayoutCell::AddCell(ILayoutCell* cell, const ILayoutOptions& options, int owned)
{
    CRow* row = GetCurrentRow();
    if (!cell || !row)
        return nullptr;
    CChild& child = *row->m_Cells.emplace(m_CellCursor, cell, options, owned);
    cell->SetOwner(this);
    ++row->m_CellCount;
    m_ColumnCount = std::max(m_ColumnCount, row->m_CellCount);
    Relayout();
    Listen(child);
    return &child.m_Options;
}

void CTableLayoutCell::RemoveCell(ILayoutCell* cell, bool deleteOwned)
{
    if (!cell)
        return;
    for (CRow* row : m_Rows) {
        for (auto child = row->m_Cells.begin(); child != row->m_Cells.end(); ++child) {
            if (child->m_Cell != cell)
                continue;
            Release(*child, deleteOwned, true);
            row->m_Cells.erase(child);
            --row->m_CellCount;
            m_ColumnCount = GetLargestCellCount();
            if (row == GetCurrentRow())
                m_CellCursor = row->m_Cells.end();
            Relayout();
            return;
        }
    }
}

void CTableLayoutCell::SetInsertAfter(ILayoutCell* cell)
{
    if (GetInsertAfter() == cell)
        return;
    if (!cell) {
        if (CRow* row = GetCurrentRow())
            m_CellCursor = row->m_Cells.begin();
        return;
    }
    for (auto row = m_Rows.begin(); row != m_Rows.end(); ++row) {
        std::list<CChild>& cells = (*row)->m_Cells;
        for (auto child = cells.begin(); child != cells.end(); ++child) {
            if (child->m_Cell == cell) {
                m_RowCursor = std::next(row);
                m_CellCursor = std::next(child);
                return;
            }
        }
    }
    MoveCursorsToEnd();
}

ILayoutCell* CTableLayoutCell::GetInsertAfter() const
{
    const CRow* row = GetCurrentRow();
    if (!row || m_CellCursor == row->m_Cells.begin())
        return nullptr;
    return std::prev(std::list<CChild>::const_iterator(m_CellCursor))->m_Cell;
}

void CTableLayoutCell::Clear()
{
    CRows rows;
    rows.swap(m_Rows);
    m_ColumnCount = 0;
    m_RowCount = 0;
    m_ColumnWidths.SetSize(0);
    m_RowHeights.SetSize(0);
    MoveCursorsToEnd();
    for (CRow* row : rows)
        DestroyRow(row);
    Relayout();
}

void CTableLayoutCell::SetAutoUpdate(bool autoUpdate)
{
    CBaseGroupLayoutCell::SetAutoUpdate(autoUpdate);
    for (CRow* row : m_Rows)
        for (CChild& child : row->m_Cells)
            if (child.m_Cell)
                child.m_Cell->SetAutoUpdate(autoUpdate);
}

void CTableLayoutCell::ComputeNaturalSize(bool updateChildren)
{
    if (m_ColumnCount == 0)
        return;
    m_ColumnWidths.SetSize(m_ColumnCount);
    std::fill(m_ColumnWidths.GetData(), m_ColumnWidths.GetData() + m_ColumnCount, 0);
    m_RowHeights.SetSize(m_RowCount);

    int64_t height = int64_t(m_RowCount - 1) * m_VSpacing + 2 * int64_t(m_VMargin);
    int j = 0;
    for (CRow* row : m_Rows) {
        int& rowHeight = m_RowHeights[j++];
        if (row->IsAutomatic())
            rowHeight = 0;
        int k = 0;
        for (CChild& child : row->m_Cells) {
            if (!child.IsShown() || k >= m_ColumnCount)
                continue;
            const Core::C2DSize size =
                updateChildren ? NaturalChildSize(child, true) : child.m_Cell->GetSize();
            m_ColumnWidths[k] = std::max(m_ColumnWidths[k], size.width);
            if (row->IsAutomatic())
                rowHeight = std::max(rowHeight, size.height);
            ++k;
        }
        if (row->IsFixed())
            rowHeight = row->m_FixedHeight;
        else if (row->IsRelative() && updateChildren)
            rowHeight = 0;
        height += rowHeight;
    }

    int64_t width = int64_t(m_ColumnCount - 1) * m_HSpacing + 2 * int64_t(m_HMargin);
    for (int k = 0; k < m_ColumnCount; ++k)
        width += m_ColumnWidths[k];
    SetNaturalSize(width, height);
}

void CTableLayoutCell::Arrange(const Core::C2DRectangle& rectangle)
{
    m_Position = Core::C2DPoint(rectangle.x, rectangle.y);
    // Without arrays that match the structure there is no natural size to place by yet.
    if (m_ColumnWidths.GetCount() != m_ColumnCount || m_RowHeights.GetCount() != m_RowCount)
        return;
    const Core::C2DSize size = GetSize();
    const int64_t innerWidth = int64_t(size.width) - 2 * int64_t(m_HMargin);

    bool changed = false;
    int i = 0;
    for (CRow* row : m_Rows) {
        int& rowHeight = m_RowHeights[i++];
        if (row->IsRelative()) {
            const int32_t relative =
                ScaleExtent(int64_t(size.height) - 2 * int64_t(m_VMargin), row->m_RelativeHeight);
            changed |= relative != rowHeight;
            rowHeight = relative;
        }
        for (CChild& child : row->m_Cells)
            if (child.IsShown())
                changed |= ApplyRelativeSize(child, innerWidth, rowHeight);
    }
    if (changed)
        ComputeNaturalSize(false);

    int64_t y = int64_t(rectangle.y) + m_VMargin + InternalShift(size.height, m_NaturalSize.height, m_InternalVAlign);
    const int64_t x0 =
        int64_t(rectangle.x) + m_HMargin + InternalShift(size.width, m_NaturalSize.width, m_InternalHAlign);
    i = 0;
    for (CRow* row : m_Rows) {
        const int rowHeight = m_RowHeights[i++];
        int64_t x = x0;
        int k = 0;
        for (CChild& child : row->m_Cells) {
            if (!child.m_Cell)
                continue;
            const Core::C2DSize cellSize = child.m_Cell->GetSize();
            if (!child.m_Cell->IsDisplayed() || k >= m_ColumnCount) {
                child.m_Cell->Arrange(Core::C2DRectangle(Core::C2DPoint(0, 0), cellSize));
                continue;
            }
            const int columnWidth = m_ColumnWidths[k++];
            const Core::C2DPoint start(
                SaturateInt32(AlignedStart(x, columnWidth, cellSize.width, 0, child.m_Options.GetHAlign())),
                SaturateInt32(AlignedStart(y, rowHeight, cellSize.height, 0, child.m_Options.GetVAlign())));
            child.m_Cell->Arrange(Core::C2DRectangle(start, cellSize));
            x += int64_t(columnWidth) + m_HSpacing;
        }
        y += int64_t(rowHeight) + m_VSpacing;
    }
}

} // namespace Layout
} // namespace Veltis
