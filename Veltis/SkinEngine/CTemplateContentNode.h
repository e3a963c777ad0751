#pragma once

#include "Veltis/SkinEngine/CTemplateNode.h"

namespace Veltis {
namespace SkinEngine {

// The inner-content placeholder of a template: its replay stays pending, which suspends every
// ancestor until the instance element ends. Its attributes and children are never replayed.
class CTemplateContentNode : public CTemplateNode {
public:
    using CTemplateNode::CTemplateNode;

    CParsedTemplateNodeInstance* CreateInstance(const Containers::IConstNamedAttributes& parameters,
                                                IParserElementHandler& handler) const override;
};

} // namespace SkinEngine
} // namespace Veltis
