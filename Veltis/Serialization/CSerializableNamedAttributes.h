#pragma once

#include "Veltis/Serialization/CNamedAttributesDeSerializer.h"
#include "Veltis/Serialization/CNamedAttributesSerializer.h"
#include "Veltis/Serialization/ISerializable.h"

namespace Veltis {
namespace Serialization {

// A named attribute set as one serializable object.
class CSerializableNamedAttributes : public ISerializable {
public:
    explicit CSerializableNamedAttributes(Containers::CNamedAttributes* attributes)
        : m_Serializer(attributes), m_DeSerializer(attributes)
    {
    }

    bool Serialize(IWriteDataStream& stream) const override { return m_Serializer.Serialize(stream); }
    bool DeSerialize(const IReadDataStream& stream) override { return m_DeSerializer.DeSerialize(stream); }

private:
    CNamedAttributesSerializer m_Serializer;
    CNamedAttributesDeSerializer m_DeSerializer;
};

} // namespace Serialization
} // namespace Veltis
