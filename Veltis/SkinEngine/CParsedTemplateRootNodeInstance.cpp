#include "Veltis/SkinEngine/CParsedTemplateRootNodeInstance.h"

#include "Veltis/SkinEngine/CTemplateRootNode.h"

namespace Veltis {
namespace SkinEngine {

CParsedTemplateRootNodeInstance::CParsedTemplateRootNodeInstance(IParserElementHandler& handler,
                                                                 const CTemplateRootNode& root,
                                                                 const Containers::IConstNamedAttributes& parameters)
    : CParsedTemplateNodeInstance(handler, root), m_Parameters(root.GetAttributes())
{
    m_Parameters.SetValues(parameters, true);
}

bool CParsedTemplateRootNodeInstance::Continue()
{
    return PlayChildren(m_Parameters);
}

} // namespace SkinEngine
} // namespace Veltis
