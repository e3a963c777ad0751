#include "Veltis/Core/TOwnership.h"
#include "Veltis/Core/TOwnershipWithClone.h"

#include "support/CountedItem.h"

#include <gtest/gtest.h>

using namespace Veltis::Core;
using VeltisTest::CCountedItem;
using VeltisTest::CCountedObject;
using VeltisTest::IItem;

namespace {

typedef VeltisTest::CCountingFixture TOwnershipTest;

TEST_F(TOwnershipTest, DestructionDeletesOnlyWithFlagOne)
{
    struct Case {
        int owned;
        int expectedAlive;
    };
    const Case kCases[] = {{1, 0}, {0, 1}, {2, 1}, {-1, 1}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.owned);
        CCountedObject::ResetCounters();
        CCountedItem* item = new CCountedItem(5);
        {
            TOwnership<IItem> holder(item, c.owned);
            EXPECT_EQ(holder.Get(), item);
            EXPECT_EQ(holder.GetOwned(), c.owned);
        }
        EXPECT_EQ(CCountedObject::Alive(), c.expectedAlive);
        if (c.expectedAlive)
            delete item;
    }
}

TEST_F(TOwnershipTest, SetDeletesOwnedOldObjectThenOnlyRefersToNewOne)
{
    CCountedItem borrowed(2);
    {
        TOwnership<IItem> holder(new CCountedItem(1), 1);
        EXPECT_EQ(CCountedObject::Alive(), 2);
        holder.Set(&borrowed, 0);
        EXPECT_EQ(CCountedObject::Alive(), 1);
        EXPECT_EQ(holder.Get()->GetValue(), 2);
    }
    EXPECT_EQ(CCountedObject::Alive(), 1);
}

TEST_F(TOwnershipTest, SetKeepsBorrowedOldObjectAlive)
{
    CCountedItem borrowed(2);
    TOwnership<IItem> holder(&borrowed, 0);
    holder.Set(new CCountedItem(3), 1);
    EXPECT_EQ(CCountedObject::Alive(), 2);
    holder.Set(nullptr, 1);
    EXPECT_EQ(CCountedObject::Alive(), 1);
    EXPECT_EQ(holder.Get(), nullptr);
}

TEST_F(TOwnershipTest, SetWithTheHeldObjectKeepsItAndTakesTheNewFlag)
{
    CCountedItem* item = new CCountedItem(4);
    TOwnership<IItem> holder(item, 1);
    holder.Set(item, 1);
    EXPECT_EQ(CCountedObject::Alive(), 1);
    EXPECT_EQ(holder.Get()->GetValue(), 4);
    holder.Set(item, 0);
    EXPECT_EQ(holder.GetOwned(), 0);
    holder.Set(nullptr, 0);
    EXPECT_EQ(CCountedObject::Alive(), 1);
    delete item;
}

TEST_F(TOwnershipTest, ClearingTheFlagHandsTheObjectOver)
{
    CCountedItem* item = new CCountedItem(1);
    {
        TOwnership<IItem> holder(item, 1);
        holder.SetOwned(0);
    }
    EXPECT_EQ(CCountedObject::Alive(), 1);
    delete item;
}

TEST_F(TOwnershipTest, DeletingThroughIDestroyDeletesOwnedObject)
{
    IDestroy* holder = new TOwnership<IItem>(new CCountedItem(1), 1);
    delete holder;
    EXPECT_EQ(CCountedObject::Alive(), 0);
}

TEST_F(TOwnershipTest, VoidAccessorsGiveTheHeldAddress)
{
    CCountedItem item;
    TOwnership<CCountedItem> holder(&item, 0);
    IVoid& untyped = holder;
    const IVoid& constUntyped = holder;
    EXPECT_EQ(untyped.GetVoidPointer(), static_cast<void*>(&item));
    EXPECT_EQ(constUntyped.GetVoidPointer(), static_cast<const void*>(&item));
}

TEST_F(TOwnershipTest, CopyWithCloneOwnsACloneWhateverTheSourceFlag)
{
    CCountedItem borrowed(7);
    TOwnershipWithClone<const IItem> source(&borrowed, 0);
    {
        TOwnershipWithClone<const IItem> copy(source);
        ASSERT_NE(copy.Get(), nullptr);
        EXPECT_NE(copy.Get(), source.Get());
        EXPECT_EQ(copy.Get()->GetValue(), 7);
        EXPECT_EQ(copy.GetOwned(), 1);
        EXPECT_EQ(CCountedObject::Alive(), 2);
    }
    EXPECT_EQ(CCountedObject::Alive(), 1);
}

TEST_F(TOwnershipTest, CopyWithCloneOfEmptyHolderIsEmptyAndOwned)
{
    TOwnershipWithClone<const IItem> source;
    TOwnershipWithClone<const IItem> copy(source);
    EXPECT_EQ(copy.Get(), nullptr);
    EXPECT_EQ(copy.GetOwned(), 1);
}

TEST_F(TOwnershipTest, AssignmentWithCloneReplacesOwnedObjectWithAClone)
{
    TOwnershipWithClone<IItem> target(new CCountedItem(1), 1);
    TOwnershipWithClone<IItem> source(new CCountedItem(2), 1);
    target = source;
    EXPECT_EQ(CCountedObject::Alive(), 2);
    EXPECT_EQ(target.Get()->GetValue(), 2);
    target.Get()->SetValue(3);
    EXPECT_EQ(source.Get()->GetValue(), 2);

    TOwnershipWithClone<IItem>& self = target;
    target = self;
    EXPECT_EQ(CCountedObject::Alive(), 2);
    EXPECT_EQ(target.Get()->GetValue(), 3);
}

} // namespace
