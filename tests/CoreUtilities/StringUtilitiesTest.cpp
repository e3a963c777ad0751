#include "Veltis/CoreUtilities/StringUtilities.h"

#include "Veltis/Core/CCharString.h"

#include <gtest/gtest.h>

#include "support/DecimalCommaLocale.h"

#include <climits>
#include <locale>
#include <string>
#include <vector>

using Veltis::Core::CCharString;
using namespace Veltis::CoreUtilities;

namespace {

TEST(WildcardMatch, Table)
{
    struct Case {
        const char* text;
        const char* pattern;
        bool caseSensitive;
        char separator;
        bool expected;
    };
    const Case kCases[] = {
        {"dsp.output3", "dsp.*", true, '\0', true},
        {"DSP.x", "dsp.*", false, '\0', true},
        {"DSP.x", "dsp.*", true, '\0', false},
        {"pqr", "p*r*", true, '\0', true},
        {"pqr", "*z", true, '\0', false},
        {"p*r", "p*r", true, '\0', true},
        {"*x", "*", true, '\0', true},
        {"*aa", "*a", true, '\0', true},
        {"p*r", "p\\*r", true, '\0', false},
        {"pqr", "pqr", true, '\0', true},
        {"pqr", "pq", true, '\0', false},
        {"pq", "pqr", true, '\0', false},
        {"", "", true, '\0', true},
        {"", "*", true, '\0', true},
        {"", "**", true, '\0', true},
        {"", "p", true, '\0', false},
        {"p", "", true, '\0', false},
        {"anything", "*", true, '\0', true},
        {"aaab", "*aab", true, '\0', true},
        {"aab", "*ab", true, '\0', true},
        {"abcabd", "*abd", true, '\0', true},
        {"abcabd", "a*c*d", true, '\0', true},
        {"abcabd", "a*x*d", true, '\0', false},
        {"mississippi", "m*iss*ppi", true, '\0', true},
        {"mississippi", "*sip*", true, '\0', true},
        {"mississippi", "*sipx*", true, '\0', false},
        {"Q", "q", false, '\0', true},
        {"q", "Q", false, '\0', true},
        {"AZ", "az", false, '\0', true},
        {"az", "AZ", false, '\0', true},
        {"@[", "`{", false, '\0', false}, // the neighbours of 'A' and 'Z' do not fold
        {"\xC3\x84", "\xC3\xA4", false, '\0', false},
        {"pq;rest", "pq", true, ';', true},
        {"pq;rest", "p*", true, ';', true},
        {"pq", "pq;other", true, ';', true},
        {"px;rest", "pq", true, ';', false},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << "'" << c.text << "' against '" << c.pattern << "' case "
                                        << c.caseSensitive << " separator " << int(c.separator));
        EXPECT_EQ(WildcardMatch(c.text, c.pattern, c.caseSensitive, c.separator), c.expected);
    }
    EXPECT_FALSE(WildcardMatch(nullptr, "*", true, '\0'));
    EXPECT_FALSE(WildcardMatch("p", nullptr, true, '\0'));
}

// Plain glob semantics by exhaustive recursion, for short strings only.
bool ReferenceMatch(const char* text, const char* pattern)
{
    if (!*pattern)
        return !*text;
    if (*pattern == '*')
        return ReferenceMatch(text, pattern + 1) || (*text && ReferenceMatch(text + 1, pattern));
    return *text == *pattern && ReferenceMatch(text + 1, pattern + 1);
}

// Every string of up to maxLength characters over the alphabet.
std::vector<std::string> AllStrings(const std::string& alphabet, size_t maxLength)
{
    std::vector<std::string> result(1);
    for (size_t from = 0; from < result.size(); ++from) {
        if (result[from].size() == maxLength)
            continue;
        for (char c : alphabet)
            result.push_back(result[from] + c);
    }
    return result;
}

TEST(WildcardMatch, AgreesWithGlobOnAllShortStrings)
{
    const std::vector<std::string> texts = AllStrings("ab*", 5);
    const std::vector<std::string> patterns = AllStrings("ab*", 4);
    int mismatches = 0;
    for (const std::string& text : texts) {
        for (const std::string& pattern : patterns) {
            if (WildcardMatch(text.c_str(), pattern.c_str(), true, '\0') != ReferenceMatch(text.c_str(), pattern.c_str())) {
                if (++mismatches <= 5)
                    ADD_FAILURE() << "'" << text << "' against '" << pattern << "'";
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(WildcardMatch, LeadingStarWithALiteralIsLinearInTheText)
{
    // A matcher that rescans the rest of the text after every mismatch takes minutes here.
    const std::string text(1 << 20, 'a');
    EXPECT_FALSE(WildcardMatch(text.c_str(), "*b", true, '\0'));
    EXPECT_TRUE(WildcardMatch((text + "b").c_str(), "*b", true, '\0'));
    EXPECT_TRUE(WildcardMatch(text.c_str(), "*a*a", false, '\0'));
}

TEST(HasWildcard, Table)
{
    EXPECT_TRUE(HasWildcard("dsp.*"));
    EXPECT_TRUE(HasWildcard("*"));
    EXPECT_FALSE(HasWildcard("dsp"));
    EXPECT_FALSE(HasWildcard(""));
    EXPECT_FALSE(HasWildcard(nullptr));
}

TEST(ParseInt, Table)
{
    struct Case {
        const char* text;
        int base;
        int expectedConsumed;
        int expected;
    };
    const Case kCases[] = {
        {"12pq", 10, 2, 12},   {"pq", 10, 0, 0},     {"-7", 10, 2, -7},      {"  42", 10, 4, 42},
        {"ff", 16, 2, 255},    {"0x1F", 16, 4, 31},  {"", 10, 0, 0},         {"12", 99, 0, 0},
        {"2147483647", 10, 10, INT_MAX},             {"4294967296", 10, 10, 0}, {"4294967297", 10, 10, 1},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.text << " base " << c.base);
        int out = 99;
        EXPECT_EQ(ParseInt(c.text, out, c.base), c.expectedConsumed);
        EXPECT_EQ(out, c.expected);
    }
    int untouched = 99;
    EXPECT_EQ(ParseInt(nullptr, untouched, 10), 0);
    EXPECT_EQ(untouched, 99);
}

TEST(ParseDouble, Table)
{
    struct Case {
        const char* text;
        int expectedConsumed;
        double expected;
    };
    const Case kCases[] = {{"0.5x", 3, 0.5}, {"-1e3", 4, -1000}, {"x", 0, 0}, {"", 0, 0}, {"0,5", 1, 0}, {"12", 2, 12}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.text);
        double out = 99;
        EXPECT_EQ(ParseDouble(c.text, out), c.expectedConsumed);
        EXPECT_EQ(out, c.expected);
    }
    double untouched = 99;
    EXPECT_EQ(ParseDouble(nullptr, untouched), 0);
    EXPECT_EQ(untouched, 99);
}

TEST(ParseDouble, ReadsThePointWhateverTheProcessLocale)
{
    double out = 0;
    int consumed = 0;
    {
        VeltisTest::CDecimalCommaLocale locale;
        if (!locale.IsActive())
            GTEST_SKIP() << "no decimal-comma locale could be installed or built";
        consumed = ParseDouble("0.25", out);
    }
    EXPECT_EQ(consumed, 4);
    EXPECT_EQ(out, 0.25);
}

TEST(StringsEqual, Table)
{
    EXPECT_TRUE(StringsEqual(nullptr, nullptr));
    EXPECT_FALSE(StringsEqual(nullptr, ""));
    EXPECT_FALSE(StringsEqual("", nullptr));
    EXPECT_TRUE(StringsEqual("", ""));
    EXPECT_TRUE(StringsEqual("pq", "pq"));
    EXPECT_FALSE(StringsEqual("pq", "Pq"));
}

TEST(GetStringLength, NullIsZero)
{
    EXPECT_EQ(GetStringLength(nullptr), 0);
    EXPECT_EQ(GetStringLength(""), 0);
    EXPECT_EQ(GetStringLength("pqr"), 3);
}

TEST(FindChar, TableIncludingTerminator)
{
    struct Case {
        const char* text;
        char c;
        int start;
        int expected;
    };
    const Case kCases[] = {{"pqrp", 'p', 0, 0}, {"pqrp", 'p', 1, 3}, {"pqrp", '\0', 0, 4}, {"pqrp", '\0', 4, 4},
                           {"pqrp", 'p', 5, -1}, {"pqrp", 'x', 0, -1}, {"", '\0', 0, 0}, {"", 'p', 0, -1}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.text << " '" << c.c << "' from " << c.start);
        EXPECT_EQ(FindChar(c.text, c.c, c.start), c.expected);
    }
}

TEST(ReverseFindChar, ZeroOrOutOfRangeStartCountsAsLength)
{
    struct Case {
        const char* text;
        char c;
        int start;
        int expected;
    };
    const Case kCases[] = {{"pqrp", 'p', 0, 3},  {"pqrp", 'p', -1, 3}, {"pqrp", 'p', 9, 3}, {"pqrp", 'p', 2, 0},
                           {"pqrp", 'q', 1, 1},  {"pqrp", 'x', 0, -1}, {"pqrp", '\0', 0, 4}, {"", 'p', 0, -1}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.text << " '" << c.c << "' from " << c.start);
        EXPECT_EQ(ReverseFindChar(c.text, c.c, c.start), c.expected);
    }
}

TEST(FindFirstOf, OffsetFromStart)
{
    struct Case {
        const char* text;
        const char* characters;
        int start;
        int expected;
    };
    const Case kCases[] = {{"a/b\\c", "/\\", 0, 1}, {"a/b\\c", "/\\", 2, 1}, {"a/b\\c", "xy", 1, 4},
                           {"a/b\\c", "/", 5, -1},  {"", "/", 0, -1},         {"abc", "", 0, 3}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.text << " of '" << c.characters << "' from " << c.start);
        EXPECT_EQ(FindFirstOf(c.text, c.characters, c.start), c.expected);
    }
}

TEST(ValueToString, DecimalText)
{
    struct Case {
        int value;
        const char* expected;
    };
    const Case kCases[] = {{0, "0"}, {3, "3"}, {-7, "-7"}, {1234567, "1234567"}, {INT_MIN, "-2147483648"}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.value);
        CCharString out("old");
        ValueToString(c.value, out, false);
        EXPECT_STREQ(out.GetString(), c.expected);
    }
}

// A process-wide C++ locale that groups thousands must not reach the number text.
struct CGroupingPunct : std::numpunct<char> {
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

TEST(ValueToString, IgnoresTheGlobalLocale)
{
    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CGroupingPunct));
    CCharString out;
    ValueToString(1234567, out);
    std::locale::global(previous);
    EXPECT_STREQ(out.GetString(), "1234567");
}

} // namespace
