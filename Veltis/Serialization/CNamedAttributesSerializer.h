#pragma once

#include "Veltis/Serialization/ISerialize.h"

namespace Veltis {
namespace Containers {
class CNamedAttributes;
}
namespace Serialization {

// Writes a named attribute set as "count" and one (name, value) pair per attribute under "0", "1", ...
class CNamedAttributesSerializer : public ISerialize {
public:
    explicit CNamedAttributesSerializer(Containers::CNamedAttributes* attributes) : m_Attributes(attributes) {}

    // Always true: the results of the writes are not looked at.
    bool Serialize(IWriteDataStream& stream) const override;

private:
    Containers::CNamedAttributes* m_Attributes;
};

} // namespace Serialization
} // namespace Veltis
