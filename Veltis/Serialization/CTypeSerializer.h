#pragma once

#include "Veltis/Serialization/ISerialize.h"

namespace Veltis {
namespace Serialization {

class ITypeSerializable;

// Writes a polymorphic member as "isNull", "type" (its class identifier) and "content", so that
// TRuntimeDeSerializer can re-create it through the object factory registry.
class CTypeSerializer : public ISerialize {
public:
    explicit CTypeSerializer(const ITypeSerializable* object = nullptr) : m_Object(object) {}

    bool Serialize(IWriteDataStream& stream) const override;

private:
    const ITypeSerializable* m_Object;
};

} // namespace Serialization
} // namespace Veltis
