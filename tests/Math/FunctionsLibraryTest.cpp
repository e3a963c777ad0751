#include "Veltis/Math/FunctionsLibrary.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace FL = Veltis::Math::FunctionsLibrary;

namespace {

const float kInf = std::numeric_limits<float>::infinity();
const float kNaN = std::numeric_limits<float>::quiet_NaN();

// Exact comparison that tells -0 from +0 and accepts any NaN for NaN.
::testing::AssertionResult SameFloat(float actual, float expected)
{
    if (std::isnan(expected) && std::isnan(actual))
        return ::testing::AssertionSuccess();
    uint32_t a = 0;
    uint32_t e = 0;
    std::memcpy(&a, &actual, sizeof a);
    std::memcpy(&e, &expected, sizeof e);
    if (a == e)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got " << actual << " (bits " << std::hex << a << "), expected "
                                         << expected << " (bits " << e << ")";
}

struct UnaryCase {
    const char* name;
    float (*function)(float);
    float x;
    float expected;
};

struct BinaryCase {
    const char* name;
    float (*function)(float, float);
    float x;
    float y;
    float expected;
};

struct RangeCase {
    const char* name;
    float (*function)(float, float, float);
    float value;
    float min;
    float max;
    float expected;
};

} // namespace

TEST(FunctionsLibrary, UnaryKernelsAtTheValuesThatMatter)
{
    const UnaryCase kCases[] = {
        // Rounding: half away from zero both ways; the 0.5 is added in double precision.
        {"Round 2.5", FL::Round, 2.5f, 3.0f},
        {"Round -2.5", FL::Round, -2.5f, -3.0f},
        {"Round 0.5", FL::Round, 0.5f, 1.0f},
        {"Round -0.5", FL::Round, -0.5f, -1.0f},
        {"Round 1.5", FL::Round, 1.5f, 2.0f},
        {"Round -1.5", FL::Round, -1.5f, -2.0f},
        {"Round 0", FL::Round, 0.0f, 0.0f},
        {"Round below half", FL::Round, 0.49999997f, 0.0f},
        {"Round above minus half", FL::Round, -0.49999997f, 0.0f},
        {"Round -2.4", FL::Round, -2.4f, -2.0f},
        // Out of the integer range: saturates instead of undefined behaviour.
        {"Round huge", FL::Round, 3.0e9f, 2147483648.0f},
        {"Round huge negative", FL::Round, -3.0e9f, -2147483648.0f},
        {"Round infinity", FL::Round, kInf, 2147483648.0f},
        {"Round NaN", FL::Round, kNaN, -2147483648.0f},
        // Signed zeros.
        {"Negate 0", FL::Negate, 0.0f, -0.0f},
        {"Negate -0", FL::Negate, -0.0f, 0.0f},
        {"Negate 2", FL::Negate, 2.0f, -2.0f},
        {"Abs -0", FL::Abs, -0.0f, 0.0f},
        {"Abs -3", FL::Abs, -3.0f, 3.0f},
        {"Not 0", FL::Not, 0.0f, 1.0f},
        {"Not -0", FL::Not, -0.0f, 1.0f},
        {"Not 0.001", FL::Not, 0.001f, 0.0f},
        {"Not -5", FL::Not, -5.0f, 0.0f},
        // Square root never gives NaN.
        {"SquareRoot -4", FL::SquareRoot, -4.0f, 0.0f},
        {"SquareRoot -0", FL::SquareRoot, -0.0f, 0.0f},
        {"SquareRoot 0", FL::SquareRoot, 0.0f, 0.0f},
        {"SquareRoot 4", FL::SquareRoot, 4.0f, 2.0f},
        {"SquareRoot -inf", FL::SquareRoot, -kInf, 0.0f},
        // Decibels.
        {"FromdB 0", FL::FromdB, 0.0f, 1.0f},
        {"FromdB 20", FL::FromdB, 20.0f, 10.0f},
        {"TodB 1", FL::TodB, 1.0f, 0.0f},
        {"TodB 10", FL::TodB, 10.0f, 20.0f},
        {"TodB 0", FL::TodB, 0.0f, -kInf},
        {"TodB -0", FL::TodB, -0.0f, -kInf},
        {"TodB -1", FL::TodB, -1.0f, kNaN},
        {"Log 0", FL::Log, 0.0f, -kInf},
        {"Log -1", FL::Log, -1.0f, kNaN},
        // Normalised logarithms: 0 and 1 are fixed points, -1/k is the pole.
        {"NormLog 0", FL::NormLog, 0.0f, 0.0f},
        {"NormLog 1", FL::NormLog, 1.0f, 1.0f},
        {"NormLog1 0", FL::NormLog1, 0.0f, 0.0f},
        {"NormLog1 1", FL::NormLog1, 1.0f, 1.0f},
        {"NormLog2 0", FL::NormLog2, 0.0f, 0.0f},
        {"NormLog2 1", FL::NormLog2, 1.0f, 1.0f},
        {"NormLog3 0", FL::NormLog3, 0.0f, 0.0f},
        {"NormLog3 1", FL::NormLog3, 1.0f, 1.0f},
        {"NormLog pole", FL::NormLog, -1.0f, -kInf},
        {"NormLog below pole", FL::NormLog, -2.0f, kNaN},
        {"NormExp 0", FL::NormExp, 0.0f, 0.0f},
        {"NormExp3 0", FL::NormExp3, 0.0f, 0.0f},
        // Plain forwarding.
        {"Identity", FL::Identity, -0.0f, -0.0f},
        {"Square -3", FL::Square, -3.0f, 9.0f},
        {"Square overflow", FL::Square, 1.0e20f, kInf},
        {"Floor -0.5", FL::Floor, -0.5f, -1.0f},
        {"Ceil -0.5", FL::Ceil, -0.5f, -0.0f},
        {"Exp overflow", FL::Exp, 100.0f, kInf},
    };
    for (const UnaryCase& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(SameFloat(c.function(c.x), c.expected));
    }
}

TEST(FunctionsLibrary, NormLog3PoleIsAtMinusOneThousandth)
{
    // The float nearest to -0.001 times 1000 rounds to exactly -1.
    EXPECT_TRUE(SameFloat(FL::NormLog3(-0.001f), -kInf));
    EXPECT_TRUE(std::isnan(FL::NormLog3(-0.002f)));
}

TEST(FunctionsLibrary, FromdBOfMinusTwentyIsOneTenth)
{
    EXPECT_FLOAT_EQ(FL::FromdB(-20.0f), 0.1f);
    EXPECT_FLOAT_EQ(FL::FromdB(-6.0f), 0.50118723f);
}

TEST(FunctionsLibrary, DecibelConversionsAreInversesOverTheAudibleRange)
{
    for (float dB = -120.0f; dB <= 24.0f; dB += 6.0f) {
        SCOPED_TRACE(dB);
        EXPECT_NEAR(FL::TodB(FL::FromdB(dB)), dB, 1e-4f);
    }
}

TEST(FunctionsLibrary, NormExpUndoesItsNormLogPartner)
{
    struct Pair {
        const char* name;
        float (*log)(float);
        float (*exp)(float);
    };
    const Pair kPairs[] = {
        {"k=1", FL::NormLog, FL::NormExp},
        {"k=10", FL::NormLog1, FL::NormExp1},
        {"k=100", FL::NormLog2, FL::NormExp2},
        {"k=1000", FL::NormLog3, FL::NormExp3},
    };
    const float kPoints[] = {0.0f, 0.25f, 0.5f, 0.75f, 1.0f};
    for (const Pair& p : kPairs) {
        for (float x : kPoints) {
            SCOPED_TRACE(testing::Message() << p.name << " at " << x);
            EXPECT_NEAR(p.exp(p.log(x)), x, 1e-6f);
            EXPECT_NEAR(p.log(p.exp(x)), x, 1e-6f);
        }
    }
}

// Each input below is one where the documented form and the obvious alternative differ in the last
// bit; the precondition keeps the test meaningful on another math library.
TEST(FunctionsLibrary, NormExpScalesByMultiplyingNotDividing)
{
    const float x = 0.03f;
    const float e = expf(logf(101.0f) * x) - 1.0f;
    ASSERT_NE(e * 0.01f, e / 100.0f);
    EXPECT_TRUE(SameFloat(FL::NormExp2(x), e * 0.01f));
}

TEST(FunctionsLibrary, TodBComputesInDoublePrecision)
{
    const float x = 2.0f;
    const float inDouble = static_cast<float>(20.0 * std::log10(2.0));
    ASSERT_NE(inDouble, 20.0f * log10f(x));
    EXPECT_TRUE(SameFloat(FL::TodB(x), inDouble));
}

TEST(FunctionsLibrary, FromdBTakesTheProductInSinglePrecision)
{
    const float x = 0.409999877f;
    const float inSingle = powf(10.0f, x * 0.05f);
    ASSERT_NE(inSingle, powf(10.0f, static_cast<float>(static_cast<double>(x) * 0.05)));
    ASSERT_NE(inSingle, powf(10.0f, x / 20.0f));
    EXPECT_TRUE(SameFloat(FL::FromdB(x), inSingle));
}

TEST(FunctionsLibrary, BinaryKernelsAtTheValuesThatMatter)
{
    const BinaryCase kCases[] = {
        // Ties keep the first argument, so zeros keep their sign.
        {"Min +0 -0", FL::Min, 0.0f, -0.0f, 0.0f},
        {"Min -0 +0", FL::Min, -0.0f, 0.0f, -0.0f},
        {"Max +0 -0", FL::Max, 0.0f, -0.0f, 0.0f},
        {"Max -0 +0", FL::Max, -0.0f, 0.0f, -0.0f},
        {"Min 1 2", FL::Min, 1.0f, 2.0f, 1.0f},
        {"Min 2 1", FL::Min, 2.0f, 1.0f, 1.0f},
        {"Max 1 2", FL::Max, 1.0f, 2.0f, 2.0f},
        {"Max 2 1", FL::Max, 2.0f, 1.0f, 2.0f},
        // Division without a guard.
        {"Division 1 0", FL::Division, 1.0f, 0.0f, kInf},
        {"Division -1 0", FL::Division, -1.0f, 0.0f, -kInf},
        {"Division 1 -0", FL::Division, 1.0f, -0.0f, -kInf},
        {"Division 0 0", FL::Division, 0.0f, 0.0f, kNaN},
        {"Division 6 3", FL::Division, 6.0f, 3.0f, 2.0f},
        // Logic: any non-zero is true, results are exactly 0 or 1.
        {"And 2 -3", FL::And, 2.0f, -3.0f, 1.0f},
        {"And 0 5", FL::And, 0.0f, 5.0f, 0.0f},
        {"And 5 -0", FL::And, 5.0f, -0.0f, 0.0f},
        {"Or 0 0", FL::Or, 0.0f, 0.0f, 0.0f},
        {"Or -0 0", FL::Or, -0.0f, 0.0f, 0.0f},
        {"Or 0 -1", FL::Or, 0.0f, -1.0f, 1.0f},
        {"Equality +0 -0", FL::Equality, 0.0f, -0.0f, 1.0f},
        {"Equality 1 2", FL::Equality, 1.0f, 2.0f, 0.0f},
        {"NotEqual 1 2", FL::NotEqual, 1.0f, 2.0f, 1.0f},
        {"NotEqual 2 2", FL::NotEqual, 2.0f, 2.0f, 0.0f},
        {"LowerThan 1 2", FL::LowerThan, 1.0f, 2.0f, 1.0f},
        {"LowerThan 2 2", FL::LowerThan, 2.0f, 2.0f, 0.0f},
        {"LowerThanEqual 2 2", FL::LowerThanEqual, 2.0f, 2.0f, 1.0f},
        {"LowerThanEqual 3 2", FL::LowerThanEqual, 3.0f, 2.0f, 0.0f},
        {"GreaterThan 3 2", FL::GreaterThan, 3.0f, 2.0f, 1.0f},
        {"GreaterThan 2 2", FL::GreaterThan, 2.0f, 2.0f, 0.0f},
        {"GreaterThanEqual 2 2", FL::GreaterThanEqual, 2.0f, 2.0f, 1.0f},
        {"GreaterThanEqual 1 2", FL::GreaterThanEqual, 1.0f, 2.0f, 0.0f},
        // x is always the left operand.
        {"X", FL::X, 3.0f, 4.0f, 3.0f},
        {"Y", FL::Y, 3.0f, 4.0f, 4.0f},
        {"Difference", FL::Difference, 3.0f, 5.0f, -2.0f},
        {"Power", FL::Power, 2.0f, 3.0f, 8.0f},
        {"Power reversed", FL::Power, 3.0f, 2.0f, 9.0f},
        {"Sum", FL::Sum, 1.5f, 2.25f, 3.75f},
        {"Product", FL::Product, -1.5f, 2.0f, -3.0f},
        {"Average", FL::Average, 1.0f, 2.0f, 1.5f},
        {"Distance", FL::Distance, -1.0f, 2.0f, 3.0f},
        {"Distance equal", FL::Distance, 2.0f, 2.0f, 0.0f},
        {"Module", FL::Module, 3.0f, 4.0f, 5.0f},
        {"Module overflow", FL::Module, 1.0e20f, 1.0e20f, kInf},
    };
    for (const BinaryCase& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(SameFloat(c.function(c.x, c.y), c.expected));
    }
}

TEST(FunctionsLibrary, RangeFunctions)
{
    const RangeCase kCases[] = {
        {"Normalize middle", FL::Normalize, 5.0f, 0.0f, 10.0f, 0.5f},
        {"Normalize equal bounds", FL::Normalize, 5.0f, 2.0f, 2.0f, 3.0f},
        {"Normalize equal bounds at min", FL::Normalize, 2.0f, 2.0f, 2.0f, 0.0f},
        {"Normalize not clamped above", FL::Normalize, 15.0f, 0.0f, 10.0f, 1.5f},
        {"Normalize not clamped below", FL::Normalize, -5.0f, 0.0f, 10.0f, -0.5f},
        {"Normalize reversed bounds", FL::Normalize, 2.0f, 10.0f, 0.0f, 0.8f},
        {"Denormalize middle", FL::Denormalize, 0.5f, 0.0f, 10.0f, 5.0f},
        {"Denormalize equal bounds", FL::Denormalize, 0.7f, 3.0f, 3.0f, 3.0f},
        {"Denormalize equal bounds far", FL::Denormalize, -1234.5f, 3.0f, 3.0f, 3.0f},
        {"Denormalize not clamped", FL::Denormalize, 1.5f, 0.0f, 10.0f, 15.0f},
    };
    for (const RangeCase& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(SameFloat(c.function(c.value, c.min, c.max), c.expected));
    }
}

TEST(FunctionsLibrary, DenormalizeUndoesNormalize)
{
    const float kValues[] = {20.0f, 440.0f, 1000.0f, 19999.0f};
    for (float v : kValues) {
        SCOPED_TRACE(v);
        EXPECT_NEAR(FL::Denormalize(FL::Normalize(v, 20.0f, 20000.0f), 20.0f, 20000.0f), v, 2e-3f);
    }
}
