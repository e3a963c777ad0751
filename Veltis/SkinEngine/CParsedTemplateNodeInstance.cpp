#include "Veltis/SkinEngine/CParsedTemplateNodeInstance.h"

#include "Veltis/Containers/CNamedAttributes.h"
#include "Veltis/Containers/ReplaceVariables.h"
#include "Veltis/SkinEngine/CTemplateNode.h"
#include "Veltis/SkinEngine/IParserElementHandler.h"

namespace Veltis {
namespace SkinEngine {

CParsedTemplateNodeInstance::CParsedTemplateNodeInstance(IParserElementHandler& handler, const CTemplateNode& node)
    : m_Handler(handler), m_Node(node), m_NextChild(0), m_Pending(nullptr), m_Started(false)
{
}

CParsedTemplateNodeInstance::~CParsedTemplateNodeInstance()
{
    delete m_Pending;
}

bool CParsedTemplateNodeInstance::Play(const Containers::IConstNamedAttributes& parameters)
{
    if (!m_Started) {
        m_Started = true;
        Containers::CNamedAttributes attributes(m_Node.GetAttributes());
        Containers::ReplaceVariablesInValues(parameters, attributes, '$');
        m_Handler.StartElement(m_Node.GetName(), attributes);
    }
    if (!PlayChildren(parameters))
        return false;
    m_Handler.EndElement(m_Node.GetName());
    return true;
}

bool CParsedTemplateNodeInstance::PlayChildren(const Containers::IConstNamedAttributes& parameters)
{
    if (m_Pending && m_Pending->Play(parameters)) {
        delete m_Pending;
        m_Pending = nullptr;
    }
    while (!m_Pending && m_NextChild < m_Node.GetChildrenCount())
        m_Pending = m_Node.GetChild(m_NextChild++)->CreateInstance(parameters, m_Handler);
    return m_Pending == nullptr;
}

} // namespace SkinEngine
} // namespace Veltis
