#include "Veltis/Containers/CFirstAdapt.h"
#include "Veltis/Containers/CSecondAdapt.h"
#include "Veltis/Containers/TOwnershipToRefConverter.h"
#include "Veltis/Containers/TStd2WaysIterator.h"
#include "Veltis/Containers/TStdConstIterator.h"
#include "Veltis/Containers/TStdConstValueIterator.h"
#include "Veltis/Containers/TStdIterator.h"
#include "Veltis/Containers/TStdPairFirstValueAccess.h"
#include "Veltis/Core/CCharString.h"
#include "Veltis/CoreUtilities/CCharEquals.h"
#include "Veltis/CoreUtilities/CCharStringEquals.h"
#include "Veltis/CoreUtilities/CCharStringHash.h"

#include "support/CountedItem.h"

#include <gtest/gtest.h>

#include <cstring>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

using namespace Veltis::Containers;
using Veltis::Core::CCharString;
using Veltis::Core::TOwnership;
using VeltisTest::CCountedItem;
using VeltisTest::CCountedObject;
using VeltisTest::IItem;

namespace {

typedef std::list<int> CList;

// Walks forward from First and records what it sees.
std::vector<int> WalkForward(IConstIterator<int>& iterator)
{
    std::vector<int> seen;
    for (iterator.First(); !iterator.IsEnd(); iterator.Next())
        seen.push_back(iterator.GetCurrent());
    return seen;
}

TEST(TStdIterator, NewIteratorStandsAtTheEnd)
{
    CList list = {1, 2};
    TStdConstIterator<int, CList> constIterator(list);
    TStdIterator<int, CList> iterator(list);
    TStd2WaysIterator<int, CList> twoWays(list);
    EXPECT_TRUE(constIterator.IsEnd());
    EXPECT_TRUE(iterator.IsEnd());
    EXPECT_TRUE(twoWays.IsEnd());
}

TEST(TStdIterator, EmptyContainerStaysAtTheEnd)
{
    CList list;
    TStd2WaysIterator<int, CList> iterator(list);
    struct Step {
        const char* name;
        void (TStd2WaysIterator<int, CList>::*move)();
    };
    const Step kSteps[] = {{"First", &TStd2WaysIterator<int, CList>::First},
                           {"Last", &TStd2WaysIterator<int, CList>::Last},
                           {"Next", &TStd2WaysIterator<int, CList>::Next},
                           {"Previous", &TStd2WaysIterator<int, CList>::Previous}};
    for (const Step& step : kSteps) {
        SCOPED_TRACE(step.name);
        (iterator.*step.move)();
        EXPECT_TRUE(iterator.IsEnd());
    }
}

TEST(TStdIterator, ForwardWalkEndsAndStaysAtTheEnd)
{
    CList list = {10, 20, 30};
    TStdConstIterator<int, CList> iterator(list);
    EXPECT_EQ(WalkForward(iterator), (std::vector<int>{10, 20, 30}));
    iterator.First();
    iterator.Next();
    iterator.Next();
    iterator.Next();
    EXPECT_TRUE(iterator.IsEnd());
    iterator.Next();
    EXPECT_TRUE(iterator.IsEnd());
    iterator.First();
    iterator.GoToEnd();
    EXPECT_TRUE(iterator.IsEnd());
}

TEST(TStdIterator, BackwardWalkFromLastEndsAtTheEnd)
{
    CList list = {10, 20, 30};
    TStd2WaysIterator<int, CList> iterator(list);
    I2WaysIterator<int>& twoWays = iterator;
    std::vector<int> seen;
    for (twoWays.Last(); !twoWays.IsEnd(); twoWays.Previous())
        seen.push_back(twoWays.GetCurrent());
    EXPECT_EQ(seen, (std::vector<int>{30, 20, 10}));
    twoWays.Last();
    twoWays.Previous();
    twoWays.Previous();
    twoWays.Previous();
    EXPECT_TRUE(twoWays.IsEnd());
}

TEST(TStdIterator, WritableIteratorChangesTheLiveContainer)
{
    CList list = {1, 2, 3};
    IIterator<int>* iterator = new TStdIterator<int, CList>(list);
    for (iterator->First(); !iterator->IsEnd(); iterator->Next())
        iterator->GetCurrent() *= 10;
    delete iterator;
    EXPECT_EQ(list, (CList{10, 20, 30}));
}

TEST(TStdIterator, OwnershipConverterGivesTheHeldObjects)
{
    CCountedObject::ResetCounters();
    typedef std::list<TOwnership<IItem>*> CChildren;
    CChildren children;
    CCountedItem borrowed(2);
    children.push_back(new TOwnership<IItem>(new CCountedItem(1), 1));
    children.push_back(new TOwnership<IItem>(&borrowed, 0));
    {
        TStd2WaysIterator<IItem, CChildren, TOwnershipToRefConverter<IItem>> iterator(children);
        iterator.Last();
        EXPECT_EQ(&iterator.GetCurrent(), static_cast<IItem*>(&borrowed));
        iterator.Previous();
        iterator.GetCurrent().SetValue(5);
        TStdConstIterator<IItem, CChildren, TOwnershipToRefConverter<IItem>> constIterator(children);
        constIterator.First();
        EXPECT_EQ(constIterator.GetCurrent().GetValue(), 5);
    }
    for (TOwnership<IItem>* child : children)
        delete child;
    EXPECT_EQ(CCountedObject::Alive(), 1);
}

// A name-to-text table laid out as the attribute set keeps it.
struct CCharHash {
    std::size_t operator()(const char* key) const { return std::hash<std::string>()(key); }
};
typedef std::unordered_map<const char*, CCharString, CCharHash, Veltis::CoreUtilities::CCharEquals> CAttributes;

TEST(TStdConstValueIterator, NamesAndValuesWalkedTogetherPairUp)
{
    const char* const kNames[] = {"alpha", "beta", "gamma", "delta", "epsilon", "empty"};
    CAttributes attributes;
    for (const char* name : kNames)
        attributes[name] = std::strcmp(name, "empty") == 0 ? "" : (std::string(name) + "-value").c_str();

    std::unique_ptr<IConstValueIterator<const char*>> names(
        new TStdConstValueIterator<const char*, CAttributes, CFirstAdapt>(attributes));
    std::unique_ptr<IConstValueIterator<const char*>> values(
        new TStdConstValueIterator<const char*, CAttributes, CSecondAdapt>(attributes));
    EXPECT_TRUE(names->IsEnd());
    int visited = 0;
    for (names->First(), values->First(); !names->IsEnd() && !values->IsEnd(); names->Next(), values->Next()) {
        const std::string name = names->GetCurrent();
        SCOPED_TRACE(name);
        EXPECT_STREQ(values->GetCurrent(), name == "empty" ? "" : (name + "-value").c_str());
        ++visited;
    }
    EXPECT_TRUE(names->IsEnd());
    EXPECT_TRUE(values->IsEnd());
    EXPECT_EQ(visited, 6);
    names->Next();
    EXPECT_TRUE(names->IsEnd());
}

TEST(TStdConstValueIterator, FirstOfPairGivesKeysOrTheirText)
{
    typedef std::unordered_map<CCharString, int, Veltis::CoreUtilities::CCharStringHash,
                               Veltis::CoreUtilities::CCharStringEquals>
        CByString;
    CByString byString;
    byString[CCharString("one")] = 1;
    TStdConstValueIterator<const char*, CByString, TStdPairFirstValueAccess<const char*>> stringKeys(byString);
    stringKeys.First();
    ASSERT_FALSE(stringKeys.IsEnd());
    EXPECT_STREQ(stringKeys.GetCurrent(), "one");

    typedef std::map<int, const char*> CByNumber;
    const CByNumber byNumber = {{3, "c"}, {1, "a"}, {2, "b"}};
    TStdConstValueIterator<int, CByNumber, TStdPairFirstValueAccess<int>> numberKeys(byNumber);
    std::vector<int> keys;
    for (numberKeys.First(); !numberKeys.IsEnd(); numberKeys.Next())
        keys.push_back(numberKeys.GetCurrent());
    EXPECT_EQ(keys, (std::vector<int>{1, 2, 3}));
}

} // namespace
