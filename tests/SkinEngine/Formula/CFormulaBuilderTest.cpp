#include "Veltis/SkinEngine/Formula/CFormulaBuilder.h"

#include "Veltis/Math/IBinaryFunction.h"
#include "Veltis/Math/IConstant.h"
#include "Veltis/Math/IFunction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <string>

namespace
{

using Veltis::Math::IBinaryFunction;
using Veltis::Math::IConstant;
using Veltis::Math::IFunction;
using Veltis::SkinEngine::CFormulaBuilder;

constexpr float kInfinity = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
// The float nearest to pi.
float const kPi = [] {
    std::uint32_t const bits = 0x40490FDBu;
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}();

void ExpectValue(float actual, float expected)
{
    if (std::isnan(expected))
        EXPECT_TRUE(std::isnan(actual)) << actual;
    else if (std::isinf(expected))
        EXPECT_EQ(actual, expected);
    else
        EXPECT_FLOAT_EQ(actual, expected);
}

struct ConstantCase
{
    char const* formula;
    std::optional<float> value; // none: the build fails
};

TEST(CFormulaBuilder, ConstantsEvaluateEveryOperatorAndBuiltIn)
{
    ConstantCase const cases[] = {
        {"pi", kPi},
        {"2 * pi", 2.0f * kPi},
        {"007", 7.0f},
        {".5", 0.5f},
        {"2.25", 2.25f},
        {"true", 1.0f},
        {"false", 0.0f},
        // Operators.
        {"1 + 2", 3.0f},
        {"1 - 2", -1.0f},
        {"3 * 4", 12.0f},
        {"10 / 4", 2.5f},
        {"2 ^ 10", 1024.0f},
        {"2 ^ -1", 0.5f},
        {"-3", -3.0f},
        {"!0", 1.0f},
        {"!5", 0.0f},
        {"not 0", 1.0f},
        {"1 == 1", 1.0f},
        {"1 = 2", 0.0f},
        {"2 <> 3", 1.0f},
        {"2 != 2", 0.0f},
        {"3 < 4", 1.0f},
        {"4 < 4", 0.0f},
        {"4 <= 4", 1.0f},
        {"5 <= 4", 0.0f},
        {"5 > 6", 0.0f},
        {"6 > 5", 1.0f},
        {"6 >= 7", 0.0f},
        {"7 >= 7", 1.0f},
        {"1 && 0", 0.0f},
        {"2 and 3", 1.0f},
        {"0 || 3", 1.0f},
        {"0 or 0", 0.0f},
        {"1 / 0", kInfinity},
        {"0 / 0", kNaN},
        // Built-in functions, at arguments where the neighbours in the table differ.
        {"exp(1)", std::exp(1.0f)},
        {"log(10)", std::log(10.0f)},
        {"log(1)", 0.0f},
        {"cosh(1)", std::cosh(1.0f)},
        {"sinh(1)", std::sinh(1.0f)},
        {"tanh(1)", std::tanh(1.0f)},
        {"sqrt(2)", std::sqrt(2.0f)},
        {"sqrt(16)", 4.0f},
        {"cos(1)", std::cos(1.0f)},
        {"sin(1)", std::sin(1.0f)},
        {"tan(1)", std::tan(1.0f)},
        {"floor(-2.5)", -3.0f},
        {"ceil(-2.5)", -2.0f},
        {"round(2.5)", 3.0f},
        {"round(-2.5)", -3.0f},
        {"round(2.4)", 2.0f},
        {"abs(-3)", 3.0f},
        {"sqrt(abs(-16))", 4.0f},
        {"max(2, 3)", 3.0f},
        {"max(3, 2)", 3.0f},
        {"min(2, 3)", 2.0f},
        {"min(3, 2)", 2.0f},
        // Precedence and associativity.
        {"1 + 2 * 3", 7.0f},
        {"(1 + 2) * 3", 9.0f},
        {"2 * 3 ^ 2", 18.0f},
        {"-2 ^ 2", 4.0f},
        {"2 ^ 3 ^ 2", 64.0f},
        {"8 - 2 - 1", 5.0f},
        {"16 / 4 / 2", 2.0f},
        {"1 = 1 < 0", 0.0f},
        {"1 || 1 && 0", 1.0f},
        {"2 + 3 = 5", 1.0f},
        {"!0 + 1", 2.0f},
        {"-(2 + 3) * 2", -10.0f},
        {"2 - -1", 3.0f},
        // The lexer drops the tilde without an error, so + still joins the numbers.
        {"2 ~+ 3", 5.0f},
        {"99999999999999999999999999999999999999999", kInfinity},
        // Failures.
        {"x", std::nullopt},
        {"7 % 2", std::nullopt},
        {"'text'", std::nullopt},
        {"#2024-01-31#", std::nullopt},
        {"foo(1)", std::nullopt},
        {"sin()", std::nullopt},
        {"sin(1, 2)", std::nullopt},
        {"min(1)", std::nullopt},
        {"min(1, 2, 3)", std::nullopt},
        {"pi(1)", std::nullopt},
        {"Sin(1)", std::nullopt},
        {"2 ~ 3", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"1 +", std::nullopt},
        {"(1", std::nullopt},
        {"sqrt(2 % 1)", std::nullopt},
        {"1 + 'a' * 2", std::nullopt},
    };
    for (ConstantCase const& c : cases)
    {
        SCOPED_TRACE(c.formula);
        std::unique_ptr<IConstant> constant(CFormulaBuilder().CreateConstant(c.formula));
        if (!c.value)
        {
            EXPECT_EQ(constant, nullptr);
            continue;
        }
        ASSERT_NE(constant, nullptr);
        ExpectValue(constant->GetValue(), *c.value);
    }
}

TEST(CFormulaBuilder, NullFormulaGivesNull)
{
    CFormulaBuilder builder;
    EXPECT_EQ(builder.CreateConstant(nullptr), nullptr);
    EXPECT_EQ(builder.CreateFunction(nullptr, "x"), nullptr);
    EXPECT_EQ(builder.CreateParametrizedConstant(nullptr), nullptr);
    EXPECT_EQ(builder.CreateParametrizedFunction(nullptr, "x"), nullptr);
    EXPECT_EQ(builder.CreateParametrizedBinaryFunction(nullptr, "x", "y"), nullptr);
}

struct FunctionCase
{
    char const* formula;
    char const* variable;
    float x;
    std::optional<float> value;
};

TEST(CFormulaBuilder, FunctionsOfTheNamedVariable)
{
    FunctionCase const cases[] = {
        {"x * x", "x", 3.0f, 9.0f},
        {"x * x", "x", -4.0f, 16.0f},
        {"t + 1", "t", 1.0f, 2.0f},
        {"x ^ 2 + 2 * x + 1", "x", 3.0f, 16.0f},
        {"sin(x)", "x", 0.5f, std::sin(0.5f)},
        {"min(x, 2)", "x", 1.0f, 1.0f},
        {"min(x, 2)", "x", 3.0f, 2.0f},
        {"-x", "x", 2.0f, -2.0f},
        {"!x", "x", 0.0f, 1.0f},
        {"x > 1 && x < 3", "x", 2.0f, 1.0f},
        {"x > 1 && x < 3", "x", 3.0f, 0.0f},
        {"freq.hz", "freq.hz", 5.0f, 5.0f},
        // "pi" is tested before the variable.
        {"pi", "pi", 5.0f, kPi},
        {"1 + 1", nullptr, 7.0f, 2.0f},
        {"x", nullptr, 1.0f, std::nullopt},
        {"x", "", 1.0f, std::nullopt},
        {"x + 1", "t", 1.0f, std::nullopt},
        {"X", "x", 1.0f, std::nullopt},
        {"a", "x", 1.0f, std::nullopt},
        {"x(1)", "x", 1.0f, std::nullopt},
    };
    for (FunctionCase const& c : cases)
    {
        SCOPED_TRACE(std::string(c.formula) + " of " + (c.variable != nullptr ? c.variable : "null"));
        std::unique_ptr<IFunction> function(CFormulaBuilder().CreateFunction(c.formula, c.variable));
        if (!c.value)
        {
            EXPECT_EQ(function, nullptr);
            continue;
        }
        ASSERT_NE(function, nullptr);
        ExpectValue(function->GetValue(c.x), *c.value);
    }
}

TEST(CFormulaBuilder, BuiltFunctionIsEvaluatedAtEveryRead)
{
    std::unique_ptr<IFunction> function(CFormulaBuilder().CreateFunction("x * x + 2 * 3", "x"));
    ASSERT_NE(function, nullptr);
    EXPECT_EQ(function->GetValue(0.0f), 6.0f);
    EXPECT_EQ(function->GetValue(2.0f), 10.0f);
    std::unique_ptr<IFunction> copy(function->Clone());
    function.reset();
    EXPECT_EQ(copy->GetValue(3.0f), 15.0f);
}

TEST(CFormulaBuilder, DeepNestingGivesNullWithoutCrashing)
{
    std::string const deep = std::string(100000, '(') + "1" + std::string(100000, ')');
    CFormulaBuilder builder;
    EXPECT_EQ(builder.CreateConstant(deep.c_str()), nullptr);
    EXPECT_EQ(builder.CreateFunction(deep.c_str(), "x"), nullptr);
    EXPECT_EQ(builder.CreateParametrizedBinaryFunction(deep.c_str(), "x", "y"), nullptr);

    std::string chain = "x";
    for (int i = 0; i < 100000; ++i)
        chain += "+x";
    EXPECT_EQ(builder.CreateFunction(chain.c_str(), "x"), nullptr);
}

TEST(CFormulaBuilder, ModerateNestingBuilds)
{
    std::string text = "x";
    for (int i = 0; i < 100; ++i)
        text = "abs(" + text + ") + 1";
    std::unique_ptr<IFunction> function(CFormulaBuilder().CreateFunction(text.c_str(), "x"));
    ASSERT_NE(function, nullptr);
    EXPECT_EQ(function->GetValue(-1.0f), 101.0f);

    // A left-deep sum just within the tree depth limit builds, evaluates and is deleted.
    std::string chain = "x";
    for (int i = 0; i < 1000; ++i)
        chain += "+x";
    std::unique_ptr<IFunction> sum(CFormulaBuilder().CreateFunction(chain.c_str(), "x"));
    ASSERT_NE(sum, nullptr);
    EXPECT_EQ(sum->GetValue(2.0f), 2002.0f);
}

} // namespace
