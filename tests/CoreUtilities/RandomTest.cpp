#include "Veltis/CoreUtilities/Random.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace Veltis::CoreUtilities;

namespace {

TEST(GetRandomValue, StaysInTheHalfOpenRangeAndSpreadsOverIt)
{
    InitRandom();
    float lowest = 4.0f;
    float highest = 2.0f;
    for (int i = 0; i < 100000; ++i) {
        const float value = GetRandomValue(2.0f, 4.0f);
        ASSERT_GE(value, 2.0f);
        ASSERT_LT(value, 4.0f);
        lowest = value < lowest ? value : lowest;
        highest = value > highest ? value : highest;
    }
    EXPECT_LT(lowest, 2.1f);
    EXPECT_GT(highest, 3.9f);
}

TEST(GetRandomValue, FollowsTheCGeneratorScaledByTwoToTheMinus31)
{
    std::srand(1234);
    const int first = std::rand();
    std::srand(1234);
    EXPECT_FLOAT_EQ(GetRandomValue(-1.0f, 1.0f), -1.0f + static_cast<float>(first) * (2.0f / 2147483648.0f));
    EXPECT_EQ(GetRandomValue(5.0f, 5.0f), 5.0f);
}

} // namespace
