#pragma once

#include "Veltis/SkinEngine/CParsedTemplateNodeInstance.h"

namespace Veltis {
namespace SkinEngine {

// The placeholder's replay: it completes as soon as it is played again, that is when the instance
// element ends in the skin file.
class CParsedTemplateContentNodeInstance : public CParsedTemplateNodeInstance {
public:
    using CParsedTemplateNodeInstance::CParsedTemplateNodeInstance;

    bool Play(const Containers::IConstNamedAttributes&) override { return true; }
};

} // namespace SkinEngine
} // namespace Veltis
