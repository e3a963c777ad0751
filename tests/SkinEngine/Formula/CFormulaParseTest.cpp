#include "Veltis/SkinEngine/Formula/CFormulaParse.h"

#include "Veltis/SkinEngine/Formula/EFormulaTokenType.h"

#include "support/CAllocationCounter.h"
#include "support/FormulaTokenName.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace
{

using namespace Veltis::SkinEngine;

// A node as TYPE:text(children), leaving out the text where it only repeats the type name.
std::string Describe(CFormulaTree::Node tree, bool isParameterName = false)
{
    int const type = CFormulaTree::GetType(tree);
    std::string result = VeltisTest::FormulaTokenName(type);
    std::string const textValue = CFormulaTree::GetText(tree);
    if (textValue != result)
        result += ":" + textValue;
    int const count = CFormulaTree::GetChildCount(tree);
    if (count > 0 || (type == eFormulaTokenIDENT && !isParameterName))
    {
        result += "(";
        for (int i = 0; i < count; ++i)
        {
            if (i > 0)
                result += ",";
            result += Describe(CFormulaTree::GetChild(tree, i), type == eFormulaTokenPARAM);
        }
        result += ")";
    }
    return result;
}

// The tree of a parse, or "error" when the parser counted a syntax error.
std::string Parse(char const* text)
{
    CFormulaParse parse(text);
    if (parse.GetSyntaxErrorCount() != 0)
    {
        EXPECT_EQ(parse.GetTree(), nullptr);
        return "error";
    }
    if (parse.GetTree() == nullptr)
        return "null";
    return Describe(parse.GetTree());
}

struct ParseCase
{
    char const* text;
    char const* tree;
};

void CheckParseCases(ParseCase const* cases, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
    {
        SCOPED_TRACE(cases[i].text);
        EXPECT_EQ(Parse(cases[i].text), cases[i].tree);
    }
}

// In the trees below an IDENT inside PARAM is a leaf; an IDENT elsewhere is a call, written with
// parentheses even when it has no arguments.
std::string Param(char const* name)
{
    return std::string("PARAM(IDENT:") + name + ")";
}

TEST(FormulaParser, PrecedenceAndAssociativity)
{
    std::string const p = Param("p"), q = Param("q"), r = Param("r");
    std::string const cases[][2] = {
        {"1 + 2 * 3", "PLUS:+(INTEGER:1,MULT:*(INTEGER:2,INTEGER:3))"},
        {"(1 + 2) * 3", "MULT:*(PLUS:+(INTEGER:1,INTEGER:2),INTEGER:3)"},
        {"p or q and r", "OR:or(" + p + ",AND:and(" + q + "," + r + "))"},
        {"p || q", "OR:||(" + p + "," + q + ")"},
        {"p && q", "AND:&&(" + p + "," + q + ")"},
        {"p - q - r", "MINUS:-(MINUS:-(" + p + "," + q + ")," + r + ")"},
        {"2 ^ 3 ^ 2", "POW:^(POW:^(INTEGER:2,INTEGER:3),INTEGER:2)"},
        {"-2 ^ 2", "POW:^(NEGATE(INTEGER:2),INTEGER:2)"},
        {"2 ^ -2", "POW:^(INTEGER:2,NEGATE(INTEGER:2))"},
        {"p < q < r", "LTH:<(LTH:<(" + p + "," + q + ")," + r + ")"},
        {"p = q = r", "EQUALS:=(EQUALS:=(" + p + "," + q + ")," + r + ")"},
        {"p == q != r <> p", "NOTEQUALS:<>(NOTEQUALS:!=(EQUALS:==(" + p + "," + q + ")," + r + ")," + p + ")"},
        {"p <= q >= r > p", "GT:>(GTEQ:>=(LTEQ:<=(" + p + "," + q + ")," + r + ")," + p + ")"},
        {"p = q < r", "EQUALS:=(" + p + ",LTH:<(" + q + "," + r + "))"},
        {"p < q + r", "LTH:<(" + p + ",PLUS:+(" + q + "," + r + "))"},
        {"p + q % r / p", "PLUS:+(" + p + ",DIV:/(MOD:%(" + q + "," + r + ")," + p + "))"},
        {"p * q ^ r", "MULT:*(" + p + ",POW:^(" + q + "," + r + "))"},
        {"p && q = r", "AND:&&(" + p + ",EQUALS:=(" + q + "," + r + "))"},
        {"2 + -1", "PLUS:+(INTEGER:2,NEGATE(INTEGER:1))"},
        {"2 - -1", "MINUS:-(INTEGER:2,NEGATE(INTEGER:1))"},
        {"!a = b", "EQUALS:=(NOT:!(" + Param("a") + ")," + Param("b") + ")"},
    };
    for (auto const& c : cases)
    {
        SCOPED_TRACE(c[0]);
        EXPECT_EQ(Parse(c[0].c_str()), c[1]);
    }
}

TEST(FormulaParser, OperandsAndCalls)
{
    ParseCase const cases[] = {
        {"x", "PARAM(IDENT:x)"},
        {"x.y$1", "PARAM(IDENT:x.y$1)"},
        {"sin(x)", "IDENT:sin(PARAM(IDENT:x))"},
        {"max(1, y * 2)", "IDENT:max(INTEGER:1,MULT:*(PARAM(IDENT:y),INTEGER:2))"},
        {"f()", "IDENT:f()"},
        {"f (x)", "IDENT:f(PARAM(IDENT:x))"},
        {"f(1, 2, 3)", "IDENT:f(INTEGER:1,INTEGER:2,INTEGER:3)"},
        {"f(g(-x), (1))", "IDENT:f(IDENT:g(NEGATE(PARAM(IDENT:x))),INTEGER:1)"},
        {"-x", "NEGATE(PARAM(IDENT:x))"},
        {"-(1 + 2)", "NEGATE(PLUS:+(INTEGER:1,INTEGER:2))"},
        {"-(-1)", "NEGATE(NEGATE(INTEGER:1))"},
        {"!(!a)", "NOT:!(NOT:!(PARAM(IDENT:a)))"},
        {"not(1)", "NOT:not(INTEGER:1)"},
        {"-f(1)", "NEGATE(IDENT:f(INTEGER:1))"},
        {"true", "BOOLEAN:true"},
        {"'a\\'b'", "STRING:'a\\'b'"},
        {"#1/2/2003#", "DATETIME:#1/2/2003#"},
        {"2.5", "FLOAT:2.5"},
        {"((((7))))", "INTEGER:7"},
        {"  1 ", "INTEGER:1"},
        // Lexer failures are not syntax errors: the dropped characters simply are not there.
        {"a | b", "PARAM(IDENT:a)"},
        {"a@", "PARAM(IDENT:a)"},
        {"1.+2", "INTEGER:2"},
        {"2 ~+ 3", "PLUS:+(INTEGER:2,INTEGER:3)"},
    };
    CheckParseCases(cases, std::size(cases));
}

TEST(FormulaParser, SyntaxErrors)
{
    char const* const texts[] = {
        "", "   ", "1 2", "2x", "a b", "1 +", "* 2", "(1", "1)", "f(1,)", "f(,1)", "f(+1)", "--1", "+1",
        "a not b", "or 1", "true(1)", "1 = = 2", "a @ b", "2 ~ 3", "()", "f(1))", "f((1)", "-!a", "!-a", "!!a",
        "not not a", "not -1", "x y(1)", "1 'a'", "(", ")", ",", "f(1 2)", "1(2)",
        // Errors deep inside calls and parentheses, with valid text after them.
        "f(g(1,), 2) + 3", "max(1, (2 +)) * 4", "a * (b + ) - c", "f(1 2, 3) = 1", "((1 + 2) * (3 -)) / 4",
    };
    for (char const* text : texts)
    {
        SCOPED_TRACE(text);
        EXPECT_EQ(Parse(text), "error");
    }
}

TEST(FormulaParser, NullTextGivesNoTree)
{
    CFormulaParse parse(nullptr);
    EXPECT_EQ(parse.GetTree(), nullptr);
}

TEST(FormulaParser, NestingWithinTheLimitParses)
{
    int const depth = CFormulaParse::kMaximumParenthesisDepth;
    std::string const text = std::string(depth, '(') + "1" + std::string(depth, ')');
    EXPECT_EQ(Parse(text.c_str()), "INTEGER:1");

    std::string calls;
    for (int i = 0; i < depth; ++i)
        calls += "abs(";
    calls += "x" + std::string(depth, ')');
    CFormulaParse parse(calls.c_str());
    EXPECT_NE(parse.GetTree(), nullptr);
}

TEST(FormulaParser, DeepNestingFailsWithoutOverflowingTheStack)
{
    struct Case
    {
        std::string name;
        std::string text;
    };
    int const tooDeep = CFormulaParse::kMaximumParenthesisDepth + 1;
    std::string chain = "1";
    for (int i = 0; i < CFormulaParse::kMaximumTreeDepth; ++i)
        chain += "+1";
    std::string negations;
    for (int i = 0; i < 100000; ++i)
        negations += "-(";
    negations += "1" + std::string(100000, ')');
    Case const cases[] = {
        {"100000 parentheses", std::string(100000, '(') + "1" + std::string(100000, ')')},
        {"unbalanced", std::string(100000, '(')},
        {"just too deep", std::string(tooDeep, '(') + "1" + std::string(tooDeep, ')')},
        {"negations", negations},
        {"long chain", chain},
    };
    for (Case const& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Parse(c.text.c_str()), "error");
    }
}

TEST(FormulaParser, TextsBeyondTheLengthLimitAreSyntaxErrors)
{
    std::size_t const limit = CFormulaParse::kMaximumTextLength;
    struct Case
    {
        char const* name;
        std::string text;
        char const* tree;
    };
    Case const cases[] = {
        {"at the limit", "1" + std::string(limit - 1, ' '), "INTEGER:1"},
        {"one byte over", "1" + std::string(limit, ' '), "error"},
        {"100 KB of '<'", std::string(100 * 1024, '<'), "error"},
    };
    for (Case const& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Parse(c.text.c_str()), c.tree);
    }
}

TEST(FormulaParser, ClosingParenthesesWithNoneOpenDoNotHideDepth)
{
    int const tooDeep = CFormulaParse::kMaximumParenthesisDepth + 1;
    std::string const text = std::string(1000, ')') + std::string(tooDeep, '(') + "1" + std::string(tooDeep, ')');
    EXPECT_EQ(Parse(text.c_str()), "error");
}


// Texts that exercise what a thread's reused recognizers must start afresh from: errors, imaginary
// nodes, a call with more arguments than a child list holds inline, and a text of thousands of tokens.
std::vector<std::string> ReuseTexts()
{
    std::string manyArguments = "f(";
    for (int i = 0; i < 40; ++i)
        manyArguments += (i > 0 ? ",x" : "x") + std::to_string(i);
    manyArguments += ")";
    std::string longCall = "g(1";
    for (int i = 0; i < 1500; ++i)
        longCall += ",a";
    longCall += ")";
    return {"max(-60, min(12, 20 * log(abs(x) + 0.001) / log(10))) * (x >= 0)", "1 +", "-a * not b", manyArguments,
            "(1", longCall, "c(x, y) <= 'text'"};
}

TEST(FormulaParser, ParseAfterParseOnOneThreadGivesTheSameTrees)
{
    std::vector<std::string> const texts = ReuseTexts();
    std::vector<std::string> first;
    for (std::string const& text : texts)
        first.push_back(Parse(text.c_str()));
    EXPECT_EQ(first[1], "error");
    EXPECT_NE(first[3], "error");
    EXPECT_NE(first[5], "error");
    for (int round = 0; round < 300; ++round)
    {
        std::size_t const i = static_cast<std::size_t>(round) % texts.size();
        SCOPED_TRACE(texts[i].substr(0, 40));
        ASSERT_EQ(Parse(texts[i].c_str()), first[i]);
    }
}

TEST(FormulaParser, AParseInsideAnotherKeepsBothTrees)
{
    CFormulaParse outer("1 + a");
    ASSERT_NE(outer.GetTree(), nullptr);
    {
        CFormulaParse inner("b * 2");
        ASSERT_NE(inner.GetTree(), nullptr);
        EXPECT_EQ(Describe(inner.GetTree()), "MULT:*(" + Param("b") + ",INTEGER:2)");
        EXPECT_EQ(Parse("3 - c"), "MINUS:-(INTEGER:3," + Param("c") + ")");
    }
    EXPECT_EQ(Parse("4"), "INTEGER:4");
    EXPECT_EQ(Describe(outer.GetTree()), "PLUS:+(INTEGER:1," + Param("a") + ")");
}

// A new thread starts without recognizers, so what a parse allocates there does not depend on the
// parses that other tests ran before.
template <class Work>
void OnANewThread(Work work)
{
    std::thread(work).join();
}

TEST(FormulaParser, AParseOnAWarmThreadMakesNoNewNodes)
{
    OnANewThread([] {
        std::string const expected = "IDENT:f(INTEGER:1,PLUS:+(" + Param("a") + ",INTEGER:2))";
        EXPECT_EQ(Parse("f(1, a + 2)"), expected);
        std::string tree;
        long allocations = -1;
        {
            VeltisTest::CAllocationCounter counter;
            CFormulaParse parse("g(3, b - 4)");
            allocations = counter.GetCount();
            if (parse.GetTree() != nullptr)
                tree = Describe(parse.GetTree());
        }
        EXPECT_EQ(allocations, 0);
        EXPECT_EQ(tree, "IDENT:g(INTEGER:3,MINUS:-(" + Param("b") + ",INTEGER:4))");
    });
}

TEST(FormulaParser, ATreeThatGetsNoMemoryIsNoTreeAndTheNextParseIsWhole)
{
    OnANewThread([] {
        EXPECT_EQ(Parse("1"), "INTEGER:1");
        bool limitHit = false;
        bool hasTree = true;
        unsigned errors = 1;
        {
            VeltisTest::CAllocationCounter counter(0);
            CFormulaParse parse("f(1, 2, 3)");
            limitHit = counter.IsLimitHit();
            hasTree = parse.GetTree() != nullptr;
            errors = parse.GetSyntaxErrorCount();
        }
        EXPECT_TRUE(limitHit);
        EXPECT_FALSE(hasTree);
        // Out of memory is not a fault of the text.
        EXPECT_EQ(errors, 0u);
        EXPECT_EQ(Parse("f(1, 2, 3)"), "IDENT:f(INTEGER:1,INTEGER:2,INTEGER:3)");
    });
}

} // namespace
