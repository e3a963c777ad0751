#pragma once

#include "Veltis/SkinEngine/Formula/CFormulaTree.h"

namespace Veltis::SkinEngine
{

// One run of the generated lexer and parser over a formula text. It holds the recognizers, and with
// them the syntax tree, until it is destroyed; the text must outlive it. It never prints. A thread
// reuses one set of recognizers for parse after parse (a parse nested in another gets its own).
class CFormulaParse
{
public:
    // Deeper nesting fails the parse, like a syntax error: the parser recurses about ten calls deep
    // per parenthesis, and the tree walkers and the objects built from a tree once or twice per level.
    static constexpr int kMaximumParenthesisDepth = 128;
    static constexpr int kMaximumTreeDepth = 1024;
    // Skin formulas are short; the recognizers' cost per byte is high enough that a long text hangs.
    static constexpr unsigned kMaximumTextLength = 65536;

    explicit CFormulaParse(char const* formula);
    ~CFormulaParse();
    CFormulaParse(CFormulaParse const&) = delete;
    CFormulaParse& operator=(CFormulaParse const&) = delete;

    // The tree of a formula without syntax errors, within the depth limits; null otherwise.
    CFormulaTree::Node GetTree() const { return m_Tree; }

    // The parser's syntax-error count; a text or a nesting beyond the limits counts as one error.
    unsigned GetSyntaxErrorCount() const { return m_SyntaxErrorCount; }

private:
    void Run(char const* formula);

    struct SRecognizers;
    SRecognizers* m_Recognizers = nullptr;
    CFormulaTree::Node m_Tree = nullptr;
    unsigned m_SyntaxErrorCount = 0;
};

} // namespace Veltis::SkinEngine
