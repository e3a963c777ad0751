#include <gtest/gtest.h>

#include <climits>
#include <list>
#include <string>
#include <vector>

#include "Veltis/CoreUtilities/AbbreviateString.h"

using namespace Veltis::CoreUtilities;
using Veltis::Core::CCharString;

TEST(AbbreviateStringTest, ShortensNamesAsTheHostFieldsNeed)
{
    struct Case {
        const char* text;
        int maxLength;
        const char* expected;
    };
    const Case kCases[] = {
        {"Bypass", 8, "Bypass"},
        {"Gain", 4, "Gain"},
        {"Peak 1 Frequency", 16, "Peak 1 Frequency"},
        {"Low Shelf Gain", 12, "LowShelfGain"},
        {"Low Shelf Gain", 13, "Low ShelfGain"},
        {"Low Shelf Gain", 8, "LwShlfGn"},
        {"High Cut Frequency", 8, "HghCtFrc"},
        {"Band 3 Gain", 8, "Band3Gan"},
        {"Output Level", 8, "OutptLvl"},
        {"Attack Time", 8, "AttackTm"},
        {"Oversampling", 8, "Ovrsmplg"},
        {"Peak 1 Frequency", 8, "Pk1Frqnc"},
        {"Peak 1 Frequency", 4, "Pk1F"},
        {"Stereo (Mid/Side)", 10, "Ster(MdSd)"},
        {"Pre-Gain", 6, "PreGan"},
        {"input gain", 5, "inptg"},
        {"output level", 6, "otptll"},
        {"Gain", 3, "Gan"},
        {"Gain", 0, ""},
        {"Low Shelf Gain", 0, ""},
        {"Gain", -1, ""},
        {"Low Shelf Gain", INT_MIN, ""},
        {"", 0, ""},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.text) + " / " + std::to_string(c.maxLength));
        const CCharString text(c.text);
        EXPECT_STREQ(AbbreviateString(text, c.maxLength).GetString(), c.expected);
        EXPECT_STREQ(text.GetString(), c.text);
    }
}

TEST(AbbreviateStringTest, LongerTextsComeBackWithExactlyTheMaximumLength)
{
    const char* const kNames[] = {"Low Shelf Gain", "Stereo (Mid/Side)", "Brickwall  Limiter  Ceiling", "Oversampling"};
    for (const char* name : kNames) {
        for (int maxLength = 0; maxLength < CCharString(name).GetLength(); ++maxLength) {
            SCOPED_TRACE(std::string(name) + " / " + std::to_string(maxLength));
            EXPECT_EQ(AbbreviateString(name, maxLength).GetLength(), maxLength);
        }
    }
}

TEST(AbbreviateStringTest, SplitWordsSkipsEmptyWords)
{
    std::list<CCharString> words;
    words.push_back("kept");
    SplitWords("  Low  Shelf Gain ", words);
    std::vector<std::string> texts;
    for (const CCharString& word : words)
        texts.push_back(word.GetString());
    EXPECT_EQ(texts, (std::vector<std::string>{"kept", "Low", "Shelf", "Gain"}));
}

TEST(AbbreviateStringTest, JoinWordsDropsTheRightmostSpacesFirst)
{
    struct Case {
        const char* text;
        int maxLength;
        const char* expected;
    };
    const Case kCases[] = {
        {"a b c d", 7, "a b c d"},
        {"a b c d", 5, "a bcd"},
        {"a  b", 3, "a b"},
        {" a", 1, "a"},
        {"a ", 1, "a"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.text) + " / " + std::to_string(c.maxLength));
        EXPECT_STREQ(JoinWords(c.text, c.maxLength).GetString(), c.expected);
    }
}

TEST(AbbreviateStringTest, WordStepsRespectTheBudgetAndTheirProtectedCharacters)
{
    typedef int (*Step)(CCharString&, int);
    struct Case {
        const char* name;
        Step step;
        const char* word;
        int budget;
        const char* expected;
        int left;
    };
    const Case kCases[] = {
        {"punctuation may take the first character", &RemovePunctuation, "-a.b", 5, "ab", 3},
        {"punctuation keeps parentheses", &RemovePunctuation, "(a/b)", 5, "(ab)", 4},
        {"vowels from the end, first kept", &RemoveVowels, "aeiou", 2, "aei", 0},
        {"upper-case vowels stay", &RemoveVowels, "AEIOUy", 5, "AEIOU", 4},
        {"a lower-case first vowel stays while budget is left", &RemoveVowels, "aeb", 5, "ab", 4},
        {"doubled letters keep the first of a run", &RemoveDoubledLetters, "aaabb", 5, "ab", 2},
        {"doubling is case-sensitive", &RemoveDoubledLetters, "aAa", 5, "aAa", 5},
        {"lower case: inner nearest the end first", &RemoveLowerCase, "Abcde", 1, "Abce", 0},
        {"lower case: the last character goes last", &RemoveLowerCase, "Abcde", 4, "A", 0},
        {"lower case also takes punctuation", &RemoveLowerCase, "A.B", 1, "AB", 0},
        {"a lower-case first character stays while budget is left", &RemoveLowerCase, "abc", 5, "a", 3},
        {"zero budget changes nothing", &RemoveLowerCase, "abc", 0, "abc", 0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        CCharString word(c.word);
        EXPECT_EQ(c.step(word, c.budget), c.left);
        EXPECT_STREQ(word.GetString(), c.expected);
    }
}
