#pragma once

struct ANTLR3_BASE_TREE_struct;

namespace Veltis::SkinEngine
{

// Read access to the nodes of a formula's syntax tree, so that the builders need no parser headers.
class CFormulaTree
{
public:
    typedef ANTLR3_BASE_TREE_struct* Node;

    static int GetType(Node node);
    static int GetChildCount(Node node);
    // Null for an index outside the children.
    static Node GetChild(Node node, int index);
    // The node's text, NUL-terminated; null when it has none.
    static char const* GetText(Node node);
};

} // namespace Veltis::SkinEngine
