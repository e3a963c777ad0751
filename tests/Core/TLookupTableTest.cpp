#include "Veltis/Core/TLookupTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Veltis::Core;

namespace {

typedef TLookupTable<float, TLinearInterpolator<float, float>> CTable;

float Square(float x)
{
    return x * x;
}

float Linear(float x)
{
    return 3.0f * x + 1.0f;
}

// Fills a table with 1, 2, 3, ... whatever the sample point, so that a read outside the table gives a
// value no entry holds, with or without AddressSanitizer.
float g_NextEntry = 0.0f;
float NextEntry(float)
{
    return g_NextEntry += 1.0f;
}

TEST(TLookupTable, DecibelTableReadsAndClamps)
{
    const float kNaN = std::numeric_limits<float>::quiet_NaN();
    const float kInf = std::numeric_limits<float>::infinity();
    struct Case {
        float x;
        float expected;
        float tolerance;
    };
    const Case kCases[] = {
        {1.0f, 0.0f, 1e-5f},       {0.001f, -60.0f, 1e-4f},  {0.1f, -20.0f, 2e-3f},   {0.5f, -6.0206f, 1e-3f},
        {2.0f, 0.0f, 1e-5f},       {0.0f, -60.0f, 1e-4f},    {0.0001f, -60.0f, 1e-4f}, {-5.0f, -60.0f, 1e-4f},
        {kNaN, -60.0f, 1e-4f},     {kInf, 0.0f, 1e-5f},      {-kInf, -60.0f, 1e-4f},
        {std::numeric_limits<float>::max(), 0.0f, 1e-5f},   {-std::numeric_limits<float>::max(), -60.0f, 1e-4f},
    };
    const CTable& table = GetDecibelTable();
    EXPECT_EQ(table.GetCount(), 2048);
    EXPECT_EQ(&table, &GetDecibelTable());
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.x);
        EXPECT_NEAR(table.GetValue(c.x), c.expected, c.tolerance);
    }
}

TEST(TLookupTable, DecibelTableIsMonotonicAcrossTheRange)
{
    const CTable& table = GetDecibelTable();
    float previous = table.GetValue(0.001f);
    for (int i = 1; i <= 4000; ++i) {
        const float x = 0.001f + 0.999f * static_cast<float>(i) / 4000.0f;
        const float value = table.GetValue(x);
        ASSERT_GE(value, previous) << x;
        // Linear interpolation of a logarithm errs most at the bottom, where the curve bends most.
        ASSERT_NEAR(value, 20.0 * std::log10(x), x < 0.01f ? 0.2 : 0.005) << x;
        previous = value;
    }
}

TEST(TLookupTable, ValueBetweenTwoSamplesIsTheirMean)
{
    // Samples of x^2 at 0, 1, 2, 3, 4.
    const CTable table(5, &Square, 0.0f, 4.0f);
    struct Case {
        float x;
        float expected;
    };
    const Case kCases[] = {{0.0f, 0.0f}, {0.5f, 0.5f}, {1.0f, 1.0f}, {2.5f, 6.5f}, {3.5f, 12.5f}, {4.0f, 16.0f}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.x);
        EXPECT_FLOAT_EQ(table.GetValue(c.x), c.expected);
    }
}

TEST(TLookupTable, LinearFunctionIsReproducedExactlyInsideAndClampedOutside)
{
    const CTable table(11, &Linear, -1.0f, 1.0f);
    for (int i = 0; i <= 40; ++i) {
        const float x = -1.0f + 0.05f * static_cast<float>(i);
        SCOPED_TRACE(x);
        EXPECT_NEAR(table.GetValue(x), Linear(x), 1e-5f);
    }
    EXPECT_FLOAT_EQ(table.GetValue(-7.0f), Linear(-1.0f));
    EXPECT_FLOAT_EQ(table.GetValue(7.0f), Linear(1.0f));
}

TEST(TLookupTable, TableWithoutFunctionReadsZeroEverywhere)
{
    const CTable table(16, nullptr, 0.0f, 1.0f);
    const float kInputs[] = {-1.0f, 0.0f, 0.3f, 1.0f, 2.0f, std::numeric_limits<float>::quiet_NaN()};
    for (float x : kInputs) {
        SCOPED_TRACE(x);
        EXPECT_EQ(table.GetValue(x), 0.0f);
    }
}

TEST(TLookupTable, EmptyRangeReadsTheFirstEntry)
{
    const CTable table(8, &Linear, 2.0f, 2.0f);
    const float kInputs[] = {-1.0f, 2.0f, 5.0f, std::numeric_limits<float>::quiet_NaN()};
    for (float x : kInputs) {
        SCOPED_TRACE(x);
        EXPECT_EQ(table.GetValue(x), Linear(2.0f));
    }
}

// Ranges whose scale is not finite must still read inside the table.
TEST(TLookupTable, DegenerateRangesNeverReadOutsideTheTable)
{
    const float kNaN = std::numeric_limits<float>::quiet_NaN();
    const float kMax = std::numeric_limits<float>::max();
    struct Case {
        float minimum;
        float maximum;
    };
    // The last two are so narrow that the scale overflows to infinity.
    const Case kCases[] = {{kNaN, 1.0f}, {0.0f, kNaN},    {-kMax, kMax},
                           {0.0f, 1e-38f}, {1.0f, 0.0f}, {0.0f, 1e-39f}, {-1e-39f, 0.0f}};
    const float kInputs[] = {-kMax, -1.0f, 0.0f, 0.5f, 1.0f, kMax, kNaN};
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.minimum << " .. " << c.maximum);
        const CTable table(4, nullptr, c.minimum, c.maximum);
        g_NextEntry = 0.0f;
        const CTable numbered(4, &NextEntry, c.minimum, c.maximum);
        for (float x : kInputs) {
            const float value = table.GetValue(x);
            EXPECT_TRUE(value == 0.0f || std::isnan(value)) << x;
            // Four samples and the guard entry: 1 to 5.
            const float numberedValue = numbered.GetValue(x);
            EXPECT_TRUE((numberedValue >= 1.0f && numberedValue <= 5.0f) || std::isnan(numberedValue))
                << x << " reads " << numberedValue;
        }
    }
}

TEST(TLookupTable, TinyCountsStayInsideTheTable)
{
    const int kCounts[] = {1, 0, -3};
    for (int count : kCounts) {
        SCOPED_TRACE(count);
        const CTable table(count, &Linear, 0.0f, 1.0f);
        EXPECT_EQ(table.GetCount(), count);
        EXPECT_TRUE(std::isfinite(table.GetValue(0.5f)));
        EXPECT_TRUE(std::isfinite(table.GetValue(2.0f)));
    }
}

TEST(TLookupTable, SetCountKeepsEntriesAndOnlyChangesTheScale)
{
    // Samples 1, 4, 7, 10, 13 over [0, 4]; shrinking to 3 points spreads the first three over [0, 4].
    CTable table(5, &Linear, 0.0f, 4.0f);
    Veltis::Containers::ICount& count = table;
    count.SetCount(3);
    EXPECT_EQ(table.GetCount(), 3);
    EXPECT_FLOAT_EQ(table.GetValue(0.0f), 1.0f);
    EXPECT_FLOAT_EQ(table.GetValue(2.0f), 4.0f);
    EXPECT_FLOAT_EQ(table.GetValue(3.0f), 5.5f);
    EXPECT_FLOAT_EQ(table.GetValue(4.0f), 7.0f);
}

} // namespace
