#pragma once

#include "Veltis/Containers/CNamedAttributes.h"
#include "Veltis/SkinEngine/CParsedTemplateNodeInstance.h"
#include "Veltis/SkinEngine/IParsedTemplateInstance.h"

namespace Veltis {
namespace SkinEngine {

class CTemplateRootNode;

// The replay of a whole template with its own parameter set: the template's defaults overridden by
// the instance's parameters.
class CParsedTemplateRootNodeInstance : public CParsedTemplateNodeInstance, public IParsedTemplateInstance {
public:
    CParsedTemplateRootNodeInstance(IParserElementHandler& handler, const CTemplateRootNode& root,
                                    const Containers::IConstNamedAttributes& parameters);

    bool Play(const Containers::IConstNamedAttributes&) override { return Continue(); }
    bool Continue() override;

private:
    Containers::CNamedAttributes m_Parameters;
};

} // namespace SkinEngine
} // namespace Veltis
