#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

struct ANTLR3_COMMON_TOKEN_struct;

namespace Veltis::SkinEngine
{

// The syntax tree of a formula, built by the parser's actions and read by the builders. A thread's
// parser keeps one tree and reuses its nodes from parse to parse, so a parse allocates next to nothing.
class CFormulaTree
{
public:
    struct SNode
    {
        int m_Type = 0;
        std::string m_Text;
        std::vector<SNode*> m_Children;
    };
    typedef SNode const* Node;

    static int GetType(Node node);
    static int GetChildCount(Node node);
    // Null for an index outside the children.
    static Node GetChild(Node node, int index);
    // The node's text, NUL-terminated.
    static char const* GetText(Node node);

    CFormulaTree() = default;
    CFormulaTree(CFormulaTree const&) = delete;
    CFormulaTree& operator=(CFormulaTree const&) = delete;

    // Empties the tree before a parse of text, which the tokens' positions point into.
    void Reset(char const* text, std::size_t length);

    // The building operations never throw, as the parser that calls them is C code: a node that
    // cannot be made, or a missing child, gives null and marks the tree as failed.
    SNode* MakeLeaf(ANTLR3_COMMON_TOKEN_struct* token) noexcept;
    SNode* MakeImaginary(int type, char const* text) noexcept;
    // Returns parent, with child as its last child.
    SNode* AddChild(SNode* parent, SNode* child) noexcept;
    // The operator's node over its two operands.
    SNode* MakeOperation(ANTLR3_COMMON_TOKEN_struct* token, SNode* left, SNode* right) noexcept;

    // True when a node was lost since the last reset: the tree is incomplete and must not be used.
    bool HasFailed() const { return m_Failed; }
    // The nodes kept for reuse.
    std::size_t GetCapacity() const { return m_Nodes.size(); }

private:
    SNode* NewNode(int type) noexcept;

    std::vector<std::unique_ptr<SNode>> m_Nodes;
    std::size_t m_Used = 0;
    char const* m_Text = nullptr;
    std::size_t m_Length = 0;
    bool m_Failed = false;
};

} // namespace Veltis::SkinEngine
