#pragma once

#include "Veltis/Core/TDynamicVector.h"
#include "Veltis/Layout/CBaseGroupLayoutCell.h"
#include "Veltis/Layout/ITableLayoutRow.h"

#include <list>

namespace Veltis {
namespace Layout {

// Rows of cells whose columns share one width and whose rows share one height. Column k of a row is
// its k-th displayed cell. A row is as high as its tallest cell unless it has a fixed or a relative
// height. Flex factors, explicit positions and margins play no part inside a slot.
class CTableLayoutCell : public CBaseGroupLayoutCell {
public:
    // The heights a row is added with; below 0 means none, and a row with neither is automatic.
    struct CRowHeight {
        float relativeHeight; // of the table's inner height
        int fixedHeight;      // pixels
    };

    class CRow : public virtual ITableLayoutRow {
    public:
        void Remove() override;

    private:
        friend class CTableLayoutCell;
        CRow(CTableLayoutCell& table, const CRowHeight& height);

        bool IsFixed() const { return m_FixedHeight >= 0; }
        bool IsRelative() const { return !IsFixed() && m_RelativeHeight >= 0.0f; }
        bool IsAutomatic() const { return !IsFixed() && !IsRelative(); }

        std::list<CChild> m_Cells;
        float m_RelativeHeight;
        int m_FixedHeight;
        int m_CellCount;
        CTableLayoutCell& m_Table;
    };

    CTableLayoutCell(int fixedWidth, int fixedHeight, int hMargin, int vMargin, int hSpacing, int vSpacing);
    // Switches auto update off for the table and every cell, then clears.
    ~CTableLayoutCell() override;

    // Inserts a row at the row cursor and makes it the current row.
    ITableLayoutRow* AddRow(const CRowHeight& height);
    virtual void RemoveRow(ITableLayoutRow* row);
    // The row after which AddRow inserts and into which AddCell adds; null: before the first row.
    virtual void SetInsertAfterRow(ITableLayoutRow* row);
    virtual ITableLayoutRow* GetInsertAfterRow() const;

    // Adds to the current row; null without one.
    ILayoutOptions* AddCell(ILayoutCell* cell, const ILayoutOptions& options, int owned) override;
    // A kept cell is left without owner.
    void RemoveCell(ILayoutCell* cell, bool deleteOwned) override;
    void SetInsertAfter(ILayoutCell* cell) override;
    ILayoutCell* GetInsertAfter() const override;
    void Clear() override;
    // The table first, then every cell.
    void SetAutoUpdate(bool autoUpdate) override;
    void ComputeNaturalSize(bool updateChildren) override;
    void Arrange(const Core::C2DRectangle& rectangle) override;

    int GetColumnCount() const { return m_ColumnCount; }
    int GetRowCount() const { return m_RowCount; }

private:
    typedef Core::TDynamicVector<int, Core::CStepGrowthStrategy, Core::TEqualOperatorCopier<int>> CExtents;
    typedef std::list<CRow*> CRows;

    CRow* GetCurrentRow() const;
    void MoveCursorsToEnd();
    int GetLargestCellCount() const;
    // Releases every cell of the row (owned ones deleted) and deletes the row.
    void DestroyRow(CRow* row);

    int m_HSpacing;
    int m_VSpacing;
    int m_ColumnCount;
    int m_RowCount;
    CExtents m_ColumnWidths;
    CExtents m_RowHeights;
    CRows m_Rows;
    // Within the current row's cells; meaningful only while there is a current row.
    std::list<CChild>::iterator m_CellCursor;
    CRows::iterator m_RowCursor;
};

} // namespace Layout
} // namespace Veltis
