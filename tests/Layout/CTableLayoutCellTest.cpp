#include "Veltis/Layout/CTableLayoutCell.h"

#include "support/CRecordingLayoutCell.h"
#include "support/LayoutTestCells.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace Veltis::Core;
using namespace Veltis::Layout;
using VeltisTest::CRecordingLayoutCell;
using VeltisTest::ExpectPoint;
using VeltisTest::ExpectSize;

namespace {

const CTableLayoutCell::CRowHeight kAutomatic = {-1.0f, -1};

// A table with cells that count their destruction.
class CTable : public testing::Test {
protected:
    CTable() : m_Table(0, 0, 2, 2, 3, 3) {}

    CRecordingLayoutCell* Add(int width, int height, int owned = 1, const CLayoutOptions& options = CLayoutOptions())
    {
        CRecordingLayoutCell* cell = new CRecordingLayoutCell(width, height, &m_Destroyed);
        m_Table.AddCell(cell, options, owned);
        return cell;
    }
    // Lays the table out at (x, y) in the given size, or its natural size where a side is negative.
    void Layout(int x, int y, int width = -1, int height = -1)
    {
        m_Table.SetAutoWidth(width < 0);
        m_Table.SetAutoHeight(height < 0);
        m_Table.SetFixedSize(C2DSize(width, height));
        m_Table.Place(C2DRectangle(x, y, 0, 0));
    }

    int m_Destroyed = 0;
    CTableLayoutCell m_Table;
};

TEST_F(CTable, ColumnsTakeTheWidestCellAndRowsTheTallest)
{
    m_Table.AddRow(kAutomatic);
    CRecordingLayoutCell* a = Add(10, 10);
    CRecordingLayoutCell* b = Add(30, 20);
    m_Table.AddRow(kAutomatic);
    CRecordingLayoutCell* c = Add(5, 5);
    CRecordingLayoutCell* d = Add(5, 5);
    Layout(0, 0);
    ExpectSize(m_Table.GetSize(), 47, 32);
    EXPECT_EQ(m_Table.GetColumnCount(), 2);
    EXPECT_EQ(m_Table.GetRowCount(), 2);
    // Slots 10 and 30 wide, 20 and 5 high; cells centred in them by their own alignments.
    ExpectPoint(a->GetPosition(), 2, 7);
    ExpectPoint(b->GetPosition(), 15, 2);
    ExpectPoint(c->GetPosition(), 4, 25);
    ExpectPoint(d->GetPosition(), 27, 25);
}

TEST(CTableLayoutCell, CellsAlignInTheirSlotsWithoutMargins)
{
    struct Case { int hAlign, vAlign, x, y; };
    // A slot (2, 2, 30, 20) holding a cell 10x4; values but 0 and 2 centre.
    const Case kCases[] = {{0, 0, 2, 2}, {2, 2, 22, 18}, {1, 1, 12, 10}, {4, -3, 12, 10}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.hAlign << ", " << c.vAlign);
        CTableLayoutCell table(0, 0, 2, 2, 3, 3);
        table.AddRow(kAutomatic);
        CLayoutOptions options;
        options.SetHAlign(Align::EHAlign(c.hAlign));
        options.SetVAlign(Align::EVAlign(c.vAlign));
        // Flex and explicit positions play no part in a table.
        options.SetFlex(5.0f);
        options.SetHPosition(100);
        CRecordingLayoutCell* cell = new CRecordingLayoutCell(10, 4);
        table.AddCell(cell, options, 1);
        table.AddCell(new CRecordingLayoutCell(1, 20), CLayoutOptions(), 1);
        table.AddRow(kAutomatic);
        table.AddCell(new CRecordingLayoutCell(30, 1), CLayoutOptions(), 1);
        table.Place(C2DRectangle(0, 0, 0, 0));
        ExpectPoint(cell->GetPosition(), c.x, c.y);
    }
}

TEST_F(CTable, HiddenCellsTakeNoColumnAndGoToTheOrigin)
{
    m_Table.AddRow(kAutomatic);
    CRecordingLayoutCell* first = Add(10, 10);
    CRecordingLayoutCell* second = Add(20, 10);
    m_Table.AddRow(kAutomatic);
    Add(4, 4);
    first->SetDisplayed(false);
    Layout(50, 50);
    ExpectPoint(first->GetPosition(), 0, 0);
    ExpectPoint(second->GetPosition(), 52, 52);
    // The hidden cell still counts in the row's cell count: column 1 is empty but spaced.
    ExpectSize(m_Table.GetSize(), 2 + 20 + 3 + 0 + 2, 2 + 10 + 3 + 4 + 2);
}

TEST_F(CTable, FixedAndRelativeRows)
{
    m_Table.SetVMargin(10);
    m_Table.AddRow({0.5f, -1});
    CRecordingLayoutCell* inHalf = Add(5, 5);
    m_Table.AddRow({-1.0f, 12});
    CRecordingLayoutCell* inFixed = Add(5, 50);
    m_Table.AddRow({0.25f, 7}); // fixed wins
    CRecordingLayoutCell* inBoth = Add(5, 5);

    // First pass: the relative row counts 0.
    m_Table.UpdateSize();
    ExpectSize(m_Table.GetNaturalSize(), 9, 6 + 20 + 12 + 7);

    Layout(0, 0, -1, 200);
    // 90 = (200 - 2 x 10) x 0.5; then fixed rows of 12 and 7, spacing 3.
    ExpectPoint(inHalf->GetPosition(), 2, 10 + 42);
    ExpectPoint(inFixed->GetPosition(), 2, 10 + 90 + 3 - 19);
    ExpectPoint(inBoth->GetPosition(), 2, 10 + 90 + 3 + 12 + 3 + 1);
    // After arranging, the natural height holds the row the arrangement gave.
    EXPECT_EQ(m_Table.GetNaturalSize().height, 6 + 20 + 90 + 12 + 7);
}

TEST_F(CTable, RelativeCellSizesUseTheInnerWidthAndTheRowHeight)
{
    m_Table.SetHMargin(5);
    m_Table.AddRow({-1.0f, 40});
    CLayoutOptions options;
    options.SetRelativeWidth(0.5f);
    options.SetRelativeHeight(0.25f);
    CRecordingLayoutCell* relative = Add(1, 1, 1, options);
    Add(3, 3);
    Layout(0, 0, 110, -1);
    ExpectSize(relative->GetSize(), 50, 10);
}

TEST_F(CTable, InternalAlignmentMovesTheWholeGrid)
{
    m_Table.AddRow(kAutomatic);
    CRecordingLayoutCell* cell = Add(10, 10);
    m_Table.SetInternalAlign({2, 1});
    Layout(0, 0, 34, 34);
    ExpectPoint(cell->GetPosition(), 22, 12);
}

TEST_F(CTable, AddCellNeedsACurrentRow)
{
    CRecordingLayoutCell cell(1, 1);
    EXPECT_EQ(m_Table.AddCell(&cell, CLayoutOptions(), 0), nullptr);
    EXPECT_FALSE(cell.HasOwner());
    EXPECT_EQ(m_Table.GetColumnCount(), 0);
    EXPECT_EQ(m_Table.AddCell(nullptr, CLayoutOptions(), 1), nullptr);

    ITableLayoutRow* row = m_Table.AddRow(kAutomatic);
    EXPECT_EQ(m_Table.GetInsertAfterRow(), row);
    m_Table.SetInsertAfterRow(nullptr);
    EXPECT_EQ(m_Table.GetInsertAfterRow(), nullptr);
    EXPECT_EQ(m_Table.AddCell(&cell, CLayoutOptions(), 0), nullptr);
}

TEST_F(CTable, RowAndCellCursors)
{
    ITableLayoutRow* second = m_Table.AddRow(kAutomatic);
    CRecordingLayoutCell* b1 = Add(1, 1);
    m_Table.SetInsertAfterRow(nullptr);
    ITableLayoutRow* first = m_Table.AddRow(kAutomatic); // before the other
    CRecordingLayoutCell* a1 = Add(2, 2);
    EXPECT_EQ(m_Table.GetInsertAfterRow(), first);
    EXPECT_EQ(m_Table.GetInsertAfter(), a1);

    // SetInsertAfter on a cell of another row makes that row current.
    m_Table.SetInsertAfter(b1);
    EXPECT_EQ(m_Table.GetInsertAfterRow(), second);
    CRecordingLayoutCell* b2 = Add(3, 3);
    m_Table.SetInsertAfter(nullptr);
    EXPECT_EQ(m_Table.GetInsertAfter(), nullptr);
    CRecordingLayoutCell* b0 = Add(4, 4);

    m_Table.SetInsertAfterRow(first);
    EXPECT_EQ(m_Table.GetInsertAfter(), a1);
    CRecordingLayoutCell outsider(1, 1);
    m_Table.SetInsertAfter(&outsider); // held by no row: both cursors to the end
    EXPECT_EQ(m_Table.GetInsertAfterRow(), second);
    EXPECT_EQ(m_Table.GetInsertAfter(), b2);

    // Rows: first (a1), second (b0, b1, b2): read back from the arrangement.
    m_Table.SetHMargin(0);
    m_Table.SetVMargin(0);
    m_Table.Place(C2DRectangle());
    EXPECT_EQ(a1->GetPosition().y, 0);
    EXPECT_EQ(b0->GetPosition().x, 0);
    EXPECT_EQ(b1->GetPosition().x, 4 + 3);
    EXPECT_EQ(b2->GetPosition().x, 4 + 3 + 1 + 3);
    EXPECT_GT(b0->GetPosition().y, 0);
}

TEST_F(CTable, RemovingTheLongestRowLowersTheColumnCount)
{
    m_Table.AddRow(kAutomatic);
    Add(1, 1);
    ITableLayoutRow* longest = m_Table.AddRow(kAutomatic);
    Add(1, 1);
    Add(1, 1);
    CRecordingLayoutCell kept(1, 1);
    m_Table.AddCell(&kept, CLayoutOptions(), 0);
    m_Table.AddRow(kAutomatic);
    Add(1, 1);
    Add(1, 1);
    EXPECT_EQ(m_Table.GetColumnCount(), 3);

    longest->Remove();
    EXPECT_EQ(m_Table.GetColumnCount(), 2);
    EXPECT_EQ(m_Table.GetRowCount(), 2);
    EXPECT_EQ(m_Destroyed, 2);
    EXPECT_FALSE(kept.HasOwner());
    // The cursors went to the end: the last row is current.
    Add(1, 1);
    EXPECT_EQ(m_Table.GetColumnCount(), 3);

    m_Table.RemoveRow(longest); // no longer held
    EXPECT_EQ(m_Table.GetRowCount(), 2);
}

TEST_F(CTable, RemoveCellRecountsColumnsAndReleasesKeptCells)
{
    m_Table.AddRow(kAutomatic);
    CRecordingLayoutCell* owned = Add(10, 1);
    CRecordingLayoutCell* kept = Add(20, 1);
    m_Table.AddRow(kAutomatic);
    CRecordingLayoutCell* last = Add(30, 1);
    Layout(0, 0);
    ExpectSize(m_Table.GetSize(), 4 + 30 + 3 + 20, 9);

    m_Table.RemoveCell(owned, true);
    EXPECT_EQ(m_Destroyed, 1);
    EXPECT_EQ(m_Table.GetColumnCount(), 1);
    m_Table.RemoveCell(kept, false);
    EXPECT_FALSE(kept->HasOwner());
    EXPECT_EQ(m_Destroyed, 1);
    Layout(0, 0);
    // The emptied row still takes its spacing.
    ExpectSize(m_Table.GetSize(), 34, 8);
    EXPECT_EQ(last->GetPosition().x, 2);
    delete kept;
}

TEST_F(CTable, WithoutCellsTheNaturalSizeStaysAndNothingIsArranged)
{
    m_Table.AddRow(kAutomatic);
    CRecordingLayoutCell* cell = Add(10, 10);
    Layout(0, 0);
    ExpectSize(m_Table.GetSize(), 14, 14);
    m_Table.RemoveCell(cell, false);
    cell->ForgetArranged();
    m_Table.AddRow(kAutomatic);
    Layout(5, 5);
    ExpectSize(m_Table.GetNaturalSize(), 14, 14);
    ExpectPoint(m_Table.GetPosition(), 5, 5);
    delete cell;
}

// Rows added since the last natural size leave the arrays short: Arrange stops.
TEST_F(CTable, ArrangeStopsWhileTheArraysDoNotMatchTheStructure)
{
    m_Table.AddRow(kAutomatic);
    CRecordingLayoutCell* cell = Add(10, 10);
    m_Table.Arrange(C2DRectangle(7, 7, 0, 0));
    ExpectPoint(m_Table.GetPosition(), 7, 7);
    EXPECT_TRUE(cell->GetArranged().empty());
    m_Table.UpdateLayout();
    EXPECT_EQ(cell->GetArranged().size(), 1u);
}

TEST_F(CTable, AutoUpdateReachesTheTableFirstThenEveryCell)
{
    m_Table.AddRow(kAutomatic);
    CRecordingLayoutCell* cell = Add(10, 10);
    m_Table.SetAutoUpdate(true);
    EXPECT_TRUE(cell->IsAutoUpdate());
    ExpectPoint(cell->GetLastArranged(), 2, 2);
    cell->SetDisplayed(false);
    ExpectSize(m_Table.GetSize(), 4, 4);
    ExpectPoint(cell->GetLastArranged(), 0, 0);
    m_Table.SetAutoUpdate(false);
    EXPECT_FALSE(cell->IsAutoUpdate());
}

TEST_F(CTable, ClearDeletesOwnedCellsAndEmptiesTheTable)
{
    m_Table.AddRow(kAutomatic);
    Add(10, 10);
    CRecordingLayoutCell kept(1, 1);
    m_Table.AddCell(&kept, CLayoutOptions(), 0);
    m_Table.Clear();
    EXPECT_EQ(m_Destroyed, 1);
    EXPECT_FALSE(kept.HasOwner());
    EXPECT_EQ(m_Table.GetRowCount(), 0);
    EXPECT_EQ(m_Table.GetColumnCount(), 0);
    EXPECT_EQ(m_Table.GetInsertAfterRow(), nullptr);
    EXPECT_EQ(m_Table.AddCell(&kept, CLayoutOptions(), 0), nullptr);
}

TEST(CTableLayoutCell, DestructionReleasesCellsThatOutliveIt)
{
    int destroyed = 0;
    CRecordingLayoutCell kept(3, 3);
    CTableLayoutCell* table = new CTableLayoutCell(0, 0, 0, 0, 0, 0);
    table->AddRow(kAutomatic);
    table->AddCell(new CRecordingLayoutCell(1, 1, &destroyed), CLayoutOptions(), 1);
    table->AddCell(&kept, CLayoutOptions(), 0);
    table->SetAutoUpdate(true);
    delete table;
    EXPECT_EQ(destroyed, 1);
    EXPECT_FALSE(kept.IsAutoUpdate());
    EXPECT_FALSE(kept.HasOwner());
    kept.SetAutoUpdate(true);
    kept.SetDisplayed(false);
    kept.Relayout();
}

TEST_F(CTable, OptionsCopyRelayoutsTheTable)
{
    m_Table.AddRow(kAutomatic);
    CRecordingLayoutCell* small = Add(4, 4);
    m_Table.AddRow(kAutomatic);
    Add(10, 10);
    m_Table.SetAutoUpdate(true);
    ExpectPoint(small->GetLastArranged(), 5, 2);
    m_Table.SetInsertAfterRow(nullptr);
    m_Table.AddRow(kAutomatic);
    CRecordingLayoutCell* top = new CRecordingLayoutCell(2, 2);
    ILayoutOptions* options = m_Table.AddCell(top, CLayoutOptions(), 1);
    ASSERT_NE(options, nullptr);
    options->SetHAlign(Align::kRight);
    ExpectPoint(top->GetLastArranged(), 10, 2);
}

TEST(CTableLayoutCell, ExtremeMarginsSpacingsAndFractionsSaturate)
{
    const int kMax = std::numeric_limits<int32_t>::max();
    const int kMin = std::numeric_limits<int32_t>::min();
    CTableLayoutCell table(0, 0, kMax, kMin, kMax, kMin);
    table.AddRow({1e30f, -1});
    CLayoutOptions options;
    options.SetRelativeWidth(INFINITY);
    CRecordingLayoutCell* first = new CRecordingLayoutCell(10, 10);
    CRecordingLayoutCell* second = new CRecordingLayoutCell(10, 10);
    table.AddCell(first, options, 1);
    table.AddCell(second, CLayoutOptions(), 1);
    table.AddRow(kAutomatic);
    table.AddCell(new CRecordingLayoutCell(10, 10), CLayoutOptions(), 1);
    table.SetAutoWidth(false);
    table.SetFixedSize(C2DSize(kMax, 0));
    table.Place(C2DRectangle(kMax, kMin, 0, 0));
    ExpectSize(table.GetSize(), kMax, kMin);
    ExpectSize(first->GetSize(), 0, 10); // kMax - 2 x kMax is negative: 0
    ExpectPoint(second->GetPosition(), kMax, kMin);
}

} // namespace
