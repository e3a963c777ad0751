#include "Veltis/Core/CCharStringTokenizer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Veltis::Core::CCharString;
using Veltis::Core::CCharStringTokenizer;

namespace {

typedef std::vector<std::string> Tokens;

Tokens WalkForward(const CCharString& source, char separator)
{
    Tokens tokens;
    CCharStringTokenizer tokenizer(source, separator);
    for (tokenizer.First(); !tokenizer.IsDone(); tokenizer.Next()) {
        tokens.push_back(tokenizer.GetToken().GetString());
        if (tokens.size() > 100)
            break;
    }
    return tokens;
}

Tokens WalkBackward(const CCharString& source, char separator)
{
    Tokens tokens;
    CCharStringTokenizer tokenizer(source, separator);
    for (tokenizer.Last(); !tokenizer.IsDone(); tokenizer.Previous()) {
        tokens.push_back(tokenizer.GetToken().GetString());
        if (tokens.size() > 100)
            break;
    }
    return tokens;
}

TEST(CCharStringTokenizer, WalksBothWays)
{
    struct Case {
        const char* source;
        Tokens forward;
        Tokens backward;
    };
    const Case kCases[] = {
        {"p,,q", {"p", "", "q"}, {"q", "", "p"}},
        {",p", {"", "p"}, {"p", ""}},
        {"p,", {"p", ""}, {"", "p"}},
        {",", {"", ""}, {"", ""}},
        {",,", {"", "", ""}, {"", "", ""}},
        {"", {}, {}},
        {"pqr", {"pqr"}, {"pqr"}},
        {"p,q,r", {"p", "q", "r"}, {"r", "q", "p"}},
        {"ab,cd", {"ab", "cd"}, {"cd", "ab"}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.source);
        const CCharString source(c.source);
        EXPECT_EQ(WalkForward(source, ','), c.forward);
        EXPECT_EQ(WalkBackward(source, ','), c.backward);
    }
}

TEST(CCharStringTokenizer, EmptySourceIsDoneAtOnce)
{
    const CCharString empty;
    CCharStringTokenizer tokenizer(empty, ',');
    tokenizer.First();
    EXPECT_TRUE(tokenizer.IsDone());
    EXPECT_STREQ(tokenizer.GetToken().GetString(), "");
    tokenizer.Last();
    EXPECT_TRUE(tokenizer.IsDone());
}

TEST(CCharStringTokenizer, ChangingDirectionStepsOverTheCurrentToken)
{
    const CCharString source("p,q,r");
    CCharStringTokenizer tokenizer(source, ',');
    tokenizer.First();
    tokenizer.Next();
    ASSERT_STREQ(tokenizer.GetString(), "q");
    tokenizer.Previous();
    EXPECT_FALSE(tokenizer.IsDone());
    EXPECT_STREQ(tokenizer.GetString(), "p");

    tokenizer.Last();
    tokenizer.Previous();
    ASSERT_STREQ(tokenizer.GetString(), "q");
    tokenizer.Next();
    EXPECT_FALSE(tokenizer.IsDone());
    EXPECT_STREQ(tokenizer.GetString(), "r");
}

TEST(CCharStringTokenizer, AnEndedWalkStaysEndedUntilFirstOrLast)
{
    const CCharString source("p,q");
    CCharStringTokenizer tokenizer(source, ',');
    tokenizer.First();
    tokenizer.Next();
    tokenizer.Next();
    ASSERT_TRUE(tokenizer.IsDone());
    tokenizer.Previous();
    EXPECT_TRUE(tokenizer.IsDone());
    tokenizer.Next();
    EXPECT_TRUE(tokenizer.IsDone());
    EXPECT_STREQ(tokenizer.GetString(), "");

    tokenizer.Last();
    EXPECT_FALSE(tokenizer.IsDone());
    EXPECT_STREQ(tokenizer.GetString(), "q");
    tokenizer.First();
    EXPECT_STREQ(tokenizer.GetString(), "p");
}

TEST(CCharStringTokenizer, SplitsLinesAtLineFeed)
{
    const CCharString source("first line\nsecond\n");
    EXPECT_EQ(WalkForward(source, '\n'), (Tokens{"first line", "second", ""}));
}

} // namespace
