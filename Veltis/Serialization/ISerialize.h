#pragma once

namespace Veltis {
namespace Serialization {

class IWriteDataStream;

// Writes an object's fields as named values.
class ISerialize {
public:
    virtual bool Serialize(IWriteDataStream& stream) const = 0;
    virtual ~ISerialize() {}
};

} // namespace Serialization
} // namespace Veltis
