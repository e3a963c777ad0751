#include "Veltis/SkinEngine/Formula/CFormulaTree.h"

#include <antlr3.h>

namespace Veltis::SkinEngine
{

int CFormulaTree::GetType(Node node)
{
    return static_cast<int>(node->getType(node));
}

int CFormulaTree::GetChildCount(Node node)
{
    return static_cast<int>(node->getChildCount(node));
}

CFormulaTree::Node CFormulaTree::GetChild(Node node, int index)
{
    if (index < 0 || index >= GetChildCount(node))
        return nullptr;
    return static_cast<Node>(node->getChild(node, static_cast<ANTLR3_UINT32>(index)));
}

char const* CFormulaTree::GetText(Node node)
{
    pANTLR3_STRING text = node->getText(node);
    if (text == nullptr || text->chars == nullptr)
        return nullptr;
    return reinterpret_cast<char const*>(text->chars);
}

} // namespace Veltis::SkinEngine
