#include "Veltis/SkinEngine/Formula/EFormulaTokenType.h"

#include "FormulaLexer.h"
#include "FormulaParser.h"

#include "support/FormulaTokenName.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{

using namespace Veltis::SkinEngine;

void DisplayNothing(pANTLR3_BASE_RECOGNIZER, pANTLR3_UINT8*)
{
}

// Every token the lexer returns before end of input, as TYPE"text", with "/99" for the hidden channel.
std::string Lex(char const* text)
{
    auto data = reinterpret_cast<pANTLR3_UINT8>(const_cast<char*>(text));
    pANTLR3_INPUT_STREAM input = antlr3StringStreamNew(data, ANTLR3_ENC_8BIT,
        static_cast<ANTLR3_UINT32>(std::strlen(text)), reinterpret_cast<pANTLR3_UINT8>(const_cast<char*>("test")));
    pFormulaLexer lexer = FormulaLexerNew(input);
    lexer->pLexer->rec->displayRecognitionError = DisplayNothing;
    pANTLR3_TOKEN_SOURCE source = TOKENSOURCE(lexer);
    std::string result;
    for (int guard = 0; guard < 1000; ++guard)
    {
        pANTLR3_COMMON_TOKEN token = source->nextToken(source);
        if (token->getType(token) == ANTLR3_TOKEN_EOF)
            break;
        if (!result.empty())
            result += ' ';
        pANTLR3_STRING tokenText = token->getText(token);
        result += VeltisTest::FormulaTokenName(token->getType(token));
        result += '"';
        result.append(reinterpret_cast<char const*>(tokenText->chars), tokenText->len);
        result += '"';
        if (token->getChannel(token) != ANTLR3_TOKEN_DEFAULT_CHANNEL)
            result += "/" + std::to_string(token->getChannel(token));
    }
    lexer->free(lexer);
    input->close(input);
    return result;
}

struct LexCase
{
    char const* text;
    char const* tokens;
};

void CheckLexCases(LexCase const* cases, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
    {
        SCOPED_TRACE(cases[i].text);
        EXPECT_EQ(Lex(cases[i].text), cases[i].tokens);
    }
}

TEST(FormulaLexer, TokenTypesAreThoseOfTheVocabulary)
{
    struct Case
    {
        int pinned;
        int generated;
        char const* name;
    };
    Case const cases[] = {
        {eFormulaTokenPARAM, PARAM, "PARAM"}, {eFormulaTokenNEGATE, NEGATE, "NEGATE"},
        {eFormulaTokenSTRING, STRING, "STRING"}, {eFormulaTokenOR, OR, "OR"}, {eFormulaTokenAND, AND, "AND"},
        {eFormulaTokenEQUALS, EQUALS, "EQUALS"}, {eFormulaTokenNOTEQUALS, NOTEQUALS, "NOTEQUALS"},
        {eFormulaTokenLTH, LTH, "LTH"}, {eFormulaTokenLTEQ, LTEQ, "LTEQ"}, {eFormulaTokenGT, GT, "GT"},
        {eFormulaTokenGTEQ, GTEQ, "GTEQ"}, {eFormulaTokenPLUS, PLUS, "PLUS"}, {eFormulaTokenMINUS, MINUS, "MINUS"},
        {eFormulaTokenMULT, MULT, "MULT"}, {eFormulaTokenDIV, DIV, "DIV"}, {eFormulaTokenMOD, MOD, "MOD"},
        {eFormulaTokenPOW, POW, "POW"}, {eFormulaTokenNOT, NOT, "NOT"}, {eFormulaTokenINTEGER, INTEGER, "INTEGER"},
        {eFormulaTokenFLOAT, FLOAT, "FLOAT"}, {eFormulaTokenDATETIME, DATETIME, "DATETIME"},
        {eFormulaTokenBOOLEAN, BOOLEAN, "BOOLEAN"}, {eFormulaTokenIDENT, IDENT, "IDENT"},
        {eFormulaTokenEscapeSequence, EscapeSequence, "EscapeSequence"},
        {eFormulaTokenUnicodeEscape, UnicodeEscape, "UnicodeEscape"}, {eFormulaTokenHexDigit, HexDigit, "HexDigit"},
        {eFormulaTokenWS, WS, "WS"}, {eFormulaTokenLeftParenthesis, T__31, "'('"},
        {eFormulaTokenRightParenthesis, T__32, "')'"}, {eFormulaTokenComma, T__33, "','"},
    };
    // The names the parser installs for error display.
    auto empty = reinterpret_cast<pANTLR3_UINT8>(const_cast<char*>(""));
    pANTLR3_INPUT_STREAM input = antlr3StringStreamNew(empty, ANTLR3_ENC_8BIT, 0, empty);
    pFormulaLexer lexer = FormulaLexerNew(input);
    pANTLR3_COMMON_TOKEN_STREAM tokens = antlr3CommonTokenStreamSourceNew(1025, TOKENSOURCE(lexer));
    pFormulaParser parser = FormulaParserNew(tokens);
    pANTLR3_UINT8* names = parser->pParser->rec->state->tokenNames;
    for (Case const& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.pinned, c.generated);
        EXPECT_STREQ(reinterpret_cast<char const*>(names[c.pinned]), c.name);
    }
    char const* const reserved[] = {"<invalid>", "<EOR>", "<DOWN>", "<UP>"};
    for (int i = 0; i < 4; ++i)
        EXPECT_STREQ(reinterpret_cast<char const*>(names[i]), reserved[i]);
    parser->free(parser);
    tokens->free(tokens);
    lexer->free(lexer);
    input->close(input);
}

TEST(FormulaLexer, EndOfInputRepeats)
{
    char const text[] = "a ";
    auto data = reinterpret_cast<pANTLR3_UINT8>(const_cast<char*>(text));
    pANTLR3_INPUT_STREAM input = antlr3StringStreamNew(data, ANTLR3_ENC_8BIT, 2, data);
    pFormulaLexer lexer = FormulaLexerNew(input);
    pANTLR3_TOKEN_SOURCE source = TOKENSOURCE(lexer);
    int const expected[] = {eFormulaTokenIDENT, eFormulaTokenWS, eFormulaTokenEOF, eFormulaTokenEOF, eFormulaTokenEOF};
    for (int type : expected)
    {
        pANTLR3_COMMON_TOKEN token = source->nextToken(source);
        EXPECT_EQ(static_cast<int>(token->getType(token)), type);
    }
    lexer->free(lexer);
    input->close(input);
}

TEST(FormulaLexer, OperatorsAndPunctuation)
{
    LexCase const cases[] = {
        {"", ""},
        {"(),", "LP\"(\" RP\")\" COMMA\",\""},
        {"+-*/%^", "PLUS\"+\" MINUS\"-\" MULT\"*\" DIV\"/\" MOD\"%\" POW\"^\""},
        {"||&&", "OR\"||\" AND\"&&\""},
        {"a<=b", "IDENT\"a\" LTEQ\"<=\" IDENT\"b\""},
        {"a<>b", "IDENT\"a\" NOTEQUALS\"<>\" IDENT\"b\""},
        {"a!=b", "IDENT\"a\" NOTEQUALS\"!=\" IDENT\"b\""},
        {"a< =b", "IDENT\"a\" LTH\"<\" WS\" \"/99 EQUALS\"=\" IDENT\"b\""},
        {"a>b>=c<d", "IDENT\"a\" GT\">\" IDENT\"b\" GTEQ\">=\" IDENT\"c\" LTH\"<\" IDENT\"d\""},
        {"a===b", "IDENT\"a\" EQUALS\"==\" EQUALS\"=\" IDENT\"b\""},
        {"!a", "NOT\"!\" IDENT\"a\""},
        {"!!=", "NOT\"!\" NOTEQUALS\"!=\""},
    };
    CheckLexCases(cases, std::size(cases));
}

TEST(FormulaLexer, WhiteSpaceIsOneHiddenTokenPerCharacter)
{
    LexCase const cases[] = {
        {"  1 ", "WS\" \"/99 WS\" \"/99 INTEGER\"1\" WS\" \"/99"},
        {"\t\n\f\r", "WS\"\t\"/99 WS\"\n\"/99 WS\"\f\"/99 WS\"\r\"/99"},
        // Vertical tab is not white space: it is dropped.
        {"1\v2", "INTEGER\"1\" INTEGER\"2\""},
    };
    CheckLexCases(cases, std::size(cases));
}

TEST(FormulaLexer, WordsAreKeywordsOnlyWhenWholeAndLowerCase)
{
    LexCase const cases[] = {
        {"not a", "NOT\"not\" WS\" \"/99 IDENT\"a\""},
        {"nota not1 NOT", "IDENT\"nota\" WS\" \"/99 IDENT\"not1\" WS\" \"/99 IDENT\"NOT\""},
        {"a or b and c", "IDENT\"a\" WS\" \"/99 OR\"or\" WS\" \"/99 IDENT\"b\" WS\" \"/99 AND\"and\" WS\" \"/99 IDENT\"c\""},
        {"true false", "BOOLEAN\"true\" WS\" \"/99 BOOLEAN\"false\""},
        {"True trueX OR", "IDENT\"True\" WS\" \"/99 IDENT\"trueX\" WS\" \"/99 IDENT\"OR\""},
        {"orx or1 or.x true_ not$", "IDENT\"orx\" WS\" \"/99 IDENT\"or1\" WS\" \"/99 IDENT\"or.x\" WS\" \"/99 "
                                    "IDENT\"true_\" WS\" \"/99 IDENT\"not$\""},
        {"or(", "OR\"or\" LP\"(\""},
        {"and", "AND\"and\""},
        {"x.y_2$", "IDENT\"x.y_2$\""},
        {"_a $b a.b.c", "IDENT\"_a\" WS\" \"/99 IDENT\"$b\" WS\" \"/99 IDENT\"a.b.c\""},
        {"2x", "INTEGER\"2\" IDENT\"x\""},
    };
    CheckLexCases(cases, std::size(cases));
}

TEST(FormulaLexer, Numbers)
{
    LexCase const cases[] = {
        {"007", "INTEGER\"007\""},
        {".5", "FLOAT\".5\""},
        {"5.25", "FLOAT\"5.25\""},
        {"1.5.3", "FLOAT\"1.5\" FLOAT\".3\""},
        {"1e5", "INTEGER\"1\" IDENT\"e5\""},
        // A float without a digit after the point drops the digits, the point and one more character.
        {"5.", ""},
        {"2+5.", "INTEGER\"2\" PLUS\"+\""},
        {"7.x", ""},
        {"7.xy", "IDENT\"y\""},
        {"1.+2", "INTEGER\"2\""},
        {".", ""},
        {". 3", "INTEGER\"3\""},
    };
    CheckLexCases(cases, std::size(cases));
}

TEST(FormulaLexer, LoneBarOrAmpersandDropsThreeCharacters)
{
    LexCase const cases[] = {
        {"a | b", "IDENT\"a\" WS\" \"/99"},
        {"a || b", "IDENT\"a\" WS\" \"/99 OR\"||\" WS\" \"/99 IDENT\"b\""},
        {"&xyz", "IDENT\"z\""},
        {"|", ""},
        {"1|", "INTEGER\"1\""},
        {"&&&1+2", "AND\"&&\" INTEGER\"2\""},
    };
    CheckLexCases(cases, std::size(cases));
}

TEST(FormulaLexer, Strings)
{
    LexCase const cases[] = {
        {"'a\\nb'", "STRING\"'a\\nb'\""},
        {"'it\\'s'", "STRING\"'it\\'s'\""},
        {"'\\r\\t\\\\'", "STRING\"'\\r\\t\\\\'\""},
        {"'\\u00e9\\uABCD'", "STRING\"'\\u00e9\\uABCD'\""},
        {"''", "STRING\"''\""},
        {"'a''b'", "STRING\"'a'\" STRING\"'b'\""},
        {"' \"#~\x7f\x80\xff'", "STRING\"' \"#~\x7f\x80\xff'\""},
        // An unknown escape drops up to the backslash and the character after it.
        {"'a\\x'", ""},
        {"x'\\b'y'", "IDENT\"x\" STRING\"'y'\""},
        {"'\\", ""},
        // A short Unicode escape drops up to the first non-hexadecimal character and one more.
        {"'\\u12G45'1'", "INTEGER\"5\" STRING\"'1'\""},
        // A control character drops up to itself and one more.
        {"'ab\tcd 'x'", "IDENT\"d\" WS\" \"/99 STRING\"'x'\""},
        // Unterminated: everything to the end.
        {"1 'abc", "INTEGER\"1\" WS\" \"/99"},
    };
    CheckLexCases(cases, std::size(cases));
}

TEST(FormulaLexer, DateTimes)
{
    LexCase const cases[] = {
        {"#2024-01-31 12:00#", "DATETIME\"#2024-01-31 12:00#\""},
        {"#'\n\x80#", "DATETIME\"#'\n\x80#\""},
        {"##", "DATETIME\"##\""},
        {"1 #abc", "INTEGER\"1\" WS\" \"/99"},
    };
    CheckLexCases(cases, std::size(cases));
}

TEST(FormulaLexer, CharactersNoTokenBeginsWithAreDroppedOneByOne)
{
    LexCase const cases[] = {
        {"a @ b", "IDENT\"a\" WS\" \"/99 WS\" \"/99 IDENT\"b\""},
        {"a@", "IDENT\"a\""},
        {"1\"2:3;4?5[6]7\\8`9{0}1~2\x7f" "3", "INTEGER\"1\" INTEGER\"2\" INTEGER\"3\" INTEGER\"4\" INTEGER\"5\" "
                                          "INTEGER\"6\" INTEGER\"7\" INTEGER\"8\" INTEGER\"9\" INTEGER\"0\" "
                                          "INTEGER\"1\" INTEGER\"2\" INTEGER\"3\""},
        {"\x01\x08\x0e\x1f", ""},
        {"a\x80\xff b\xc3\xa9", "IDENT\"a\" WS\" \"/99 IDENT\"b\""},
    };
    CheckLexCases(cases, std::size(cases));
}

} // namespace
