#include "Veltis/SkinEngine/CTemplateContentNode.h"

#include "Veltis/SkinEngine/CParsedTemplateContentNodeInstance.h"

namespace Veltis {
namespace SkinEngine {

CParsedTemplateNodeInstance* CTemplateContentNode::CreateInstance(const Containers::IConstNamedAttributes&,
                                                                  IParserElementHandler& handler) const
{
    return new CParsedTemplateContentNodeInstance(handler, *this);
}

} // namespace SkinEngine
} // namespace Veltis
