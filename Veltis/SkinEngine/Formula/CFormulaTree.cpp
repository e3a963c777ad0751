#include "Veltis/SkinEngine/Formula/CFormulaTree.h"

#include <antlr3.h>

#include <cstdint>

namespace Veltis::SkinEngine
{

int CFormulaTree::GetType(Node node)
{
    return node->m_Type;
}

int CFormulaTree::GetChildCount(Node node)
{
    return static_cast<int>(node->m_Children.size());
}

CFormulaTree::Node CFormulaTree::GetChild(Node node, int index)
{
    if (index < 0 || index >= GetChildCount(node))
        return nullptr;
    return node->m_Children[static_cast<std::size_t>(index)];
}

char const* CFormulaTree::GetText(Node node)
{
    return node->m_Text.c_str();
}

void CFormulaTree::Reset(char const* text, std::size_t length)
{
    m_Used = 0;
    m_Text = text;
    m_Length = length;
    m_Failed = false;
}

CFormulaTree::SNode* CFormulaTree::NewNode(int type) noexcept
{
    try
    {
        if (m_Used == m_Nodes.size())
            m_Nodes.push_back(std::make_unique<SNode>());
        SNode* node = m_Nodes[m_Used++].get();
        node->m_Type = type;
        node->m_Text.clear();
        node->m_Children.clear();
        return node;
    }
    catch (...)
    {
        m_Failed = true;
        return nullptr;
    }
}

CFormulaTree::SNode* CFormulaTree::MakeLeaf(ANTLR3_COMMON_TOKEN_struct* token) noexcept
{
    if (token == nullptr)
    {
        m_Failed = true;
        return nullptr;
    }
    SNode* node = NewNode(static_cast<int>(token->type));
    if (node == nullptr)
        return nullptr;
    try
    {
        // The lexer's tokens mark their text by its first and last character in the formula; a text
        // set any other way, or positions outside the formula, go through the runtime's own copy.
        auto const first = static_cast<std::uintptr_t>(token->start);
        auto const last = static_cast<std::uintptr_t>(token->stop);
        auto const begin = reinterpret_cast<std::uintptr_t>(m_Text);
        if (token->textState == ANTLR3_TEXT_NONE && m_Text != nullptr && first >= begin && last >= first
            && last - begin < m_Length)
        {
            node->m_Text.assign(m_Text + (first - begin), last - first + 1);
            return node;
        }
        pANTLR3_STRING text = token->getText(token);
        if (text != nullptr && text->chars != nullptr)
            node->m_Text.assign(reinterpret_cast<char const*>(text->chars), text->len);
        return node;
    }
    catch (...)
    {
        m_Failed = true;
        return nullptr;
    }
}

CFormulaTree::SNode* CFormulaTree::MakeImaginary(int type, char const* text) noexcept
{
    SNode* node = NewNode(type);
    if (node == nullptr)
        return nullptr;
    try
    {
        node->m_Text = text;
        return node;
    }
    catch (...)
    {
        m_Failed = true;
        return nullptr;
    }
}

CFormulaTree::SNode* CFormulaTree::AddChild(SNode* parent, SNode* child) noexcept
{
    if (parent == nullptr || child == nullptr)
    {
        m_Failed = true;
        return nullptr;
    }
    try
    {
        parent->m_Children.push_back(child);
        return parent;
    }
    catch (...)
    {
        m_Failed = true;
        return nullptr;
    }
}

CFormulaTree::SNode* CFormulaTree::MakeOperation(ANTLR3_COMMON_TOKEN_struct* token, SNode* left, SNode* right) noexcept
{
    return AddChild(AddChild(MakeLeaf(token), left), right);
}

} // namespace Veltis::SkinEngine
