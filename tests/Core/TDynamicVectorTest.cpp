#include "Veltis/Core/TDynamicVector.h"

#include "support/CountedObject.h"

#include <gtest/gtest.h>

using namespace Veltis::Core;
using VeltisTest::CCountedObject;

namespace {

typedef TDynamicVector<char, CExpGrowthStrategy, TMemoryCopier<char>> ExpVector;
typedef TDynamicVector<int> StepVector;

// Brings an exponential vector to a known capacity through growth from empty.
void GrowTo(ExpVector& v, int capacity)
{
    while (v.GetCapacity() < capacity)
        v.SetSize(v.GetCapacity() + 1, false);
    ASSERT_EQ(v.GetCapacity(), capacity);
}

struct GrowthCase {
    int startCapacity;
    int newCount;
    bool freeMemory;
    int expectedCapacity;
};

TEST(TDynamicVector, ExponentialCapacityTable)
{
    const GrowthCase kCases[] = {
        {0, 1, true, 4},    {4, 5, true, 8},    {8, 9, true, 12},  {12, 13, true, 20},
        {8, 50, true, 52},  {12, 8, true, 12},  {12, 7, true, 8},  {12, 7, false, 12},
        {4, 1, true, 4},    {4, 0, true, 0},    {8, 0, false, 8},  {12, 12, true, 12},
    };
    for (const GrowthCase& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.startCapacity << " -> " << c.newCount << " free " << c.freeMemory);
        ExpVector v;
        GrowTo(v, c.startCapacity);
        v.SetSize(c.newCount, c.freeMemory);
        EXPECT_EQ(v.GetCount(), c.newCount);
        EXPECT_EQ(v.GetCapacity(), c.expectedCapacity);
        EXPECT_EQ(v.GetData() == nullptr, c.expectedCapacity == 0);
    }
}

TEST(TDynamicVector, ExponentialOddCapacityGrowsToMultipleOfFourWithoutFreeMemory)
{
    ExpVector v(3);
    v.SetSize(1, false);
    EXPECT_EQ(v.GetCapacity(), 4);
    EXPECT_EQ(v.GetCount(), 1);
}

TEST(TDynamicVector, StepCapacityTable)
{
    const GrowthCase kCases[] = {
        {3, 4, true, 4}, {3, 10, true, 10}, {5, 4, true, 5}, {5, 3, true, 3}, {5, 3, false, 5},
        {1, 0, true, 1}, {2, 0, true, 0},   {7, 0, false, 7}, {0, 1, true, 1}, {0, 0, true, 0},
    };
    for (const GrowthCase& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.startCapacity << " -> " << c.newCount << " free " << c.freeMemory);
        StepVector v(c.startCapacity);
        v.SetSize(c.newCount, c.freeMemory);
        EXPECT_EQ(v.GetCount(), c.newCount);
        EXPECT_EQ(v.GetCapacity(), c.expectedCapacity);
    }
}

TEST(TDynamicVector, StepOneGrowthReallocatesOnEveryGrowth)
{
    StepVector v;
    for (int i = 1; i <= 5; ++i) {
        v.SetSize(i, false);
        EXPECT_EQ(v.GetCapacity(), i);
    }
}

TEST(TDynamicVector, FreshElementsAreValueInitialised)
{
    StepVector v(4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(v[i], 0);
    v[0] = 9;
    v.SetSize(8, false);
    EXPECT_EQ(v[0], 9);
    for (int i = 4; i < 8; ++i)
        EXPECT_EQ(v[i], 0);
}

TEST(TDynamicVector, ShrinkWithinCapacityKeepsElementsAliveAndTouchesNothing)
{
    CCountedObject::ResetCounters();
    {
        TDynamicVector<CCountedObject> v(5);
        for (int i = 0; i < 5; ++i)
            v[i].m_Value = i + 10;
        const CCountedObject* data = v.GetData();
        const int constructed = CCountedObject::s_Constructed;
        const int assigned = CCountedObject::s_Assigned;

        v.SetSize(1, false);
        v.SetSize(5, false);
        v.SetSize(4, true); // within step hysteresis

        EXPECT_EQ(v.GetData(), data);
        EXPECT_EQ(CCountedObject::s_Constructed, constructed);
        EXPECT_EQ(CCountedObject::s_Destroyed, 0);
        EXPECT_EQ(CCountedObject::s_Assigned, assigned);
        v.SetSize(5, false);
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(v[i].m_Value, i + 10);
    }
    EXPECT_EQ(CCountedObject::Alive(), 0);
}

TEST(TDynamicVector, CopyingReallocationKeepsLeadingElements)
{
    CCountedObject::ResetCounters();
    {
        TDynamicVector<CCountedObject> v(3);
        for (int i = 0; i < 3; ++i)
            v[i].m_Value = i + 1;
        v.SetSize(6, false);
        EXPECT_EQ(v.GetCapacity(), 6);
        EXPECT_EQ(CCountedObject::s_Assigned, 3);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(v[i].m_Value, i + 1);
        for (int i = 3; i < 6; ++i)
            EXPECT_EQ(v[i].m_Value, 0);

        // Shrinking with release keeps min(old count, new capacity) elements.
        v.SetSize(2, true);
        EXPECT_EQ(v.GetCapacity(), 2);
        EXPECT_EQ(v[0].m_Value, 1);
        EXPECT_EQ(v[1].m_Value, 2);
    }
    EXPECT_EQ(CCountedObject::Alive(), 0);
}

TEST(TDynamicVector, NonCopyingReallocationLeavesFreshElements)
{
    TNCDynamicVector<int> v(2);
    v[0] = 5;
    v[1] = 6;
    v.SetSize(4, false);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(v[i], 0);
}

TEST(TDynamicVector, MemoryCopierMovesKeptBytes)
{
    TDynamicVector<float, CStepGrowthStrategy, TMemoryCopier<float>> v(2);
    v[0] = 1.5f;
    v[1] = -2.0f;
    v.SetSize(10, false);
    EXPECT_EQ(v[0], 1.5f);
    EXPECT_EQ(v[1], -2.0f);
    EXPECT_EQ(v[9], 0.0f);
}

TEST(TDynamicVector, DestructionDestroysCapacityElements)
{
    CCountedObject::ResetCounters();
    {
        TDynamicVector<CCountedObject> v(6);
        v.SetSize(2, false);
        EXPECT_EQ(CCountedObject::s_Constructed, 6);
    }
    EXPECT_EQ(CCountedObject::s_Destroyed, 6);
}

TEST(TDynamicVector, CopyIsSizedToSourceCount)
{
    StepVector source(8);
    source.SetSize(3, false);
    source[0] = 1;
    source[1] = 2;
    source[2] = 3;
    StepVector copy(source);
    EXPECT_EQ(copy.GetCount(), 3);
    EXPECT_EQ(copy.GetCapacity(), 3);
    EXPECT_EQ(copy[2], 3);

    StepVector assigned;
    assigned = source;
    EXPECT_EQ(assigned.GetCount(), 3);
    EXPECT_EQ(assigned[1], 2);
    assigned = assigned;
    EXPECT_EQ(assigned[1], 2);
}

} // namespace
