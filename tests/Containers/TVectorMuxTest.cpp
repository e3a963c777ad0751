#include "Veltis/Containers/TConstValueVectorMux.h"
#include "Veltis/Containers/TConstVectorMux.h"
#include "Veltis/Containers/TVectorMux.h"
#include "Veltis/CoreUtilities/TDynamicCollection.h"

#include "support/CountedItem.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Veltis::Containers;
using Veltis::CoreUtilities::TDynamicCollection;
using VeltisTest::CCountedItem;
using VeltisTest::IItem;

namespace {

typedef TDynamicCollection<CCountedItem, IItem> CItems;

// A part whose element i has the value base + i.
void Fill(CItems& part, int count, int base)
{
    part.GetStorage().SetSize(count, true);
    for (int i = 0; i < count; ++i)
        part.GetAt(i).SetValue(base + i);
}

std::vector<int> Values(const IConstVector<IItem>& vector)
{
    std::vector<int> values;
    for (int i = 0; i < vector.GetCount(); ++i)
        values.push_back(vector.GetAt(i).GetValue());
    return values;
}

TEST(TVectorMux, ShowsFirstPartThenSecondPart)
{
    struct Case {
        int firstCount;
        int secondCount;
        std::vector<int> expected;
    };
    const Case kCases[] = {
        {2, 3, {100, 101, 200, 201, 202}},
        {3, 2, {100, 101, 102, 200, 201}},
        {0, 3, {200, 201, 202}},
        {2, 0, {100, 101}},
        {0, 0, {}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.firstCount << " + " << c.secondCount);
        CItems first, second;
        Fill(first, c.firstCount, 100);
        Fill(second, c.secondCount, 200);
        const TConstVectorMux<IItem> constMux(first, second);
        TVectorMux<IItem> mux(first, second);
        EXPECT_EQ(constMux.GetCount(), c.firstCount + c.secondCount);
        EXPECT_EQ(Values(constMux), c.expected);
        EXPECT_EQ(Values(mux), c.expected);
    }
}

TEST(TVectorMux, SwapShowsThePartsInTheOtherOrder)
{
    CItems a, b;
    Fill(a, 2, 100);
    Fill(b, 3, 200);
    TVectorMux<IItem> mux(a, b);
    mux.Swap();
    EXPECT_EQ(mux.GetAt(0).GetValue(), 200);
    EXPECT_EQ(mux.GetAt(3).GetValue(), 100);
    // The writable pair was swapped too.
    mux.GetAt(4).SetValue(7);
    EXPECT_EQ(a.GetAt(1).GetValue(), 7);
    mux.GetAt(0).SetValue(8);
    EXPECT_EQ(b.GetAt(0).GetValue(), 8);

    TConstVectorMux<IItem> constMux(a, b);
    constMux.Swap();
    EXPECT_EQ(Values(constMux), Values(mux));
}

TEST(TVectorMux, ShowsElementsAddedToAPartAfterConstruction)
{
    CItems a, b;
    Fill(a, 1, 100);
    Fill(b, 1, 200);
    TVectorMux<IItem> mux(a, b);
    Fill(a, 3, 100);
    EXPECT_EQ(Values(mux), (std::vector<int>{100, 101, 102, 200}));
    Fill(b, 0, 0);
    EXPECT_EQ(Values(mux), (std::vector<int>{100, 101, 102}));
}

TEST(TVectorMux, WritesReachTheRightPart)
{
    CItems a, b;
    Fill(a, 2, 0);
    Fill(b, 2, 0);
    TVectorMux<IItem> mux(a, b);
    IVector<IItem>& vector = mux;
    for (int i = 0; i < vector.GetCount(); ++i)
        vector.GetAt(i).SetValue(i + 1);
    EXPECT_EQ(Values(a), (std::vector<int>{1, 2}));
    EXPECT_EQ(Values(b), (std::vector<int>{3, 4}));
}

// A value vector of fixed texts.
class CTexts : public IConstValueVector<const char*> {
public:
    explicit CTexts(std::vector<const char*> texts) : m_Texts(texts) {}
    int GetCount() const override { return static_cast<int>(m_Texts.size()); }
    const char* GetValue(int index) const override { return m_Texts[index]; }
    std::vector<const char*> m_Texts;
};

TEST(TConstValueVectorMux, ShowsFirstPartThenSecondPartLive)
{
    CTexts left({"L1", "L2"});
    CTexts right({"R1"});
    const TConstValueVectorMux<const char*> mux(left, right);
    ASSERT_EQ(mux.GetCount(), 3);
    EXPECT_STREQ(mux.GetValue(0), "L1");
    EXPECT_STREQ(mux.GetValue(1), "L2");
    EXPECT_STREQ(mux.GetValue(2), "R1");
    left.m_Texts.pop_back();
    ASSERT_EQ(mux.GetCount(), 2);
    EXPECT_STREQ(mux.GetValue(1), "R1");
}

} // namespace
