#include "Veltis/Core/SaturatingCast.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

using namespace Veltis::Core;

namespace {

struct Case {
    double value;
    int expected;
};

// The edges just inside and just outside the int range are where a plain cast turns undefined.
TEST(SaturatingCastTest, TruncateToIntSaturatesAtTheEdgesAndSendsNaNToTheLowerBound)
{
    const Case kCases[] = {{2.9, 2},
                           {-2.9, -2},
                           {2147483647.9, INT_MAX},
                           {2147483648.0, INT_MAX},
                           {-2147483648.9, INT_MIN},
                           {-2147483649.0, INT_MIN},
                           {HUGE_VAL, INT_MAX},
                           {-HUGE_VAL, INT_MIN},
                           {std::nan(""), INT_MIN}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(TruncateToInt(c.value), c.expected);
    }
}

TEST(SaturatingCastTest, TruncateToLengthNeverGoesBelowZeroAndSendsNaNToZero)
{
    const Case kCases[] = {{0.99, 0},
                           {1.0, 1},
                           {-5.0, 0},
                           {2147483646.5, 2147483646},
                           {2147483647.5, INT_MAX},
                           {1e300, INT_MAX},
                           {-HUGE_VAL, 0},
                           {std::nan(""), 0}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(TruncateToLength(c.value), c.expected);
    }
}

} // namespace
