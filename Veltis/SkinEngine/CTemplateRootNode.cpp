#include "Veltis/SkinEngine/CTemplateRootNode.h"

#include "Veltis/SkinEngine/CParsedTemplateRootNodeInstance.h"

namespace Veltis {
namespace SkinEngine {

CTemplateRootNode::CTemplateRootNode(const char* name, const Containers::IConstNamedAttributes* attributes)
    : CTemplateNode(name, attributes), m_InstancesCount(0)
{
}

IParsedTemplateInstance* CTemplateRootNode::Instantiate(const Containers::IConstNamedAttributes& parameters,
                                                        IParserElementHandler& handler)
{
    CParsedTemplateRootNodeInstance* instance = new CParsedTemplateRootNodeInstance(handler, *this, parameters);
    ++m_InstancesCount;
    IParsedTemplateInstance* pending = instance;
    if (instance->Continue()) {
        delete instance;
        pending = nullptr;
    }
    --m_InstancesCount;
    return pending;
}

} // namespace SkinEngine
} // namespace Veltis
