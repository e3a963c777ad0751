#include "Veltis/Containers/TPointersValueVector.h"

#include "support/CountedItem.h"

#include <gtest/gtest.h>

using Veltis::Containers::IConstValueVector;
using Veltis::Containers::TPointersValueVector;
using VeltisTest::CCountedItem;
using VeltisTest::CCountedObject;
using VeltisTest::IItem;

namespace {

typedef VeltisTest::CCountingFixture TPointersValueVectorTest;

TEST_F(TPointersValueVectorTest, EntriesWrittenByTheOwnerAreNeverDeleted)
{
    CCountedItem gain(1), phase(2);
    {
        TPointersValueVector<const IItem> curves(2);
        curves.GetStorage()[0] = &gain;
        curves.GetStorage()[1] = &phase;
        const IConstValueVector<const IItem&>& view = curves;
        ASSERT_EQ(view.GetCount(), 2);
        EXPECT_EQ(&view.GetValue(0), &gain);
        EXPECT_EQ(view.GetValue(1).GetValue(), 2);
    }
    EXPECT_EQ(CCountedObject::Alive(), 2);
}

TEST_F(TPointersValueVectorTest, SetValueStoresAClone)
{
    CCountedItem source(5);
    TPointersValueVector<IItem> vector(1);
    vector.SetValue(0, source);
    EXPECT_NE(&vector.GetValue(0), &source);
    source.SetValue(6);
    EXPECT_EQ(vector.GetValue(0).GetValue(), 5);
    EXPECT_EQ(CCountedObject::Alive(), 2);
}

// The clones are the vector's: none outlives it, and a replaced one goes at once, while the owner's own
// objects in other entries stay.
TEST_F(TPointersValueVectorTest, ClonesAreReleasedWhenReplacedAndWithTheVector)
{
    CCountedItem member(1), other(2);
    {
        TPointersValueVector<const IItem> vector(2);
        vector.GetStorage()[0] = &member;
        vector.SetValue(1, other);
        vector.SetValue(1, other);
        EXPECT_EQ(CCountedObject::Alive(), 3);
        // Replacing the owner's entry with a clone leaves the owner's object alone.
        vector.SetValue(0, member);
        EXPECT_EQ(CCountedObject::Alive(), 4);
        // A clone set from itself.
        vector.SetValue(1, vector.GetValue(1));
        EXPECT_EQ(CCountedObject::Alive(), 4);
        EXPECT_EQ(vector.GetValue(1).GetValue(), 2);
        // The owner overwrites a clone's entry directly: the clone is still released with the vector.
        vector.GetStorage()[0] = &member;
    }
    EXPECT_EQ(CCountedObject::Alive(), 2);
}

TEST_F(TPointersValueVectorTest, CloneStillReferencedByAnotherEntryIsKept)
{
    CCountedItem source(3);
    TPointersValueVector<IItem> vector(2);
    vector.SetValue(0, source);
    vector.GetStorage()[1] = vector.GetStorage()[0];
    vector.SetValue(0, source);
    EXPECT_EQ(vector.GetValue(1).GetValue(), 3);
    EXPECT_EQ(CCountedObject::Alive(), 3);
}

} // namespace
