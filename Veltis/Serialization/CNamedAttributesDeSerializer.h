#pragma once

#include "Veltis/Serialization/IDeSerialize.h"

namespace Veltis {
namespace Containers {
class CNamedAttributes;
}
namespace Serialization {

// Replaces a named attribute set with the pairs written by CNamedAttributesSerializer.
class CNamedAttributesDeSerializer : public IDeSerialize {
public:
    explicit CNamedAttributesDeSerializer(Containers::CNamedAttributes* attributes) : m_Attributes(attributes) {}

    // Without "count" the set stays empty and the result is true; a count that is negative or larger
    // than the stream can hold leaves it empty and fails.
    bool DeSerialize(const IReadDataStream& stream) override;

private:
    Containers::CNamedAttributes* m_Attributes;
};

} // namespace Serialization
} // namespace Veltis
