#pragma once

namespace Veltis {
namespace Containers {
class IConstNamedAttributes;
}
namespace SkinEngine {

// Where element events of the skin language go: the skin parser's dispatch, into which recorded
// templates are replayed. A false result fails the parse; it never stops the events.
class IParserElementHandler {
public:
    virtual bool StartElement(const char* name, const Containers::IConstNamedAttributes& attributes) = 0;
    virtual bool EndElement(const char* name) = 0;
    virtual ~IParserElementHandler() {}
};

} // namespace SkinEngine
} // namespace Veltis
