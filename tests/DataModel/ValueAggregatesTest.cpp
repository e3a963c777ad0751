#include <gtest/gtest.h>

#include <cmath>
#include <list>
#include <vector>

#include "Veltis/Containers/TStdConstIterator.h"
#include "Veltis/Core/CEventProvider.h"
#include "Veltis/DataModel/Objects/ValueAggregates.h"

using namespace Veltis::DataModel::Objects;

namespace {

// A value that counts how often it is read, so tests see where a walk stopped.
class CReadCountingValue : public Veltis::Core::TIConstValue<float> {
public:
    explicit CReadCountingValue(float value) : m_Value(value) {}
    float GetValue() const override
    {
        ++m_Reads;
        return m_Value;
    }
    Veltis::Core::IEventProvider& GetValueChangedEvent() override { return m_Changed; }
    int GetReads() const { return m_Reads; }

private:
    float m_Value;
    mutable int m_Reads = 0;
    Veltis::Core::CEventProvider m_Changed;
};

struct CValues {
    explicit CValues(std::initializer_list<float> values)
    {
        for (float v : values)
            m_List.emplace_back(v);
    }
    float Apply(const char* keyword)
    {
        Veltis::Containers::TStdConstIterator<Veltis::Core::TIConstValue<float>, std::list<CReadCountingValue>> it(m_List);
        return GetMuxFunction(keyword)(it);
    }
    std::vector<int> Reads() const
    {
        std::vector<int> reads;
        for (const CReadCountingValue& v : m_List)
            reads.push_back(v.GetReads());
        return reads;
    }
    std::list<CReadCountingValue> m_List;
};

TEST(ValueAggregates, EveryKeywordOverTheCollectionsOfInterest)
{
    struct Case {
        std::initializer_list<float> values;
        const char* keyword;
        float expected;
    };
    const Case kCases[] = {
        {{}, "max", 0.0f},   {{}, "min", 0.0f},    {{}, "mean", 0.0f},   {{}, "-max", -0.0f}, {{}, "-min", -0.0f},
        {{}, "-mean", -0.0f}, {{}, "<", 1.0f},     {{}, "=", 1.0f},      {{1, 3, 2}, "max", 3.0f},
        {{1, 3, 2}, "min", 1.0f}, {{1, 3, 2}, "mean", 2.0f}, {{1, 3, 2}, "-max", -3.0f}, {{1, 3, 2}, "-min", -1.0f},
        {{1, 3, 2}, "-mean", -2.0f}, {{1, 3, 2}, "<", 0.0f}, {{1, 3, 2}, "<=", 0.0f}, {{1, 3, 2}, ">", 0.0f},
        {{3, 2, 1}, ">", 1.0f}, {{3, 3, 1}, ">=", 1.0f}, {{3, 3, 1}, ">", 0.0f}, {{1, 1, 2}, "<", 0.0f},
        {{1, 1, 2}, "<=", 1.0f}, {{1, 1, 2}, "=", 0.0f}, {{4, 4}, "=", 1.0f}, {{5}, "<", 1.0f}, {{5}, "<=", 1.0f},
        {{5}, ">", 1.0f}, {{5}, ">=", 1.0f}, {{5}, "=", 1.0f}, {{1, 2}, "unknown", 1.5f}, {{1, 2}, nullptr, 1.5f},
    };
    for (const Case& c : kCases) {
        CValues values(c.values);
        SCOPED_TRACE(std::string(c.keyword ? c.keyword : "(null)") + " over " + std::to_string(c.values.size()));
        const float result = values.Apply(c.keyword);
        EXPECT_EQ(result, c.expected);
        EXPECT_EQ(std::signbit(result), std::signbit(c.expected));
    }
}

TEST(ValueAggregates, ExtremesReadTheFirstValueTwiceAndTestsStopAtTheFirstFailingPair)
{
    CValues extremes({4.0f, 1.0f});
    extremes.Apply("max");
    EXPECT_EQ(extremes.Reads(), std::vector<int>({2, 1}));

    CValues increasing({2.0f, 1.0f, 5.0f, 6.0f});
    EXPECT_EQ(increasing.Apply("<"), 0.0f);
    EXPECT_EQ(increasing.Reads(), std::vector<int>({1, 1, 0, 0}));
}

TEST(ValueAggregates, TheMeanIsAddedInFloat)
{
    CValues values({16777216.0f, 1.0f, 1.0f});
    EXPECT_EQ(values.Apply("mean"), 16777216.0f / 3.0f);
}

} // namespace
