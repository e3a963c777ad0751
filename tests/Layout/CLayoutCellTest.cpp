#include "Veltis/Layout/CGroupLayoutCell.h"

#include "support/CCountingCommand.h"
#include "support/CRecordingLayoutCell.h"
#include "support/LayoutTestCells.h"

#include <gtest/gtest.h>

using namespace Veltis::Core;
using namespace Veltis::Layout;
using VeltisTest::CCountingCommand;
using VeltisTest::CRecordingLayoutCell;
using VeltisTest::ExpectPoint;
using VeltisTest::ExpectSize;

namespace {

TEST(CLayoutCell, StartsDirtyDisplayedOwnerlessWithAutoUpdateOff)
{
    CRecordingLayoutCell cell;
    EXPECT_TRUE(cell.IsDirty());
    EXPECT_TRUE(cell.IsDisplayed());
    EXPECT_TRUE(cell.IsDisplayedInTree());
    EXPECT_FALSE(cell.IsAutoUpdate());
    EXPECT_FALSE(cell.HasOwner());
    EXPECT_EQ(cell.GetOwner(), nullptr);
}

TEST(CLayoutCell, SetSizeStoresMarksDirtyAndNotifiesOnlyOnChange)
{
    CRecordingLayoutCell cell(4, 5);
    cell.UpdateSize();
    CCountingCommand listener;
    cell.GetSizeChangedEvent().AddListener(listener);

    cell.SetSize(C2DSize(4, 5));
    EXPECT_EQ(listener.GetCount(), 0);
    EXPECT_FALSE(cell.IsDirty());

    cell.SetSize(C2DSize(-3, 5));
    EXPECT_EQ(listener.GetCount(), 1);
    EXPECT_TRUE(cell.IsDirty());
    ExpectSize(cell.GetSize(), -3, 5);
}

// A row with margins 5 and spacing 4 holding two leaves it does not own; they go before the row,
// which touches no child it does not own.
class CLayoutCellTree : public testing::Test {
protected:
    CLayoutCellTree() : m_Row(0, 0, 5, 5, 4, kHorizontal), m_First(10, 10), m_Second(20, 10)
    {
        m_Row.AddCell(&m_First, CLayoutOptions(), 0);
        m_Row.AddCell(&m_Second, CLayoutOptions(), 0);
    }

    CGroupLayoutCell m_Row;
    CRecordingLayoutCell m_First;
    CRecordingLayoutCell m_Second;
};

TEST_F(CLayoutCellTree, RelayoutWithAutoUpdateOffOnlyMarksDirty)
{
    m_Row.UpdateSize();
    EXPECT_EQ(m_First.GetUpdateCount(), 1);
    m_First.Relayout();
    m_Row.Relayout();
    EXPECT_TRUE(m_First.IsDirty());
    EXPECT_EQ(m_First.GetUpdateCount(), 1);
    EXPECT_TRUE(m_First.GetArranged().empty());
    ExpectPoint(m_First.GetLastArranged(), -1, -1);
}

TEST_F(CLayoutCellTree, AutoUpdateOnAtTheRootLaysOutTheWholeTree)
{
    m_Row.SetAutoUpdate(true);
    EXPECT_TRUE(m_First.IsAutoUpdate());
    EXPECT_TRUE(m_Second.IsAutoUpdate());
    ExpectSize(m_Row.GetSize(), 44, 20);
    ExpectPoint(m_First.GetLastArranged(), 5, 5);
    ExpectPoint(m_Second.GetLastArranged(), 19, 5);

    // Switching it on again on a clean tree lays out nothing more.
    m_First.ForgetArranged();
    m_Row.SetAutoUpdate(true);
    EXPECT_TRUE(m_First.GetArranged().empty());
}

TEST_F(CLayoutCellTree, HidingACellOfUnchangedSizeStillRelayoutsItsOwner)
{
    m_Row.SetAutoUpdate(true);
    m_Second.ForgetArranged();
    const int updates = m_First.GetUpdateCount();
    m_First.SetDisplayed(false);
    EXPECT_EQ(m_First.GetUpdateCount(), updates + 1);
    // The owner arranged again: the hidden cell at (0, 0), the other moved to the front.
    ExpectPoint(m_First.GetLastArranged(), 0, 0);
    ExpectPoint(m_Second.GetLastArranged(), 5, 5);
    ExpectSize(m_Row.GetSize(), 30, 20);

    // The display change is consumed: a plain relayout of an unchanged cell arranges it in place.
    m_Second.ForgetArranged();
    m_First.Relayout();
    ExpectPoint(m_First.GetLastArranged(), 0, 0);
    EXPECT_TRUE(m_Second.GetArranged().empty());
}

TEST_F(CLayoutCellTree, SetDisplayedWithTheSameValueDoesNothing)
{
    m_Row.SetAutoUpdate(true);
    m_First.ForgetArranged();
    m_First.SetDisplayed(true);
    EXPECT_TRUE(m_First.GetArranged().empty());
}

TEST(CLayoutCell, DisplayedInTreeClimbsTheOwners)
{
    CGroupLayoutCell outer(0, 0, 0, 0, 0, kVertical);
    CGroupLayoutCell* inner = new CGroupLayoutCell(0, 0, 0, 0, 0, kHorizontal);
    CRecordingLayoutCell* leaf = new CRecordingLayoutCell(1, 1);
    outer.AddCell(inner, CLayoutOptions(), 1);
    inner->AddCell(leaf, CLayoutOptions(), 1);
    EXPECT_TRUE(leaf->IsDisplayedInTree());
    outer.SetDisplayed(false);
    EXPECT_TRUE(leaf->IsDisplayed());
    EXPECT_FALSE(leaf->IsDisplayedInTree());
    outer.SetDisplayed(true);
    inner->SetDisplayed(false);
    EXPECT_FALSE(leaf->IsDisplayedInTree());
    EXPECT_TRUE(outer.IsDisplayedInTree());
}

TEST(CLayoutCell, DetachLeavesTheOwnerWithoutDeletion)
{
    int destroyed = 0;
    CGroupLayoutCell row(0, 0, 0, 0, 0, kHorizontal);
    CRecordingLayoutCell* leaf = new CRecordingLayoutCell(10, 3, &destroyed);
    row.AddCell(leaf, CLayoutOptions(), 1);
    row.AddCell(new CRecordingLayoutCell(7, 3), CLayoutOptions(), 1);
    row.SetAutoUpdate(true);
    ExpectSize(row.GetSize(), 17, 3);

    leaf->Detach();
    EXPECT_FALSE(leaf->HasOwner());
    EXPECT_EQ(destroyed, 0);
    ExpectSize(row.GetSize(), 7, 3);
    leaf->Detach();
    delete leaf;
    EXPECT_EQ(destroyed, 1);
}

// A size change climbs to the owner; the first cell whose size stays re-arranges its subtree in place.
TEST(CLayoutCell, RelayoutClimbsOnlyWhileTheSizeChanges)
{
    CGroupLayoutCell root(0, 0, 0, 0, 0, kHorizontal);
    CGroupLayoutCell* group = new CGroupLayoutCell(0, 0, 0, 0, 0, kHorizontal);
    CRecordingLayoutCell* inside = new CRecordingLayoutCell(10, 10);
    CRecordingLayoutCell* sibling = new CRecordingLayoutCell(5, 5);
    group->AddCell(inside, CLayoutOptions(), 1);
    root.AddCell(group, CLayoutOptions(), 1);
    root.AddCell(sibling, CLayoutOptions(), 1);
    root.SetAutoUpdate(true);
    ExpectPoint(sibling->GetLastArranged(), 10, 2);

    sibling->ForgetArranged();
    group->SetVMargin(0);
    group->SetInternalHAlign(Align::kRight);
    EXPECT_TRUE(sibling->GetArranged().empty());

    group->SetHMargin(3);
    ExpectSize(group->GetSize(), 16, 10);
    ExpectPoint(inside->GetLastArranged(), 3, 0);
    ExpectPoint(sibling->GetLastArranged(), 16, 2);
}

TEST(CLayoutCell, PlaceUpdatesTheSizeThenArrangesAtTheGivenCorner)
{
    CGroupLayoutCell row(0, 0, 1, 1, 0, kHorizontal);
    CRecordingLayoutCell* leaf = new CRecordingLayoutCell(10, 10);
    row.AddCell(leaf, CLayoutOptions(), 1);
    row.Place(C2DRectangle(100, 200, 1, 1));
    ExpectSize(row.GetSize(), 12, 12);
    ExpectPoint(row.GetPosition(), 100, 200);
    ExpectPoint(leaf->GetLastArranged(), 101, 201);

    row.UpdateLayout();
    EXPECT_EQ(leaf->GetArranged().size(), 2u);
    ExpectPoint(leaf->GetLastArranged(), 101, 201);
}

} // namespace
