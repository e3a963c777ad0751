#include "Veltis/Layout/CGroupLayoutCell.h"

#include "support/CCountingCommand.h"
#include "support/CRecordingLayoutCell.h"
#include "support/LayoutTestCells.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace Veltis::Core;
using namespace Veltis::Layout;
using VeltisTest::CCountingCommand;
using VeltisTest::CRecordingLayoutCell;
using VeltisTest::ExpectPoint;
using VeltisTest::ExpectSize;
using VeltisTest::NewFixedCell;

namespace {

const int kMax = std::numeric_limits<int32_t>::max();
const int kMin = std::numeric_limits<int32_t>::min();
const int kUnset = kMin; // a position of kUnset is not set

// A fixed-size child and the options it is added with, set in chains: Child(10, 4).Flex(1).
struct Child {
    Child(int width_, int height_) : width(width_), height(height_) {}
    Child& HPosition(int value) { hPosition = value; return *this; }
    Child& VPosition(int value) { vPosition = value; return *this; }
    Child& RelativeWidth(float value) { relativeWidth = value; return *this; }
    Child& RelativeHeight(float value) { relativeHeight = value; return *this; }
    Child& Displayed(bool value) { displayed = value; return *this; }
    Child& Flex(float value) { flex = value; return *this; }
    Child& HAlign(int value) { hAlign = value; return *this; }
    Child& VAlign(int value) { vAlign = value; return *this; }

    int width;
    int height;
    int hPosition = kUnset;
    int vPosition = kUnset;
    float relativeWidth = -1.0f;
    float relativeHeight = -1.0f;
    bool displayed = true;
    float flex = 0.0f;
    int hAlign = 1;
    int vAlign = 1;
};

CLayoutOptions OptionsOf(const Child& c)
{
    CLayoutOptions options;
    if (c.hPosition != kUnset)
        options.SetHPosition(c.hPosition);
    if (c.vPosition != kUnset)
        options.SetVPosition(c.vPosition);
    options.SetRelativeWidth(c.relativeWidth);
    options.SetRelativeHeight(c.relativeHeight);
    options.SetFlex(c.flex);
    options.SetHAlign(Align::EHAlign(c.hAlign));
    options.SetVAlign(Align::EVAlign(c.vAlign));
    return options;
}

// A group over fixed-size children; children() answers them in order.
struct CTree {
    CTree(int type, int hMargin, int vMargin, int spacing, const std::vector<Child>& children)
        : group(0, 0, hMargin, vMargin, spacing, ELayoutType(type))
    {
        for (const Child& c : children) {
            CGroupLayoutCell* cell = NewFixedCell(c.width, c.height);
            // Sized now: a hidden child is never brought up to date by its group.
            cell->UpdateSize();
            cell->SetDisplayed(c.displayed);
            options.push_back(group.AddCell(cell, OptionsOf(c), 1));
            cells.push_back(cell);
        }
    }
    // Lays the group out at (x, y) in the given size, or its natural size where a side is negative.
    void Layout(int x, int y, int width = -1, int height = -1)
    {
        group.SetAutoWidth(width < 0);
        group.SetAutoHeight(height < 0);
        group.SetFixedSize(C2DSize(width, height));
        group.Place(C2DRectangle(x, y, 0, 0));
    }

    CGroupLayoutCell group;
    std::vector<CGroupLayoutCell*> cells;
    std::vector<ILayoutOptions*> options;
};

TEST(CGroupLayoutCell, NaturalSizePerLayoutType)
{
    struct Case {
        const char* name;
        int type, hMargin, vMargin, spacing;
        std::vector<Child> children;
        C2DSize natural;
    };
    const Child hidden = Child(10, 10).Displayed(false);
    const Child relativeWide = Child(50, 8).RelativeWidth(0.5f);
    const Child relativeTall = Child(7, 60).RelativeHeight(0.0f);
    const Child atX30 = Child(10, 5).HPosition(30);
    const Child atY7 = Child(4, 6).VPosition(7);
    const Child atBoth = Child(3, 2).HPosition(20).VPosition(-1);

    const Case kCases[] = {
        {"row", kHorizontal, 5, 3, 4, {{10, 8}, {20, 12}}, {44, 18}},
        {"row, all hidden", kHorizontal, 5, 3, 4, {hidden, hidden}, {10, 0}},
        {"row, empty", kHorizontal, 5, 3, 4, {}, {10, 0}},
        {"row, relative width counts 0", kHorizontal, 10, 0, 0, {relativeWide, {10, 4}}, {30, 8}},
        {"row, relative height counts 0", kHorizontal, 0, 2, 0, {relativeTall}, {7, 4}},
        {"row, hidden child takes no room", kHorizontal, 5, 3, 4, {{10, 8}, hidden, {20, 12}}, {44, 18}},
        {"row, position resets the run", kHorizontal, 5, 3, 4, {{10, 8}, atX30, {20, 12}}, {69, 18}},
        {"row, vertical position", kHorizontal, 0, 3, 0, {atY7, {1, 10}}, {5, 16}},
        {"column", kVertical, 3, 5, 4, {{8, 10}, {12, 20}}, {18, 44}},
        {"column, all hidden", kVertical, 3, 5, 4, {hidden}, {0, 10}},
        {"column, horizontal position", kVertical, 2, 0, 0, {atBoth, {30, 1}}, {34, 2}},
        {"stack", kStack, 2, 3, 50, {{10, 8}, {20, 4}}, {24, 14}},
        {"stack, positions", kStack, 2, 3, 0, {atBoth, {1, 1}}, {25, 7}},
        {"stack, all hidden", kStack, 2, 3, 0, {hidden}, {0, 0}},
        {"another type", 3, 2, 3, 0, {{10, 8}}, {2, 3}},
        {"a negative type", -1, 2, 3, 0, {{10, 8}}, {2, 3}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        CTree tree(c.type, c.hMargin, c.vMargin, c.spacing, c.children);
        tree.group.UpdateSize();
        ExpectSize(tree.group.GetNaturalSize(), c.natural.width, c.natural.height);
        ExpectSize(tree.group.GetSize(), c.natural.width, c.natural.height);
    }
}

TEST(CGroupLayoutCell, FlexSharesTheDifferenceWithACarriedRemainder)
{
    struct Case {
        const char* name;
        int groupWidth;
        std::vector<float> flexes; // children 10 and 20 wide, margins 5, spacing 4: natural 44
        std::vector<int> widths;
    };
    const Case kCases[] = {
        {"wider: 56 as 18.67 and 37.33", 100, {1, 2}, {29, 57}},
        {"narrower: -14 as -4.67 and -9.33", 30, {1, 2}, {5, 11}},
        {"one flexible child takes it all", 100, {0, 1}, {10, 76}},
        {"equal shares of an odd difference", 45, {1, 1}, {11, 20}},
        {"no flex: sizes kept", 100, {0, 0}, {10, 20}},
        {"flexes summing to 0: sizes kept", 100, {1, -1}, {10, 20}},
        {"shrinking below 0 stops at 0", 0, {1, 1}, {0, 0}},
        {"a negative flex shrinks while the rest grow", 100, {-1, 2}, {0, 132}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const Child first = Child(10, 4).Flex(c.flexes[0]);
        const Child second = Child(20, 4).Flex(c.flexes[1]);
        CTree tree(kHorizontal, 5, 0, 4, {first, second});
        tree.Layout(0, 0, c.groupWidth, -1);
        EXPECT_EQ(tree.cells[0]->GetSize().width, c.widths[0]);
        EXPECT_EQ(tree.cells[1]->GetSize().width, c.widths[1]);
        EXPECT_EQ(tree.cells[1]->GetPosition().x, 5 + c.widths[0] + 4);
    }
}

TEST(CGroupLayoutCell, FlexInAColumnGrowsHeightsAndAStackIgnoresIt)
{
    const Child flexible = Child(3, 10).Flex(1.0f);
    CTree column(kVertical, 0, 0, 0, {flexible, {3, 10}});
    column.Layout(0, 0, -1, 50);
    ExpectSize(column.cells[0]->GetSize(), 3, 40);
    ExpectPoint(column.cells[1]->GetPosition(), 0, 40);

    CTree stack(kStack, 0, 0, 0, {flexible});
    stack.Layout(0, 0, 50, 50);
    ExpectSize(stack.cells[0]->GetSize(), 3, 10);
}

TEST(CGroupLayoutCell, RelativeSizesShareTheInnerSizeAndCountNothingNaturally)
{
    const Child half = Child(99, 4).RelativeWidth(0.5f);
    const Child none = Child(99, 4).RelativeWidth(0.0f);
    const Child third = Child(6, 99).RelativeHeight(1.0f / 3);
    CTree tree(kHorizontal, 10, 1, 0, {half, none, third});
    tree.Layout(0, 0, 100, 32);
    ExpectSize(tree.cells[0]->GetSize(), 40, 4);
    ExpectSize(tree.cells[1]->GetSize(), 0, 4);
    ExpectSize(tree.cells[2]->GetSize(), 6, 10);
    ExpectPoint(tree.cells[1]->GetPosition(), 50, 14);
    ExpectPoint(tree.cells[2]->GetPosition(), 50, 11);
    // Recomputed after the relative sizes, which still count 0; the group keeps its fixed size.
    ExpectSize(tree.group.GetNaturalSize(), 26, 6);

    // A group smaller than its margins gives relative children 0, not a negative size.
    tree.Layout(0, 0, 10, 1);
    ExpectSize(tree.cells[0]->GetSize(), 0, 4);
    ExpectSize(tree.cells[2]->GetSize(), 6, 0);
}

TEST(CGroupLayoutCell, ExplicitPositionsIgnoreMarginsAndTheRunContinuesAfterThem)
{
    const Child at30 = Child(10, 4).HPosition(30).VPosition(2);
    CTree tree(kHorizontal, 5, 5, 4, {{7, 4}, at30, {20, 4}});
    tree.Layout(100, 200);
    ExpectPoint(tree.cells[0]->GetPosition(), 105, 205);
    ExpectPoint(tree.cells[1]->GetPosition(), 130, 202);
    ExpectPoint(tree.cells[2]->GetPosition(), 144, 205);
}

TEST(CGroupLayoutCell, ChildAlignmentAcrossTheRun)
{
    struct Case { int align; int x; };
    // A column 40 wide with margins 3 and a child 10 wide; values but 0 and 2 centre.
    const Case kCases[] = {{0, 3}, {1, 15}, {2, 27}, {3, 15}, {-1, 15}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.align);
        const Child child = Child(10, 4).HAlign(c.align);
        CTree column(kVertical, 3, 0, 0, {child});
        column.Layout(0, 0, 40, -1);
        EXPECT_EQ(column.cells[0]->GetPosition().x, c.x);
    }
    // Centring truncates toward zero and does not subtract margins, even for a child wider than the group.
    const Child wide(15, 4);
    CTree column(kVertical, 3, 0, 0, {wide});
    column.Layout(10, 0, 10, -1);
    EXPECT_EQ(column.cells[0]->GetPosition().x, 8);

    const Child bottom = Child(4, 10).VAlign(2);
    CTree row(kHorizontal, 0, 2, 0, {bottom, {4, 3}});
    row.Layout(0, 0, -1, 30);
    EXPECT_EQ(row.cells[0]->GetPosition().y, 18);
    EXPECT_EQ(row.cells[1]->GetPosition().y, 13);
}

TEST(CGroupLayoutCell, InternalAlignmentShiftsTheRunWhenTheGroupIsNotNatural)
{
    struct Case { int align; int x; };
    // A row 50 wide with a natural width of 21: the run moves by 0, 29 / 2 or 29.
    const Case kCases[] = {{0, 2}, {1, 16}, {2, 31}, {7, 16}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.align);
        CTree row(kHorizontal, 2, 0, 0, {{17, 4}});
        row.group.SetInternalHAlign(Align::EHAlign(c.align));
        row.Layout(0, 0, 50, -1);
        EXPECT_EQ(row.cells[0]->GetPosition().x, c.x);
        // Vertical internal alignment plays no part in a row.
        row.group.SetInternalVAlign(Align::kBottom);
        row.Layout(0, 0, 50, -1);
        EXPECT_EQ(row.cells[0]->GetPosition().x, c.x);
    }
    CTree narrower(kHorizontal, 2, 0, 0, {{17, 4}});
    narrower.group.SetInternalHAlign(Align::kHCenter);
    narrower.Layout(0, 0, 10, -1);
    EXPECT_EQ(narrower.cells[0]->GetPosition().x, -3);

    CTree column(kVertical, 0, 1, 0, {{4, 4}});
    column.group.SetInternalVAlign(Align::kBottom);
    column.Layout(0, 0, -1, 20);
    EXPECT_EQ(column.cells[0]->GetPosition().y, 15);
}

TEST(CGroupLayoutCell, HiddenChildrenGoToTheOriginInRunsAndAlignedInStacks)
{
    const Child hidden = Child(10, 10).Displayed(false).HAlign(2);
    CTree row(kHorizontal, 1, 1, 0, {hidden, {4, 4}});
    row.Layout(50, 50, 40, 40);
    ExpectPoint(row.cells[0]->GetPosition(), 0, 0);
    ExpectPoint(row.cells[1]->GetPosition(), 51, 68);

    CTree stack(kStack, 1, 1, 0, {hidden, {4, 4}});
    stack.Layout(50, 50, 40, 40);
    ExpectPoint(stack.cells[0]->GetPosition(), 79, 65);
    ExpectPoint(stack.cells[1]->GetPosition(), 68, 68);
}

TEST(CGroupLayoutCell, AnotherLayoutTypeArrangesNoChild)
{
    CRecordingLayoutCell* leaf = new CRecordingLayoutCell(3, 3);
    CGroupLayoutCell group(0, 0, 2, 3, 0, ELayoutType(5));
    group.AddCell(leaf, CLayoutOptions(), 1);
    group.Place(C2DRectangle(7, 8, 0, 0));
    ExpectPoint(group.GetPosition(), 7, 8);
    EXPECT_TRUE(leaf->GetArranged().empty());

    group.SetLayoutType(kStack);
    EXPECT_EQ(group.GetLayoutType(), kStack);
    group.Place(C2DRectangle(7, 8, 0, 0));
    ExpectPoint(leaf->GetLastArranged(), 9, 11);
}

TEST(CGroupLayoutCell, InsertionCursor)
{
    CGroupLayoutCell group(0, 0, 0, 0, 0, kHorizontal);
    EXPECT_EQ(group.GetInsertAfter(), nullptr);
    CRecordingLayoutCell* a = new CRecordingLayoutCell(1, 1);
    CRecordingLayoutCell* b = new CRecordingLayoutCell(2, 1);
    CRecordingLayoutCell* c = new CRecordingLayoutCell(4, 1);
    CRecordingLayoutCell* d = new CRecordingLayoutCell(8, 1);
    CRecordingLayoutCell* e = new CRecordingLayoutCell(16, 1);
    group.AddCell(a, CLayoutOptions(), 1);
    EXPECT_EQ(group.GetInsertAfter(), a);

    group.SetInsertAfter(nullptr);
    EXPECT_EQ(group.GetInsertAfter(), nullptr);
    group.AddCell(b, CLayoutOptions(), 1);
    EXPECT_EQ(group.GetInsertAfter(), b);
    group.AddCell(c, CLayoutOptions(), 1);
    group.SetInsertAfter(b);
    group.AddCell(d, CLayoutOptions(), 1);
    CRecordingLayoutCell stranger;
    group.SetInsertAfter(&stranger); // held by no entry: the end
    EXPECT_EQ(group.GetInsertAfter(), a);
    group.AddCell(e, CLayoutOptions(), 1);

    // Order b, d, c, a, e: read back from the arrangement.
    group.Place(C2DRectangle());
    EXPECT_EQ(b->GetPosition().x, 0);
    EXPECT_EQ(d->GetPosition().x, 2);
    EXPECT_EQ(c->GetPosition().x, 10);
    EXPECT_EQ(a->GetPosition().x, 14);
    EXPECT_EQ(e->GetPosition().x, 15);
}

TEST(CGroupLayoutCell, AddCellOfNullAddsNothing)
{
    CGroupLayoutCell group(0, 0, 1, 1, 0, kHorizontal);
    EXPECT_EQ(group.AddCell(nullptr, CLayoutOptions(), 1), nullptr);
    group.UpdateSize();
    ExpectSize(group.GetSize(), 2, 0);
}

TEST(CGroupLayoutCell, TheReturnedOptionsCopyRelayoutsTheGroup)
{
    CRecordingLayoutCell* leaf = new CRecordingLayoutCell(10, 10);
    CGroupLayoutCell row(0, 0, 0, 0, 0, kHorizontal);
    CLayoutOptions given;
    ILayoutOptions* copy = row.AddCell(leaf, given, 1);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, static_cast<ILayoutOptions*>(&given));
    EXPECT_EQ(leaf->GetOwner(), static_cast<IGroupLayoutCell*>(&row));
    row.SetAutoUpdate(true);
    ExpectPoint(leaf->GetLastArranged(), 0, 0);

    copy->SetHPosition(12);
    ExpectPoint(leaf->GetLastArranged(), 12, 0);
    ExpectSize(row.GetSize(), 22, 10);
    // The caller's options are not the group's.
    given.SetHPosition(40);
    ExpectPoint(leaf->GetLastArranged(), 12, 0);
}

TEST(CGroupLayoutCell, SettersRelayoutOnlyOnChange)
{
    struct Case {
        const char* name;
        std::function<void(CGroupLayoutCell&)> same;
        std::function<void(CGroupLayoutCell&)> changed;
    };
    const Case kCases[] = {
        {"h margin", [](CGroupLayoutCell& g) { g.SetHMargin(1); }, [](CGroupLayoutCell& g) { g.SetHMargin(2); }},
        {"v margin", [](CGroupLayoutCell& g) { g.SetVMargin(1); }, [](CGroupLayoutCell& g) { g.SetVMargin(-2); }},
        {"spacing", [](CGroupLayoutCell& g) { g.SetSpacing(0); }, [](CGroupLayoutCell& g) { g.SetSpacing(3); }},
        {"type", [](CGroupLayoutCell& g) { g.SetLayoutType(kHorizontal); },
         [](CGroupLayoutCell& g) { g.SetLayoutType(kVertical); }},
        {"internal h", [](CGroupLayoutCell& g) { g.SetInternalHAlign(Align::kLeft); },
         [](CGroupLayoutCell& g) { g.SetInternalHAlign(Align::kRight); }},
        {"internal v", [](CGroupLayoutCell& g) { g.SetInternalVAlign(Align::kTop); },
         [](CGroupLayoutCell& g) { g.SetInternalVAlign(Align::kBottom); }},
        {"internal both", [](CGroupLayoutCell& g) { g.SetInternalAlign({0, 0}); },
         [](CGroupLayoutCell& g) { g.SetInternalAlign({0, 2}); }},
        {"auto width", [](CGroupLayoutCell& g) { g.SetAutoWidth(true); },
         [](CGroupLayoutCell& g) { g.SetAutoWidth(false); }},
        {"auto height", [](CGroupLayoutCell& g) { g.SetAutoHeight(true); },
         [](CGroupLayoutCell& g) { g.SetAutoHeight(false); }},
        {"auto size", [](CGroupLayoutCell& g) { g.SetAutoSize(true); },
         [](CGroupLayoutCell& g) { g.SetAutoSize(false); }},
        {"fixed size", [](CGroupLayoutCell& g) { g.SetFixedSize(C2DSize(0, 0)); },
         [](CGroupLayoutCell& g) { g.SetFixedSize(C2DSize(0, 1)); }},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        CRecordingLayoutCell* leaf = new CRecordingLayoutCell(5, 5);
        CGroupLayoutCell group(0, 0, 1, 1, 0, kHorizontal);
        group.AddCell(leaf, CLayoutOptions(), 1);
        group.SetAutoUpdate(true);
        leaf->ForgetArranged();
        c.same(group);
        EXPECT_TRUE(leaf->GetArranged().empty());
        c.changed(group);
        EXPECT_EQ(leaf->GetArranged().size(), 1u);
    }
}

TEST(CGroupLayoutCell, InternalAlignSetsBothAtOnce)
{
    CGroupLayoutCell group(0, 0, 0, 0, 0, kHorizontal);
    EXPECT_EQ(group.GetInternalHAlign(), Align::kLeft);
    EXPECT_EQ(group.GetInternalVAlign(), Align::kTop);
    group.SetInternalAlign({2, 1});
    EXPECT_EQ(group.GetInternalHAlign(), Align::kRight);
    EXPECT_EQ(group.GetInternalVAlign(), Align::kVCenter);
}

TEST(CGroupLayoutCell, FixedSizeReplacesOnlyTheSideWhoseAutomaticFlagIsOff)
{
    CTree tree(kHorizontal, 0, 2, 0, {{10, 6}});
    tree.group.SetAutoWidth(false);
    tree.group.SetFixedSize(C2DSize(120, 0));
    tree.group.UpdateSize();
    ExpectSize(tree.group.GetSize(), 120, 10);
    tree.group.SetAutoSize(true);
    tree.group.UpdateSize();
    ExpectSize(tree.group.GetSize(), 10, 10);
    tree.group.SetAutoHeight(false);
    tree.group.UpdateSize();
    ExpectSize(tree.group.GetSize(), 10, 0);
}

TEST(CGroupLayoutCell, AutoUpdateReachesTheChildrenFirst)
{
    CGroupLayoutCell root(0, 0, 0, 0, 0, kVertical);
    CGroupLayoutCell* inner = new CGroupLayoutCell(0, 0, 0, 0, 0, kHorizontal);
    CRecordingLayoutCell* leaf = new CRecordingLayoutCell(2, 2);
    inner->AddCell(leaf, CLayoutOptions(), 1);
    root.AddCell(inner, CLayoutOptions(), 1);
    root.SetAutoUpdate(true);
    EXPECT_TRUE(inner->IsAutoUpdate());
    EXPECT_TRUE(leaf->IsAutoUpdate());
    root.SetAutoUpdate(false);
    EXPECT_FALSE(leaf->IsAutoUpdate());
}

// Fixture counting destroyed leaves.
class CGroupOwnership : public testing::Test {
protected:
    CRecordingLayoutCell* NewLeaf(int width = 10) { return new CRecordingLayoutCell(width, 10, &m_Destroyed); }
    int m_Destroyed = 0;
};

TEST_F(CGroupOwnership, RemoveCellDeletesOwnedOnlyWhenAskedAndLeavesKeptCellsOwnerless)
{
    CGroupLayoutCell group(0, 0, 0, 0, 0, kHorizontal);
    CRecordingLayoutCell* owned = NewLeaf();
    CRecordingLayoutCell* kept = NewLeaf();
    CRecordingLayoutCell* notOwned = NewLeaf();
    group.AddCell(owned, CLayoutOptions(), 1);
    group.AddCell(kept, CLayoutOptions(), 1);
    group.AddCell(notOwned, CLayoutOptions(), 0);
    group.SetInsertAfter(nullptr);

    group.RemoveCell(owned, true);
    EXPECT_EQ(m_Destroyed, 1);
    EXPECT_EQ(group.GetInsertAfter(), notOwned); // the cursor went to the end
    group.RemoveCell(kept, false);
    group.RemoveCell(notOwned, true);
    EXPECT_EQ(m_Destroyed, 1);
    EXPECT_FALSE(kept->HasOwner());
    EXPECT_FALSE(notOwned->HasOwner());

    group.SetInsertAfter(nullptr);
    group.RemoveCell(kept, true); // no longer held: only the cursor moves
    EXPECT_EQ(m_Destroyed, 1);
    delete kept;
    delete notOwned;
}

TEST_F(CGroupOwnership, ACellRemovedFromAGroupOutlivesTheGroup)
{
    CRecordingLayoutCell leaf(3, 3);
    CGroupLayoutCell* group = new CGroupLayoutCell(0, 0, 0, 0, 0, kHorizontal);
    group->AddCell(&leaf, CLayoutOptions(), 0);
    group->SetAutoUpdate(true);
    group->RemoveCell(&leaf, false);
    delete group;
    leaf.SetDisplayed(false);
    EXPECT_FALSE(leaf.IsDisplayedInTree());
    leaf.Relayout();
}

TEST_F(CGroupOwnership, AMovedCellKeepsItsNewOwnerWhenTheOldGroupLetsGo)
{
    CRecordingLayoutCell leaf(3, 3);
    CGroupLayoutCell first(0, 0, 0, 0, 0, kHorizontal);
    CGroupLayoutCell second(0, 0, 0, 0, 0, kHorizontal);
    first.AddCell(&leaf, CLayoutOptions(), 0);
    second.AddCell(&leaf, CLayoutOptions(), 0);
    first.RemoveCell(&leaf, false);
    EXPECT_EQ(leaf.GetOwner(), static_cast<IGroupLayoutCell*>(&second));
    leaf.Detach();
}

TEST_F(CGroupOwnership, ClearClearsEveryChildDeletesOwnedAndReleasesTheOthers)
{
    CGroupLayoutCell group(0, 0, 2, 2, 0, kHorizontal);
    CRecordingLayoutCell* owned = NewLeaf();
    CRecordingLayoutCell kept(4, 4);
    group.AddCell(owned, CLayoutOptions(), 1);
    group.AddCell(&kept, CLayoutOptions(), 0);
    group.SetAutoUpdate(true);
    group.Clear();
    EXPECT_EQ(m_Destroyed, 1);
    EXPECT_EQ(kept.GetClearCount(), 1);
    EXPECT_FALSE(kept.HasOwner());
    EXPECT_EQ(group.GetInsertAfter(), nullptr);
    ExpectSize(group.GetSize(), 4, 0);
}

// A child group cleared by Clear relayouts its owner while earlier children are already deleted.
TEST_F(CGroupOwnership, ClearSurvivesAChildThatRelayoutsTheGroupWhileItIsCleared)
{
    CGroupLayoutCell group(0, 0, 0, 0, 0, kHorizontal);
    CGroupLayoutCell* inner = new CGroupLayoutCell(0, 0, 0, 0, 0, kHorizontal);
    inner->AddCell(NewLeaf(), CLayoutOptions(), 1);
    group.AddCell(NewLeaf(), CLayoutOptions(), 1);
    group.AddCell(inner, CLayoutOptions(), 1);
    group.AddCell(NewLeaf(), CLayoutOptions(), 1);
    group.SetAutoUpdate(true);
    ExpectSize(group.GetSize(), 30, 10);
    group.Clear();
    EXPECT_EQ(m_Destroyed, 3);
    ExpectSize(group.GetSize(), 0, 0);
}

TEST_F(CGroupOwnership, DestructionDeletesOwnedChildrenOnly)
{
    CRecordingLayoutCell kept(1, 1);
    CRecordingLayoutCell* flaggedTwo = NewLeaf();
    {
        CGroupLayoutCell group(0, 0, 0, 0, 0, kHorizontal);
        group.AddCell(NewLeaf(), CLayoutOptions(), 1);
        group.AddCell(flaggedTwo, CLayoutOptions(), 2); // only 1 means owned
        group.AddCell(&kept, CLayoutOptions(), 0);
        group.SetAutoUpdate(true);
    }
    EXPECT_EQ(m_Destroyed, 1);
    delete flaggedTwo;
    kept.SetOwner(nullptr);
}

// The widget cells hold an inner group as a member and add it as a non-owned child.
TEST_F(CGroupOwnership, AGroupHoldingItsOwnMemberIsDestroyedCleanly)
{
    class CHolder : public CGroupLayoutCell {
    public:
        explicit CHolder(int* destroyed)
            : CGroupLayoutCell(0, 0, 0, 0, 0, kVertical), m_Inner(0, 0, 1, 1, 0, kHorizontal)
        {
            m_Inner.AddCell(new CRecordingLayoutCell(5, 5, destroyed), CLayoutOptions(), 1);
            AddCell(&m_Inner, CLayoutOptions(), 0);
        }
        CGroupLayoutCell m_Inner;
    };
    CHolder* holder = new CHolder(&m_Destroyed);
    holder->SetAutoUpdate(true);
    ExpectSize(holder->GetSize(), 7, 7);
    delete holder;
    EXPECT_EQ(m_Destroyed, 1);
}

// Values from skins are unchecked: sums saturate at the 32-bit limits instead of overflowing.
TEST(CGroupLayoutCell, ExtremeMarginsSpacingsAndPositionsSaturate)
{
    CTree wide(kHorizontal, kMax, kMax, kMax, {{10, 10}, {10, 10}});
    wide.Layout(kMax, kMax);
    ExpectSize(wide.group.GetSize(), kMax, kMax);
    ExpectPoint(wide.cells[1]->GetPosition(), kMax, kMax);

    // The width across a column is the largest need and never below 0.
    CTree negative(kVertical, kMin, kMin, kMin, {{10, 10}, {10, 10}});
    negative.Layout(kMin, kMin);
    ExpectSize(negative.group.GetSize(), 0, kMin);
    ExpectPoint(negative.cells[1]->GetPosition(), kMin, kMin);

    const Child far = Child(10, 10).HPosition(kMax).VPosition(kMin + 1);
    CTree stack(kStack, 0, 0, 0, {far});
    stack.Layout(100, -100);
    ExpectPoint(stack.cells[0]->GetPosition(), kMax, kMin);
    ExpectSize(stack.group.GetSize(), kMax, 0);

    // Centring in an extreme extent is computed wide: (kMax - kMin) / 2 does not overflow.
    const Child centred(kMin, 0);
    CTree column(kVertical, 0, 0, 0, {centred});
    column.Layout(0, 0, kMax, -1);
    EXPECT_EQ(column.cells[0]->GetPosition().x, kMax);
}

TEST(CGroupLayoutCell, ExtremeFractionsAndFlexesSaturateAndNaNGivesNothing)
{
    const Child infinite = Child(1, 1).RelativeWidth(INFINITY).RelativeHeight(1e30f);
    CTree tree(kHorizontal, 0, 0, 0, {infinite});
    tree.Layout(0, 0, 10, 10);
    ExpectSize(tree.cells[0]->GetSize(), kMax, kMax);
    tree.Layout(0, 0, 0, 0); // inf x 0 is NaN
    ExpectSize(tree.cells[0]->GetSize(), 0, 0);

    // Flexes that nearly cancel make a per-flex share far beyond the 32-bit range.
    const Child huge = Child(10, 10).Flex(1.0f);
    const Child cancelling = Child(10, 10).Flex(std::nextafter(-1.0f, 0.0f));
    CTree flexed(kHorizontal, 0, 0, 0, {huge, cancelling});
    flexed.Layout(0, 0, 1020, -1);
    ExpectSize(flexed.cells[0]->GetSize(), kMax, 10);
    ExpectSize(flexed.cells[1]->GetSize(), 0, 10);
    ExpectPoint(flexed.cells[1]->GetPosition(), kMax, 0);

    const Child endless = Child(10, 10).Flex(INFINITY);
    const Child endlessBack = Child(10, 10).Flex(-INFINITY);
    CTree undefined(kHorizontal, 0, 0, 0, {endless, endlessBack});
    undefined.Layout(0, 0, 100, -1);
    ExpectSize(undefined.cells[0]->GetSize(), 10, 10);
    ExpectSize(undefined.cells[1]->GetSize(), 10, 10);
}

TEST(CGroupLayoutCell, ANaNFlexTakesNoShareFromItsSiblings)
{
    const Child first = Child(10, 4).Flex(1.0f);
    const Child second = Child(20, 4).Flex(2.0f);
    CTree tree(kHorizontal, 5, 0, 4, {first, second, {0, 4}});
    tree.Layout(0, 0, 104, -1);
    CCountingCommand listener;
    tree.options[2]->GetChangedEvents().AddListener(listener);
    tree.options[2]->SetFlex(NAN);
    tree.options[2]->SetFlex(NAN);
    EXPECT_EQ(listener.GetCount(), 0);
    tree.Layout(0, 0, 104, -1);
    EXPECT_EQ(tree.cells[0]->GetSize().width, 29);
    EXPECT_EQ(tree.cells[1]->GetSize().width, 57);
}

} // namespace
