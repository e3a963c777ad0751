#include "Veltis/CoreUtilities/TDynamicCollection.h"
#include "Veltis/CoreUtilities/TCollection.h"

#include "support/CountedItem.h"

#include <gtest/gtest.h>

using Veltis::Containers::IConstVector;
using Veltis::Containers::IVector;
using Veltis::Core::CStepGrowthStrategy;
using Veltis::Core::TNCDynamicVector;
using Veltis::CoreUtilities::TCollection;
using Veltis::CoreUtilities::TDynamicCollection;
using VeltisTest::CCountedItem;
using VeltisTest::CCountedObject;
using VeltisTest::IItem;

namespace {

typedef TDynamicCollection<CCountedItem, IItem> CItems;

class TDynamicCollectionTest : public VeltisTest::CCountingFixture {
protected:
    static void Fill(IVector<IItem>& vector, int first)
    {
        for (int i = 0; i < vector.GetCount(); ++i)
            vector.GetAt(i).SetValue(first + i);
    }
};

TEST_F(TDynamicCollectionTest, OwnsItsElementsByValue)
{
    {
        CItems items(3);
        EXPECT_EQ(items.GetCount(), 3);
        EXPECT_EQ(CCountedObject::Alive(), 3);
        Fill(items, 10);
        const IConstVector<IItem>& view = items;
        EXPECT_EQ(view.GetAt(2).GetValue(), 12);
        // Contiguous: the owner's storage is the collection's elements.
        EXPECT_EQ(&items.GetAt(1), static_cast<IItem*>(&items.GetStorage()[1]));
    }
    EXPECT_EQ(CCountedObject::Alive(), 0);
}

TEST_F(TDynamicCollectionTest, OwnerGrowsItThroughTheStorageAndKeepsOldElements)
{
    CItems items;
    EXPECT_EQ(items.GetCount(), 0);
    for (int i = 0; i < 4; ++i) {
        items.GetStorage().SetSize(i + 1, true);
        items.GetAt(i).SetValue(i * 2);
    }
    ASSERT_EQ(items.GetCount(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(items.GetAt(i).GetValue(), i * 2);
    items.GetStorage().SetSize(0, true);
    EXPECT_EQ(items.GetCount(), 0);
    EXPECT_EQ(CCountedObject::Alive(), 0);
}

TEST_F(TDynamicCollectionTest, CopyHasTheSourceCountAsCapacityAndOwnCopies)
{
    CItems source(5);
    Fill(source, 1);
    source.GetStorage().SetSize(3, false);
    ASSERT_EQ(source.GetStorage().GetCapacity(), 5);
    {
        CItems copy(source);
        EXPECT_EQ(copy.GetCount(), 3);
        EXPECT_EQ(copy.GetStorage().GetCapacity(), 3);
        copy.GetAt(0).SetValue(100);
        EXPECT_EQ(source.GetAt(0).GetValue(), 1);
        EXPECT_EQ(copy.GetAt(2).GetValue(), 3);
        EXPECT_EQ(CCountedObject::Alive(), 8);
    }
    EXPECT_EQ(CCountedObject::Alive(), 5);
}

TEST_F(TDynamicCollectionTest, CopyFromBuildsEachElementFromTheSourceInterface)
{
    // The source is another kind of vector of the same interface.
    TCollection<CCountedItem, IItem> source(3);
    Fill(source, 7);
    CItems items(1);
    items.CopyFrom(source);
    ASSERT_EQ(items.GetCount(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(items.GetAt(i).GetValue(), 7 + i);

    TCollection<CCountedItem, IItem> empty(0);
    items.CopyFrom(empty);
    EXPECT_EQ(items.GetCount(), 0);
    EXPECT_EQ(CCountedObject::Alive(), 3);
}

TEST_F(TDynamicCollectionTest, CopyFromItselfKeepsTheElements)
{
    CItems items(3);
    Fill(items, 4);
    items.CopyFrom(items);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(items.GetAt(i).GetValue(), 4 + i);
}

TEST_F(TDynamicCollectionTest, AssignmentCopiesTheElements)
{
    CItems source(2);
    Fill(source, 3);
    CItems target(5);
    target = source;
    ASSERT_EQ(target.GetCount(), 2);
    EXPECT_EQ(target.GetAt(1).GetValue(), 4);
    target.GetAt(1).SetValue(0);
    EXPECT_EQ(source.GetAt(1).GetValue(), 4);
}

TEST_F(TDynamicCollectionTest, NonCopyingStorageServesAsWell)
{
    typedef TNCDynamicVector<CCountedItem, CStepGrowthStrategy> CStorage;
    {
        TDynamicCollection<CCountedItem, IItem, IVector<IItem>, CStorage> items(2);
        Fill(items, 1);
        items.GetStorage().SetSize(1, false);
        EXPECT_EQ(items.GetCount(), 1);
        EXPECT_EQ(items.GetAt(0).GetValue(), 1);
    }
    EXPECT_EQ(CCountedObject::Alive(), 0);
}

} // namespace
