#include "Veltis/SkinEngine/Formula/CFormulaBuilder.h"

#include "Veltis/Math/FunctionsLibrary.h"
#include "Veltis/Math/IBinaryFunction.h"
#include "Veltis/Math/IConstant.h"
#include "Veltis/Math/IFunction.h"
#include "Veltis/Math/TBinaryFunction.h"
#include "Veltis/Math/TFunction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace
{

using Veltis::Containers::IConstValueIterator;
using Veltis::Math::IBinaryFunction;
using Veltis::Math::IConstant;
using Veltis::Math::IFunction;
using Veltis::Math::TIParametrizedFunction;
using Veltis::SkinEngine::CFormulaBuilder;
namespace Library = Veltis::Math::FunctionsLibrary;

IFunction const& Square()
{
    return Veltis::Math::TFunction<&Library::Square>::GetInstance();
}

IFunction const& Negate()
{
    return Veltis::Math::TFunction<&Library::Negate>::GetInstance();
}

IBinaryFunction const& Product()
{
    return Veltis::Math::TBinaryFunction<&Library::Product>::GetInstance();
}

// The names an iterator yields, sorted; the iterator must start at the end.
std::string Names(IConstValueIterator<char const*>* iterator)
{
    std::unique_ptr<IConstValueIterator<char const*>> owner(iterator);
    EXPECT_TRUE(iterator->IsEnd());
    std::vector<std::string> names;
    for (iterator->First(); !iterator->IsEnd(); iterator->Next())
        names.push_back(iterator->GetCurrent());
    std::sort(names.begin(), names.end());
    std::string result;
    for (std::string const& name : names)
        result += (result.empty() ? "" : ",") + name;
    return result;
}

template <class I>
std::string AllNames(TIParametrizedFunction<I>& function)
{
    return Names(function.GetParameterNames()) + "|" + Names(function.GetCurveParameterNames()) + "|" +
           Names(function.GetSurfaceParameterNames());
}

TEST(ParametrizedFormula, ScalarParametersStartAtZeroAndAreSetByName)
{
    std::unique_ptr<TIParametrizedFunction<IConstant>> formula(
        CFormulaBuilder().CreateParametrizedConstant("a * b + 1"));
    ASSERT_NE(formula, nullptr);
    EXPECT_EQ(formula->GetFunction().GetValue(), 1.0f);
    EXPECT_TRUE(formula->SetParameter("a", 2.0f));
    EXPECT_TRUE(formula->SetParameter("b", 3.0f));
    EXPECT_EQ(formula->GetFunction().GetValue(), 7.0f);
    EXPECT_FALSE(formula->SetParameter("c", 5.0f));
    EXPECT_FALSE(formula->SetParameter(nullptr, 5.0f));
    EXPECT_FALSE(formula->SetParameter("A", 5.0f));
    EXPECT_FALSE(formula->SetCurveParameter("a", Square()));
    EXPECT_FALSE(formula->SetSurfaceParameter("a", Product()));
    EXPECT_EQ(formula->GetFunction().GetValue(), 7.0f);
    EXPECT_EQ(AllNames(*formula), "a,b||");
}

TEST(ParametrizedFormula, OneCallSetsEveryOccurrence)
{
    std::unique_ptr<TIParametrizedFunction<IConstant>> formula(CFormulaBuilder().CreateParametrizedConstant("a * a"));
    ASSERT_NE(formula, nullptr);
    EXPECT_TRUE(formula->SetParameter("a", 3.0f));
    EXPECT_EQ(formula->GetFunction().GetValue(), 9.0f);
    EXPECT_EQ(AllNames(*formula), "a||");
}

TEST(ParametrizedFormula, NamesPlainBuildersRejectBecomeParameters)
{
    struct Case
    {
        char const* formula;
        char const* names; // scalar|curve|surface
    };
    Case const cases[] = {
        {"x", "x||"},
        {"pi * r ^ 2", "r||"},
        {"sin(x, 2)", "x||sin"},
        {"min(3)", "|min|"},
        {"pi(2)", "|pi|"},
        {"sin(1)", "||"},
        {"min(1, 2)", "||"},
        {"pi", "||"},
        {"a + a(1)", "a|a|"},
        {"f(g(1), h(2, k))", "k|g|f,h"},
    };
    for (Case const& c : cases)
    {
        SCOPED_TRACE(c.formula);
        std::unique_ptr<TIParametrizedFunction<IConstant>> formula(
            CFormulaBuilder().CreateParametrizedConstant(c.formula));
        ASSERT_NE(formula, nullptr);
        EXPECT_EQ(AllNames(*formula), c.names);
    }
}

TEST(ParametrizedFormula, ValuesOfParametrizedFormulas)
{
    struct Case
    {
        char const* formula;
        float x;
        float value;
    };
    // Parameters at their initial values: scalars 0, curves the identity, surfaces the average.
    Case const cases[] = {
        {"gain * x", 3.0f, 0.0f},
        {"f(x)", 3.0f, 3.0f},
        {"g(x, 1)", 3.0f, 2.0f},
        {"min(3)", 0.0f, 3.0f},
        {"x(2)", 5.0f, 2.0f},
        {"sin(x)", 1.0f, std::sin(1.0f)},
        {"min(x, 1)", 3.0f, 1.0f},
        {"pi", 0.0f, 3.14159265f},
        {"f(x) + a", 2.0f, 2.0f},
    };
    for (Case const& c : cases)
    {
        SCOPED_TRACE(c.formula);
        std::unique_ptr<TIParametrizedFunction<IFunction>> formula(
            CFormulaBuilder().CreateParametrizedFunction(c.formula, "x"));
        ASSERT_NE(formula, nullptr);
        EXPECT_FLOAT_EQ(formula->GetFunction().GetValue(c.x), c.value);
    }
}

TEST(ParametrizedFormula, InvalidFormulasGiveNull)
{
    char const* const formulas[] = {"foo(1, 2, 3)", "foo()", "7 % a", "'text'", "#1/2/2003#", "a +", "", "a b",
        "f('s')", "g(1, 'x')"};
    CFormulaBuilder builder;
    for (char const* text : formulas)
    {
        SCOPED_TRACE(text);
        EXPECT_EQ(builder.CreateParametrizedConstant(text), nullptr);
        EXPECT_EQ(builder.CreateParametrizedFunction(text, "x"), nullptr);
        EXPECT_EQ(builder.CreateParametrizedBinaryFunction(text, "x", "y"), nullptr);
    }
}

TEST(ParametrizedFormula, CurveParameterTakesACopySharedByEveryOccurrence)
{
    std::unique_ptr<TIParametrizedFunction<IFunction>> formula(
        CFormulaBuilder().CreateParametrizedFunction("f(x) + f(2 * x)", "x"));
    ASSERT_NE(formula, nullptr);
    EXPECT_EQ(formula->GetFunction().GetValue(3.0f), 9.0f);
    {
        std::unique_ptr<IFunction> curve(Square().Clone());
        EXPECT_TRUE(formula->SetCurveParameter("f", *curve));
    }
    EXPECT_EQ(formula->GetFunction().GetValue(3.0f), 45.0f);
    // Replacing the curve releases the previous copy (the sanitizers see a leak or a double delete).
    EXPECT_TRUE(formula->SetCurveParameter("f", Negate()));
    EXPECT_EQ(formula->GetFunction().GetValue(3.0f), -9.0f);
    EXPECT_FALSE(formula->SetCurveParameter("g", Negate()));
    EXPECT_FALSE(formula->SetCurveParameter(nullptr, Negate()));
    EXPECT_FALSE(formula->SetParameter("f", 1.0f));
}

TEST(ParametrizedFormula, SurfaceParameterStartsAsTheAverage)
{
    std::unique_ptr<TIParametrizedFunction<IFunction>> formula(
        CFormulaBuilder().CreateParametrizedFunction("g(x, 1)", "x"));
    ASSERT_NE(formula, nullptr);
    EXPECT_EQ(formula->GetFunction().GetValue(3.0f), 2.0f);
    EXPECT_TRUE(formula->SetSurfaceParameter("g", Product()));
    EXPECT_EQ(formula->GetFunction().GetValue(3.0f), 3.0f);
    EXPECT_FALSE(formula->SetSurfaceParameter("x", Product()));
}

TEST(ParametrizedFormula, ScalarAndCurveOfOneNameAreIndependent)
{
    std::unique_ptr<TIParametrizedFunction<IConstant>> formula(
        CFormulaBuilder().CreateParametrizedConstant("a + a(1)"));
    ASSERT_NE(formula, nullptr);
    EXPECT_EQ(formula->GetFunction().GetValue(), 1.0f);
    EXPECT_TRUE(formula->SetParameter("a", 10.0f));
    EXPECT_EQ(formula->GetFunction().GetValue(), 11.0f);
    EXPECT_TRUE(formula->SetCurveParameter("a", Negate()));
    EXPECT_EQ(formula->GetFunction().GetValue(), 9.0f);
}

TEST(ParametrizedFormula, FunctionsOfTwoVariables)
{
    struct Case
    {
        char const* formula;
        char const* xName;
        char const* yName;
        float value; // at x = 2, y = 5, parameters unset
        char const* names;
    };
    Case const cases[] = {
        {"x * y + k", "x", "y", 10.0f, "k||"},
        {"x - y", "x", "y", -3.0f, "||"},
        {"u - v", "u", "v", -3.0f, "||"},
        // With equal names the name is the first variable; the other becomes a parameter.
        {"x + y", "x", "x", 2.0f, "y||"},
        {"x + y", nullptr, "y", 5.0f, "x||"},
        {"f(x, y)", "x", "y", 3.5f, "||f"},
        {"-x ^ 2 + max(x, y)", "x", "y", 9.0f, "||"},
    };
    for (Case const& c : cases)
    {
        SCOPED_TRACE(c.formula);
        std::unique_ptr<TIParametrizedFunction<IBinaryFunction>> formula(
            CFormulaBuilder().CreateParametrizedBinaryFunction(c.formula, c.xName, c.yName));
        ASSERT_NE(formula, nullptr);
        EXPECT_FLOAT_EQ(formula->GetFunction().GetValue(2.0f, 5.0f), c.value);
        EXPECT_EQ(AllNames(*formula), c.names);
    }
}

TEST(ParametrizedFormula, CloneOfTheBuiltObjectIsNotReachedBySetters)
{
    std::unique_ptr<TIParametrizedFunction<IFunction>> formula(
        CFormulaBuilder().CreateParametrizedFunction("gain * x", "x"));
    ASSERT_NE(formula, nullptr);
    formula->SetParameter("gain", 2.0f);
    std::unique_ptr<IFunction> copy(formula->GetFunction().Clone());
    formula->SetParameter("gain", 3.0f);
    EXPECT_EQ(formula->GetFunction().GetValue(2.0f), 6.0f);
    EXPECT_EQ(copy->GetValue(2.0f), 4.0f);
}

TEST(ParametrizedFormula, NestedFailingBuiltInCallsFailPromptly)
{
    // Each failing built-in call must not build its argument again as a curve parameter: 100 levels
    // would take 2^100 builds.
    std::string text = "'s'";
    for (int i = 0; i < 100; ++i)
        text = "sin(" + text + ")";
    EXPECT_EQ(CFormulaBuilder().CreateParametrizedConstant(text.c_str()), nullptr);

    std::string binary = "'s'";
    for (int i = 0; i < 100; ++i)
        binary = "max(" + binary + ", 1)";
    EXPECT_EQ(CFormulaBuilder().CreateParametrizedConstant(binary.c_str()), nullptr);
}

} // namespace
