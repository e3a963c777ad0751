#include "Veltis/CoreUtilities/TCollection.h"

#include "support/CountedItem.h"

#include <gtest/gtest.h>

using Veltis::Containers::IVector;
using Veltis::CoreUtilities::TCollection;
using VeltisTest::CCountedItem;
using VeltisTest::CCountedObject;
using VeltisTest::IItem;

namespace {

typedef TCollection<CCountedItem, IItem> CItems;

typedef VeltisTest::CCountingFixture TCollectionTest;

TEST_F(TCollectionTest, OwnsOneHeapElementPerSlotAndDeletesThemAll)
{
    {
        CItems items(3);
        IVector<IItem>& vector = items;
        EXPECT_EQ(vector.GetCount(), 3);
        EXPECT_EQ(CCountedObject::Alive(), 3);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(vector.GetAt(i).GetValue(), 0);
        vector.GetAt(1).SetValue(9);
        const IVector<IItem>& constVector = items;
        EXPECT_EQ(constVector.GetAt(1).GetValue(), 9);
    }
    EXPECT_EQ(CCountedObject::Alive(), 0);
}

TEST_F(TCollectionTest, ElementsAreCopiesOfTheInitialRecords)
{
    const CCountedItem records[] = {CCountedItem(4), CCountedItem(5)};
    CCountedObject::ResetCounters();
    {
        CItems items(2, records);
        EXPECT_EQ(CCountedObject::Alive(), 2);
        EXPECT_EQ(items.GetAt(0).GetValue(), 4);
        EXPECT_EQ(items.GetAt(1).GetValue(), 5);
        items.GetAt(0).SetValue(6);
        EXPECT_EQ(records[0].GetValue(), 4);
        // Each element keeps its own address.
        EXPECT_NE(&items.GetAt(0), static_cast<const IItem*>(&records[0]));
    }
    EXPECT_EQ(CCountedObject::Alive(), 0);
}

TEST_F(TCollectionTest, EmptyAndNegativeCountsHoldNothing)
{
    const int kCounts[] = {0, -4};
    for (int count : kCounts) {
        SCOPED_TRACE(count);
        { CItems items(count); EXPECT_EQ(items.GetCount(), 0); }
        EXPECT_EQ(CCountedObject::s_Constructed, 0);
        EXPECT_EQ(CCountedObject::s_Destroyed, 0);
    }
}

} // namespace

namespace {

// A record that can only be built from the element interface.
class CInterfaceBuilt : public VeltisTest::CCountedItem {
public:
    CInterfaceBuilt() {}
    explicit CInterfaceBuilt(int value) : CCountedItem(value) {}
    explicit CInterfaceBuilt(const IItem& other) : CCountedItem(other.GetValue() + 100) {}
    CInterfaceBuilt(const CInterfaceBuilt&) = delete;
};

TEST_F(TCollectionTest, RecordsWithoutCopyConstructorAreBuiltFromTheirInterface)
{
    const CInterfaceBuilt records[2] = {CInterfaceBuilt(1), CInterfaceBuilt(2)};
    TCollection<CInterfaceBuilt, IItem> items(2, records);
    EXPECT_EQ(items.GetAt(0).GetValue(), 101);
    EXPECT_EQ(items.GetAt(1).GetValue(), 102);
}

} // namespace
