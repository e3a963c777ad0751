#pragma once

#include "Veltis/Serialization/ISerializable.h"

namespace Veltis {
namespace SkinEngine {

class IParsedTemplate;

// The templates of one recorder by id.
class IParsedTemplatesMap : public Serialization::ISerializable {
public:
    // Null when no template has the id.
    virtual IParsedTemplate* Find(const char* id) const = 0;
    // Takes the template out of the map; the caller then owns it. Null when no template has the id.
    virtual IParsedTemplate* Detach(const char* id) = 0;
};

} // namespace SkinEngine
} // namespace Veltis
