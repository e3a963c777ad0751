#include "Veltis/SkinEngine/Formula/CFormulaParse.h"

#include "Veltis/SkinEngine/Formula/EFormulaTokenType.h"

#include "FormulaLexer.h"
#include "FormulaParser.h"

#include <cstring>
#include <memory>
#include <new>

namespace Veltis::SkinEngine
{

namespace
{

// Builders never print; the recognizers' diagnostics would go to the standard error stream.
void DisplayNothing(pANTLR3_BASE_RECOGNIZER, pANTLR3_UINT8*)
{
}

ANTLR3_BOOLEAN PushNothing(pANTLR3_STACK, void*, void(ANTLR3_CDECL*)(void*))
{
    return ANTLR3_TRUE;
}

void* PopNothing(pANTLR3_STACK)
{
    return nullptr;
}

// The parser pushes and pops the follow set of every rule it enters, a seventh of a parse, only so that
// after a syntax error it can skip ahead to a token that may follow. A failed parse is dropped whole,
// and the first error is counted whatever the recovery does, so an empty stack (as the top rule sees)
// makes it skip to the end instead. The parser's reset makes a new stack: call this after each one.
void KeepNoFollowSets(pFormulaParser parser)
{
    pANTLR3_STACK following = parser->pParser->rec->state->following;
    following->push = PushNothing;
    following->pop = PopNothing;
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
bool IsTreeWithinDepth(CFormulaTree::Node tree, int remaining)
{
    if (remaining <= 0)
        return false;
    int const count = CFormulaTree::GetChildCount(tree);
    for (int i = 0; i < count; ++i)
    {
        if (!IsTreeWithinDepth(CFormulaTree::GetChild(tree, i), remaining - 1))
            return false;
    }
    return true;
}

constexpr ANTLR3_UINT32 kTokenStreamSizeHint = 1025;

// A thread's recognizers serve this many parses before they are rebuilt: the runtime keeps what it
// made until its factories close.
constexpr int kMaximumReuses = 128;

// A set whose tree grew beyond this many nodes is not kept, so that one long formula does not hold
// its memory for the rest of the thread's life.
constexpr std::size_t kMaximumKeptNodes = 4096;

} // namespace

// The lexer, token stream, parser and tree of one thread, with their pools. Setting them up costs far
// more than a parse (the pools are zero-filled), so a thread keeps one set and points it at each text;
// a set that grew past its first pools, saw an error or served its share of parses is dropped.
struct CFormulaParse::SRecognizers
{
    pANTLR3_INPUT_STREAM m_Input = nullptr;
    pFormulaLexer m_Lexer = nullptr;
    pANTLR3_COMMON_TOKEN_STREAM m_Tokens = nullptr;
    pFormulaParser m_Parser = nullptr;
    CFormulaTree m_Tree;
    int m_Uses = 0;
    bool m_Busy = false;

    SRecognizers() = default;
    SRecognizers(SRecognizers const&) = delete;
    SRecognizers& operator=(SRecognizers const&) = delete;

    ~SRecognizers()
    {
        // The tokens go with the lexer; their texts with the input stream.
        if (m_Parser != nullptr)
            m_Parser->free(m_Parser);
        if (m_Tokens != nullptr)
            m_Tokens->free(m_Tokens);
        if (m_Lexer != nullptr)
            m_Lexer->free(m_Lexer);
        if (m_Input != nullptr)
            m_Input->close(m_Input);
    }

    // Points the recognizers at text (which must outlive the parse), creating them the first time.
    bool Prepare(pANTLR3_UINT8 text, ANTLR3_UINT32 length)
    {
        ++m_Uses;
        if (m_Input != nullptr)
        {
            m_Input->reuse(m_Input, text, length, text);
            m_Lexer->pLexer->setCharStream(m_Lexer->pLexer, m_Input);
            pANTLR3_TOKEN_FACTORY tokens = m_Lexer->pLexer->rec->state->tokFactory;
            tokens->reset(tokens);
            tokens->setInputStream(tokens, m_Input);
            m_Tokens->reset(m_Tokens);
            m_Tokens->tstream->setTokenSource(m_Tokens->tstream, TOKENSOURCE(m_Lexer));
            m_Parser->pParser->setTokenStream(m_Parser->pParser, m_Tokens->tstream);
            m_Parser->pParser->rec->state->errorCount = 0;
            KeepNoFollowSets(m_Parser);
            m_Tree.Reset(reinterpret_cast<char const*>(text), length);
            return true;
        }
        // The runtime crashes on a null stream name.
        m_Input = antlr3StringStreamNew(text, ANTLR3_ENC_8BIT, length, text);
        if (m_Input == nullptr)
            return false;
        m_Lexer = FormulaLexerNew(m_Input);
        if (m_Lexer == nullptr)
            return false;
        m_Lexer->pLexer->rec->displayRecognitionError = DisplayNothing;
        m_Tokens = antlr3CommonTokenStreamSourceNew(kTokenStreamSizeHint, TOKENSOURCE(m_Lexer));
        if (m_Tokens == nullptr)
            return false;
        m_Parser = FormulaParserNew(m_Tokens);
        if (m_Parser == nullptr)
            return false;
        m_Parser->pParser->rec->displayRecognitionError = DisplayNothing;
        KeepNoFollowSets(m_Parser);
        m_Parser->m_Tree = &m_Tree;
        m_Tree.Reset(reinterpret_cast<char const*>(text), length);
        return true;
    }

    // The runtime sets a pooled token's stream only the first time the slot is used: the tokens
    // of a reused set are pointed at the stream again, as its string factory may be a new one.
    void AttachTokensToText()
    {
        if (m_Uses <= 1)
            return;
        pANTLR3_VECTOR tokens = m_Tokens->getTokens(m_Tokens);
        if (tokens == nullptr)
            return;
        for (ANTLR3_UINT32 i = 0; i < tokens->count; ++i)
        {
            auto token = static_cast<pANTLR3_COMMON_TOKEN>(tokens->get(tokens, i));
            if (token == nullptr)
                continue;
            token->input = m_Input;
            token->strFactory = m_Input->strFactory;
        }
    }

    // After a parse whose tree is gone: true when the set may serve the next parse, false when it
    // must be dropped.
    bool Recycle()
    {
        if (m_Parser == nullptr || m_Uses >= kMaximumReuses)
            return false;
        if (m_Lexer->pLexer->rec->state->tokFactory->maxPool != 0)
            return false;
        return m_Tree.GetCapacity() <= kMaximumKeptNodes;
    }

    static std::unique_ptr<SRecognizers>& OfThisThread()
    {
        thread_local std::unique_ptr<SRecognizers> recognizers;
        return recognizers;
    }
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
    std::unique_ptr<SRecognizers>& shared = SRecognizers::OfThisThread();
    if (shared.get() != m_Recognizers)
    {
        delete m_Recognizers;
        return;
    }
    m_Recognizers->m_Busy = false;
    if (m_Tree == nullptr || m_SyntaxErrorCount != 0 || !m_Recognizers->Recycle())
        shared.reset();
}

void CFormulaParse::Run(char const* formula)
{
    std::size_t const length = std::strlen(formula);
    if (length > kMaximumTextLength)
    {
        m_SyntaxErrorCount = 1;
        return;
    }
    // A parse running further up this thread's stack keeps the shared set; this one gets its own.
    std::unique_ptr<SRecognizers>& shared = SRecognizers::OfThisThread();
    if (shared == nullptr)
        shared.reset(new (std::nothrow) SRecognizers);
    if (shared != nullptr && !shared->m_Busy)
    {
        m_Recognizers = shared.get();
        m_Recognizers->m_Busy = true;
    }
    else
        m_Recognizers = new (std::nothrow) SRecognizers;
    if (m_Recognizers == nullptr)
        return;
    SRecognizers& r = *m_Recognizers;

    // The stream reads the text in place.
    auto text = reinterpret_cast<pANTLR3_UINT8>(const_cast<char*>(formula));
    if (!r.Prepare(text, static_cast<ANTLR3_UINT32>(length)))
        return;
    r.AttachTokensToText();
    if (ParenthesisDepth(r.m_Tokens) > kMaximumParenthesisDepth)
    {
        m_SyntaxErrorCount = 1;
        return;
    }

    CFormulaTree::Node const tree = r.m_Parser->formula(r.m_Parser);
    m_SyntaxErrorCount = r.m_Parser->pParser->rec->state->errorCount;
    // A tree that lost a node to a failed allocation is no tree, though the text was fine.
    if (m_SyntaxErrorCount != 0 || tree == nullptr || r.m_Tree.HasFailed())
        return;
    if (IsTreeWithinDepth(tree, kMaximumTreeDepth))
        m_Tree = tree;
    else
        m_SyntaxErrorCount = 1;
}

} // namespace Veltis::SkinEngine
