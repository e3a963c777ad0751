#include "Veltis/SkinEngine/Formula/CFormulaParse.h"

#include "Veltis/SkinEngine/Formula/EFormulaTokenType.h"

#include "FormulaLexer.h"
#include "FormulaParser.h"

#include <cstring>
#include <new>

namespace Veltis::SkinEngine
{

namespace
{

// Builders never print; the recognizers' diagnostics would go to the standard error stream.
void DisplayNothing(pANTLR3_BASE_RECOGNIZER, pANTLR3_UINT8*)
{
}

// The deepest nesting of parentheses the parser will see. A ")" with none open cannot close a level
// of the parser's recursion, so it does not lower the count below zero.
int ParenthesisDepth(pANTLR3_COMMON_TOKEN_STREAM tokenStream)
{
    pANTLR3_VECTOR tokens = tokenStream->getTokens(tokenStream);
    if (tokens == nullptr)
        return 0;
    int depth = 0;
    int deepest = 0;
    for (ANTLR3_UINT32 i = 0; i < tokens->count; ++i)
    {
        auto token = static_cast<pANTLR3_COMMON_TOKEN>(tokens->get(tokens, i));
        if (token == nullptr || token->getChannel(token) != ANTLR3_TOKEN_DEFAULT_CHANNEL)
            continue;
        ANTLR3_UINT32 const type = token->getType(token);
        if (type == static_cast<ANTLR3_UINT32>(eFormulaTokenLeftParenthesis))
        {
            if (++depth > deepest)
                deepest = depth;
        }
        else if (type == static_cast<ANTLR3_UINT32>(eFormulaTokenRightParenthesis) && depth > 0)
            --depth;
    }
    return deepest;
}

// Recurses at most `remaining` levels, whatever the depth of the tree.
bool IsTreeWithinDepth(pANTLR3_BASE_TREE tree, int remaining)
{
    if (remaining <= 0)
        return false;
    ANTLR3_UINT32 const count = tree->getChildCount(tree);
    for (ANTLR3_UINT32 i = 0; i < count; ++i)
    {
        auto child = static_cast<pANTLR3_BASE_TREE>(tree->getChild(tree, i));
        if (child != nullptr && !IsTreeWithinDepth(child, remaining - 1))
            return false;
    }
    return true;
}

constexpr ANTLR3_UINT32 kTokenStreamSizeHint = 1025;

} // namespace

struct CFormulaParse::SRecognizers
{
    pANTLR3_INPUT_STREAM m_Input = nullptr;
    pFormulaLexer m_Lexer = nullptr;
    pANTLR3_COMMON_TOKEN_STREAM m_Tokens = nullptr;
    pFormulaParser m_Parser = nullptr;
};

CFormulaParse::CFormulaParse(char const* formula)
{
    if (formula != nullptr)
        Run(formula);
}

CFormulaParse::~CFormulaParse()
{
    if (m_Recognizers == nullptr)
        return;
    // The tree goes with the parser; the tokens with the lexer; their texts with the input stream.
    if (m_Recognizers->m_Parser != nullptr)
        m_Recognizers->m_Parser->free(m_Recognizers->m_Parser);
    if (m_Recognizers->m_Tokens != nullptr)
        m_Recognizers->m_Tokens->free(m_Recognizers->m_Tokens);
    if (m_Recognizers->m_Lexer != nullptr)
        m_Recognizers->m_Lexer->free(m_Recognizers->m_Lexer);
    if (m_Recognizers->m_Input != nullptr)
        m_Recognizers->m_Input->close(m_Recognizers->m_Input);
    delete m_Recognizers;
}

void CFormulaParse::Run(char const* formula)
{
    std::size_t const length = std::strlen(formula);
    if (length > kMaximumTextLength)
    {
        m_SyntaxErrorCount = 1;
        return;
    }
    m_Recognizers = new (std::nothrow) SRecognizers;
    if (m_Recognizers == nullptr)
        return;
    SRecognizers& r = *m_Recognizers;

    // The stream reads the text in place; the runtime crashes on a null stream name.
    auto text = reinterpret_cast<pANTLR3_UINT8>(const_cast<char*>(formula));
    r.m_Input = antlr3StringStreamNew(text, ANTLR3_ENC_8BIT, static_cast<ANTLR3_UINT32>(length), text);
    if (r.m_Input == nullptr)
        return;
    r.m_Lexer = FormulaLexerNew(r.m_Input);
    if (r.m_Lexer == nullptr)
        return;
    r.m_Lexer->pLexer->rec->displayRecognitionError = DisplayNothing;
    r.m_Tokens = antlr3CommonTokenStreamSourceNew(kTokenStreamSizeHint, TOKENSOURCE(r.m_Lexer));
    if (r.m_Tokens == nullptr)
        return;
    if (ParenthesisDepth(r.m_Tokens) > kMaximumParenthesisDepth)
    {
        m_SyntaxErrorCount = 1;
        return;
    }
    r.m_Parser = FormulaParserNew(r.m_Tokens);
    if (r.m_Parser == nullptr)
        return;
    r.m_Parser->pParser->rec->displayRecognitionError = DisplayNothing;

    FormulaParser_formula_return const result = r.m_Parser->formula(r.m_Parser);
    m_SyntaxErrorCount = r.m_Parser->pParser->rec->state->errorCount;
    if (m_SyntaxErrorCount != 0 || result.tree == nullptr)
        return;
    if (IsTreeWithinDepth(result.tree, kMaximumTreeDepth))
        m_Tree = result.tree;
    else
        m_SyntaxErrorCount = 1;
}

} // namespace Veltis::SkinEngine
