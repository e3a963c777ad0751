#include "Veltis/Core/CCharString.h"

#include <gtest/gtest.h>

#include "support/DecimalCommaLocale.h"

#include <cstring>
#include <random>
#include <string>

using Veltis::Core::CCharString;

namespace {

// The three shapes an empty string can take.
struct EmptyShape {
    const char* name;
    void (*make)(CCharString&);
};

const EmptyShape kEmptyShapes[] = {
    {"never assigned", [](CCharString&) {}},
    {"cleared keeping its buffer", [](CCharString& s) { s = "left over"; s.Clear(false); }},
    {"reserved", [](CCharString& s) { s.Reserve(20); }},
    {"truncated to zero", [](CCharString& s) { s = "pqr"; s.Truncate(0); }},
    {"assigned null", [](CCharString& s) { s = "pqr"; s = static_cast<const char*>(nullptr); }},
};

TEST(CCharString, EmptyStringReadsAsEmptyTextInEveryShape)
{
    for (const EmptyShape& shape : kEmptyShapes) {
        SCOPED_TRACE(shape.name);
        CCharString s;
        shape.make(s);
        ASSERT_NE(s.GetString(), nullptr);
        EXPECT_STREQ(s.GetString(), "");
        EXPECT_EQ(s.GetLength(), 0);
        char* copy = s.Duplicate();
        EXPECT_STREQ(copy, "");
        delete[] copy;
        EXPECT_TRUE(s == "");
        EXPECT_TRUE(s == static_cast<const char*>(nullptr));
        EXPECT_TRUE(s == CCharString());
        EXPECT_FALSE(s != "");
        EXPECT_FALSE(s < CCharString(""));
        EXPECT_TRUE(s < CCharString("a"));
        EXPECT_EQ(s.Find('\0', 0), 0);
        EXPECT_STREQ(s.GetStringAt(0), "");
        EXPECT_EQ(s.GetStringAt(1), nullptr);
    }
}

TEST(CCharString, ConstructionCopiesOrAttaches)
{
    const char* source = "pqr";
    CCharString copied(source);
    EXPECT_NE(copied.GetString(), source);
    EXPECT_STREQ(copied.GetString(), "pqr");
    EXPECT_EQ(copied.GetLength(), 3);

    CCharString copy(copied);
    copied = "changed";
    EXPECT_STREQ(copy.GetString(), "pqr");

    char* owned = new char[4];
    std::strcpy(owned, "xyz");
    CCharString attached(owned, true);
    EXPECT_EQ(attached.GetString(), owned);
    EXPECT_EQ(attached.GetLength(), 3);

    char local[] = "abc";
    CCharString notAttached(local, false);
    EXPECT_NE(notAttached.GetString(), local);
    EXPECT_STREQ(notAttached.GetString(), "abc");

    CCharString fromNull(static_cast<const char*>(nullptr));
    EXPECT_STREQ(fromNull.GetString(), "");
}

TEST(CCharString, AssignmentReplacesTextAndSelfAssignmentKeepsIt)
{
    CCharString s("a much longer text than the next one");
    s = "pq";
    EXPECT_STREQ(s.GetString(), "pq");
    EXPECT_EQ(s.GetLength(), 2);
    CCharString other("xyz");
    s = other;
    EXPECT_STREQ(s.GetString(), "xyz");
    s = s;
    EXPECT_STREQ(s.GetString(), "xyz");
    s.Assign(s.GetString() + 1, false);
    EXPECT_STREQ(s.GetString(), "yz");
    s.Assign(static_cast<const char*>(nullptr), false);
    EXPECT_STREQ(s.GetString(), "");
}

TEST(CCharString, AppendForms)
{
    CCharString s;
    s.Append("pq");
    s.Append(static_cast<const char*>(nullptr));
    s.Append("");
    s.Append(CCharString("r"));
    s.Append(CCharString());
    EXPECT_STREQ(s.GetString(), "pqr");
    s.Append("stuvw", 2);
    EXPECT_STREQ(s.GetString(), "pqrst");
    EXPECT_EQ(s.GetLength(), 5);
    // A count beyond the text stops at its terminator.
    s.Append("x", 40);
    EXPECT_STREQ(s.GetString(), "pqrstx");
    EXPECT_EQ(s.GetLength(), 6);
}

TEST(CCharString, AppendOfItsOwnTextSurvivesReallocation)
{
    CCharString s("0123456789");
    for (int i = 0; i < 4; ++i)
        s.Append(s);
    EXPECT_EQ(s.GetLength(), 160);
    std::string expected;
    for (int i = 0; i < 16; ++i)
        expected += "0123456789";
    EXPECT_EQ(std::string(s.GetString()), expected);
    s = "pqr";
    s.Append(s.GetString() + 1);
    EXPECT_STREQ(s.GetString(), "pqrqr");
}

TEST(CCharString, GetStringAtAndFind)
{
    const CCharString s("pqr");
    EXPECT_STREQ(s.GetStringAt(0), "pqr");
    EXPECT_STREQ(s.GetStringAt(3), "");
    EXPECT_EQ(s.GetStringAt(4), nullptr);
    EXPECT_EQ(s.GetStringAt(-1), nullptr);

    struct Case {
        const char* pattern;
        int start;
        int expected;
    };
    const Case kCases[] = {{"q", 0, 1}, {"q", 1, 1}, {"q", 2, -1}, {"q", 3, -1}, {"qr", 0, 1},
                           {"rs", 0, -1}, {"", 2, 2}, {"", 3, -1}, {"pqrs", 0, -1}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.pattern << " from " << c.start);
        EXPECT_EQ(s.Find(c.pattern, c.start), c.expected);
    }
}

TEST(CCharString, CharacterFindIncludesTerminatorAndReverseFindClampsStart)
{
    const CCharString s("pqrp");
    EXPECT_EQ(s.Find('p', 0), 0);
    EXPECT_EQ(s.Find('p', 1), 3);
    EXPECT_EQ(s.Find('\0', 0), 4);
    EXPECT_EQ(s.Find('x', 0), -1);
    EXPECT_EQ(s.Find('p', 5), -1);
    EXPECT_EQ(CCharString("pqr").Find('\0', 0), 3);

    EXPECT_EQ(s.ReverseFind('p', -1), 3);
    EXPECT_EQ(s.ReverseFind('p', 0), 0);
    EXPECT_EQ(s.ReverseFind('p', 2), 0);
    EXPECT_EQ(s.ReverseFind('p', 99), 3);
    EXPECT_EQ(s.ReverseFind('\0', -1), 4);
    EXPECT_EQ(s.ReverseFind('x', -1), -1);
}

TEST(CCharString, CountAndReplace)
{
    struct Case {
        const char* text;
        const char* pattern;
        const char* replacement;
        int expectedCount;
        const char* expectedText;
    };
    const Case kCases[] = {
        {"zzzz", "zz", "y", 2, "yy"},   {"zzz", "zz", "y", 1, "yz"},     {"zzz", "z", "", 3, ""},
        {"pqr", "x", "y", 0, "pqr"},    {"pqr", "", "y", 0, "pqr"},      {"a.b.c", ".", "::", 2, "a::b::c"},
        {"abcabc", "abc", "x", 2, "xx"}, {"", "z", "y", 0, ""},          {"aXbXc", "X", "", 2, "abc"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.text << " / " << c.pattern << " -> " << c.replacement);
        CCharString s(c.text);
        EXPECT_EQ(s.CountOccurrences(c.pattern), c.expectedCount);
        EXPECT_EQ(s.Replace(c.pattern, c.replacement), c.expectedCount);
        EXPECT_STREQ(s.GetString(), c.expectedText);
        EXPECT_EQ(s.GetLength(), static_cast<int>(std::strlen(c.expectedText)));
        s.Append("!");
        EXPECT_EQ(s.GetLength(), static_cast<int>(std::strlen(c.expectedText)) + 1);
    }
    EXPECT_EQ(CCharString("pqr").CountOccurrences(nullptr), 0);
}

TEST(CCharString, ReplaceWithPatternTakenFromItself)
{
    CCharString s("abab");
    EXPECT_EQ(s.Replace(s.GetString() + 2, "x"), 2);
    EXPECT_STREQ(s.GetString(), "xx");
}

TEST(CCharString, ReplaceWhoseResultWouldOverflowTheLengthChangesNothing)
{
    // 65536 occurrences, each growing by 32768 characters: 2^31 more than the text holds.
    CCharString s(std::string(65536, 'a').c_str());
    const std::string replacement(32769, 'b');
    EXPECT_EQ(s.Replace("a", replacement.c_str()), 0);
    EXPECT_EQ(s.GetLength(), 65536);
    EXPECT_EQ(s.CountOccurrences("a"), 65536);
}

TEST(CCharString, AssignLeftAndMid)
{
    const CCharString source("pqr");
    struct Case {
        int first;
        int last; // for AssignLeft cases first is n and last is unused (-2)
        const char* expected;
    };
    const Case kLeft[] = {{10, -2, "pqr"}, {3, -2, "pqr"}, {2, -2, "pq"}, {0, -2, ""}, {-4, -2, ""}};
    for (const Case& c : kLeft) {
        SCOPED_TRACE(testing::Message() << "left " << c.first);
        CCharString s("old text");
        s.AssignLeft(source, c.first);
        EXPECT_STREQ(s.GetString(), c.expected);
        EXPECT_EQ(s.GetLength(), static_cast<int>(std::strlen(c.expected)));
    }
    const Case kMid[] = {{1, 10, "qr"}, {0, 0, "p"}, {1, 1, "q"}, {0, 2, "pqr"},
                         {3, 5, ""},    {2, 1, ""},  {5, 9, ""}};
    for (const Case& c : kMid) {
        SCOPED_TRACE(testing::Message() << "mid " << c.first << ".." << c.last);
        CCharString s("old text");
        s.AssignMid(source, c.first, c.last);
        EXPECT_STREQ(s.GetString(), c.expected);
        EXPECT_EQ(s.GetLength(), static_cast<int>(std::strlen(c.expected)));
        CCharString sub;
        source.GetSubString(c.first, c.last, sub);
        EXPECT_TRUE(sub == s);
    }
    CCharString s;
    s.AssignMid(source, 1, 10);
    s.Append("s");
    EXPECT_STREQ(s.GetString(), "qrs");
    EXPECT_EQ(s.GetLength(), 3);

    // A string cut from itself.
    CCharString self("0123456789");
    self.AssignMid(self, 3, 5);
    EXPECT_STREQ(self.GetString(), "345");
    self.AssignLeft(self, 2);
    EXPECT_STREQ(self.GetString(), "34");
}

TEST(CCharString, Insert)
{
    struct Case {
        const char* text;
        const char* inserted;
        int index;
        const char* expected;
    };
    const Case kCases[] = {{"", "xy", 0, "xy"},   {"pqr", "xy", 4, "pqr"},   {"pqr", "xy", -1, "pqr"},
                           {"pqr", "xy", 0, "xypqr"}, {"pqr", "xy", 1, "pxyqr"}, {"pqr", "xy", 3, "pqrxy"},
                           {"pqr", nullptr, 1, "pqr"}, {"pqr", "", 1, "pqr"}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.text << " at " << c.index);
        CCharString s(c.text);
        s.Insert(c.inserted, c.index);
        EXPECT_STREQ(s.GetString(), c.expected);
        EXPECT_EQ(s.GetLength(), static_cast<int>(std::strlen(c.expected)));
    }
    CCharString s("0123456789abcdef");
    s.Insert(s.GetString() + 10, 0);
    EXPECT_STREQ(s.GetString(), "abcdef0123456789abcdef");
}

TEST(CCharString, TruncateAndClear)
{
    struct Case {
        int n;
        const char* expected;
    };
    const Case kCases[] = {{-5, ""}, {0, ""}, {1, "p"}, {3, "pqr"}, {10, "pqr"}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.n);
        CCharString s("pqr");
        s.Truncate(c.n);
        EXPECT_STREQ(s.GetString(), c.expected);
        EXPECT_EQ(s.GetLength(), static_cast<int>(std::strlen(c.expected)));
    }
    CCharString s("pqr");
    s.Clear(false);
    EXPECT_EQ(s.GetLength(), 0);
    s.Append("x");
    EXPECT_STREQ(s.GetString(), "x");
}

TEST(CCharString, ReserveNeverLosesText)
{
    const int kSizes[] = {0, 1, 2, 3, 10, 50};
    for (int n : kSizes) {
        for (bool release : {true, false}) {
            SCOPED_TRACE(testing::Message() << "reserve " << n << " release " << release);
            CCharString s("pqrstuvwxyz");
            s.Reserve(n, release);
            EXPECT_STREQ(s.GetString(), "pqrstuvwxyz");
            EXPECT_EQ(s.GetLength(), 11);
        }
    }
    CCharString empty;
    empty.Reserve(30);
    EXPECT_STREQ(empty.GetString(), "");
    EXPECT_EQ(empty.GetLength(), 0);
    // The reserved room takes 30 characters without another allocation.
    empty.Append("x", false);
    const char* buffer = empty.GetString();
    for (int i = 1; i < 30; ++i)
        empty.Append("x", false);
    EXPECT_EQ(empty.GetLength(), 30);
    EXPECT_EQ(empty.GetString(), buffer);
}

TEST(CCharString, FormatAfterReserve)
{
    CCharString s;
    s.Reserve(50);
    s.Format("P%d", 12);
    EXPECT_STREQ(s.GetString(), "P12");
    EXPECT_EQ(s.GetLength(), 3);
    s.Format("%s%d", "item", -7);
    EXPECT_STREQ(s.GetString(), "item-7");
    s.Format("%s", "");
    EXPECT_STREQ(s.GetString(), "");
    EXPECT_EQ(s.GetLength(), 0);
}

TEST(CCharString, FormatGrowsBeyondTheReservedBuffer)
{
    struct Case {
        const char* name;
        int reserved; // -1: no buffer at all
    };
    const Case kCases[] = {{"no buffer", -1}, {"small buffer", 3}, {"exact fit", 200}};
    const std::string longText(200, 'w');
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        CCharString s;
        if (c.reserved >= 0)
            s.Reserve(c.reserved);
        s.Format("<%s>%d", longText.c_str(), 42);
        EXPECT_EQ(std::string(s.GetString()), "<" + longText + ">42");
        EXPECT_EQ(s.GetLength(), 204);
    }
}

TEST(CCharString, FormatWritesNumbersInTheClassicLocale)
{
    double parsed = 0;
    bool read = false;
    CCharString s;
    {
        VeltisTest::CDecimalCommaLocale locale;
        if (!locale.IsActive())
            GTEST_SKIP() << "no decimal-comma locale could be installed or built";
        s.Format("%.2f", 0.5);
        read = CCharString("0.25").ToDouble(parsed);
    }
    EXPECT_STREQ(s.GetString(), "0.50");
    EXPECT_TRUE(read);
    EXPECT_EQ(parsed, 0.25);
}

TEST(CCharString, ToDouble)
{
    struct Case {
        const char* text;
        bool expectedRead;
        double expected;
    };
    const Case kCases[] = {{"0.5x", true, 0.5}, {"-12", true, -12}, {"x", false, 0}, {"", false, 0}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.text);
        double out = 99;
        EXPECT_EQ(CCharString(c.text).ToDouble(out), c.expectedRead);
        EXPECT_EQ(out, c.expected);
    }
}

TEST(CCharString, MakeLowerFoldsOnlyAsciiLetters)
{
    CCharString s("MiXeD 12 \xC3\x84Z");
    s.MakeLower();
    EXPECT_STREQ(s.GetString(), "mixed 12 \xC3\x84z");
}

TEST(CCharString, DetachHandsOverTheBufferAndAttachTakesOne)
{
    CCharString s("pqr");
    const char* buffer = s.GetString();
    char* detached = s.Detach();
    EXPECT_EQ(detached, buffer);
    EXPECT_STREQ(detached, "pqr");
    EXPECT_STREQ(s.GetString(), "");
    EXPECT_EQ(s.GetLength(), 0);

    s.Attach(detached);
    EXPECT_EQ(s.GetString(), detached);
    EXPECT_EQ(s.GetLength(), 3);
    s.Append("stuvwxyz");
    EXPECT_STREQ(s.GetString(), "pqrstuvwxyz");

    s.Attach(nullptr);
    EXPECT_STREQ(s.GetString(), "");

    // Detaching an empty string still hands out a deletable "".
    for (const EmptyShape& shape : kEmptyShapes) {
        SCOPED_TRACE(shape.name);
        CCharString e;
        shape.make(e);
        char* text = e.Detach();
        ASSERT_NE(text, nullptr);
        EXPECT_STREQ(text, "");
        delete[] text;
    }
}

TEST(CCharString, ComparisonsUseTextOrder)
{
    struct Case {
        const char* left;
        const char* right;
        int expectedSign;
    };
    const Case kCases[] = {{"pqr", "pqr", 0}, {"pq", "pqr", -1}, {"b", "a", 1}, {"", "a", -1}, {"A", "a", -1}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.left << " vs " << c.right);
        const CCharString left(c.left);
        const CCharString right(c.right);
        EXPECT_EQ(left == right, c.expectedSign == 0);
        EXPECT_EQ(left == c.right, c.expectedSign == 0);
        EXPECT_EQ(left != right, c.expectedSign != 0);
        EXPECT_EQ(left != c.right, c.expectedSign != 0);
        EXPECT_EQ(left < right, c.expectedSign < 0);
        EXPECT_EQ(right < left, c.expectedSign > 0);
    }
}

TEST(CCharString, ReleaseFalseKeepsTheBufferForReuse)
{
    CCharString s(std::string(100, 'x').c_str());
    const char* buffer = s.GetString();
    s.Assign("short", false);
    EXPECT_EQ(s.GetString(), buffer);
    s.Clear(false);
    s.Append("again", false);
    EXPECT_EQ(s.GetString(), buffer);
    EXPECT_STREQ(s.GetString(), "again");
}

// Random edits with random release flags, checked after each step against std::string: catches lost
// text, stale terminators and buffer misuse (under AddressSanitizer) across reallocations.
TEST(CCharString, RandomEditsAgreeWithAModelString)
{
    std::mt19937 random(12345);
    auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    auto makeText = [&]() {
        std::string text;
        for (int i = pick(9); i > 0; --i)
            text += "ab"[pick(2)];
        return text;
    };
    CCharString s;
    std::string model;
    for (int step = 0; step < 20000; ++step) {
        const bool release = pick(2) == 0;
        const std::string text = makeText();
        const int length = static_cast<int>(model.size());
        const int op = pick(12);
        SCOPED_TRACE(testing::Message() << "step " << step << " op " << op << " on '" << model << "' with '" << text << "'");
        switch (op) {
        case 0:
            s.Assign(text.c_str(), release);
            model = text;
            break;
        case 1:
            s.Append(text.c_str(), release);
            model += text;
            break;
        case 2: {
            const int n = pick(12) - 2;
            s.Append(text.c_str(), n, release);
            if (n > 0)
                model += text.substr(0, static_cast<size_t>(n));
            break;
        }
        case 3: {
            const int n = pick(length + 3) - 1;
            s.AssignLeft(s, n, release);
            model = n <= 0 ? std::string() : model.substr(0, static_cast<size_t>(n));
            break;
        }
        case 4: {
            const int first = pick(length + 2);
            const int last = pick(length + 3) - 1;
            s.AssignMid(s, first, last, release);
            model = first >= length || last < first ? std::string() : model.substr(static_cast<size_t>(first), static_cast<size_t>(last - first + 1));
            break;
        }
        case 5: {
            const int index = pick(length + 3) - 1;
            s.Insert(text.c_str(), index);
            if (index >= 0 && index <= length)
                model.insert(static_cast<size_t>(index), text);
            break;
        }
        case 6: {
            const std::string pattern = text.substr(0, 2);
            const std::string replacement = makeText().substr(0, 3);
            int expected = 0;
            std::string replaced;
            size_t from = 0;
            for (size_t at; !pattern.empty() && (at = model.find(pattern, from)) != std::string::npos; from = at + pattern.size()) {
                replaced += model.substr(from, at - from) + replacement;
                ++expected;
            }
            EXPECT_EQ(s.Replace(pattern.c_str(), replacement.c_str()), expected);
            if (expected)
                model = replaced + model.substr(from);
            break;
        }
        case 7: {
            const int n = pick(length + 4) - 2;
            s.Truncate(n, release);
            if (n < length)
                model.resize(static_cast<size_t>(n < 0 ? 0 : n));
            break;
        }
        case 8:
            s.Clear(release);
            model.clear();
            break;
        case 9:
            s.Reserve(pick(40), release);
            break;
        case 10: {
            const int n = pick(1000);
            s.Format("%s%d", text.c_str(), n);
            model = text + std::to_string(n);
            break;
        }
        default: {
            CCharString other;
            other.Attach(s.Detach());
            s = other;
            break;
        }
        }
        ASSERT_EQ(std::string(s.GetString()), model);
        ASSERT_EQ(s.GetLength(), static_cast<int>(model.size()));
        ASSERT_EQ(s.Find('\0', 0), static_cast<int>(model.size()));
    }
}

} // namespace
