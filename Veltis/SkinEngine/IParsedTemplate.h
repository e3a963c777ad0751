#pragma once

namespace Veltis {
namespace Containers {
class IConstNamedAttributes;
}
namespace SkinEngine {

class IParsedTemplateInstance;
class IParserElementHandler;

// A recorded stretch of elements that can be replayed any number of times. Deleting it deletes the
// recording.
class IParsedTemplate {
public:
    // Replays the elements into handler with "$" parameters replaced (the template's defaults overridden
    // by parameters) up to the inner-content placeholder. Null when the whole template was replayed;
    // otherwise the pending instance, which the caller continues and deletes.
    virtual IParsedTemplateInstance* Instantiate(const Containers::IConstNamedAttributes& parameters,
                                                 IParserElementHandler& handler) = 0;
    // How many replays of this template are running, nested ones included.
    virtual int GetInstancesCount() const = 0;
    virtual ~IParsedTemplate() {}
};

} // namespace SkinEngine
} // namespace Veltis
