#pragma once

#include "Veltis/SkinEngine/CTemplateNode.h"
#include "Veltis/SkinEngine/IParsedTemplate.h"

namespace Veltis {
namespace SkinEngine {

// The root of one template: named after the template's id, its attributes are the parameter defaults
// and its children the template's top-level elements. The root itself is never replayed.
class CTemplateRootNode : public CTemplateNode, public IParsedTemplate {
public:
    CTemplateRootNode(const char* name = nullptr, const Containers::IConstNamedAttributes* attributes = nullptr);

    IParsedTemplateInstance* Instantiate(const Containers::IConstNamedAttributes& parameters,
                                         IParserElementHandler& handler) override;
    int GetInstancesCount() const override { return m_InstancesCount; }

private:
    int m_InstancesCount;
};

} // namespace SkinEngine
} // namespace Veltis
