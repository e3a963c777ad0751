#pragma once

namespace Veltis {
namespace SkinEngine {

// A template replay suspended at its inner-content placeholder.
class IParsedTemplateInstance {
public:
    // Replays the rest of the template; true when nothing is left pending.
    virtual bool Continue() = 0;
    virtual ~IParsedTemplateInstance() {}
};

} // namespace SkinEngine
} // namespace Veltis
