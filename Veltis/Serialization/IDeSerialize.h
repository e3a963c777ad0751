#pragma once

namespace Veltis {
namespace Serialization {

class IReadDataStream;

// Reads an object's fields back from named values.
class IDeSerialize {
public:
    virtual bool DeSerialize(const IReadDataStream& stream) = 0;
    virtual ~IDeSerialize() {}
};

} // namespace Serialization
} // namespace Veltis
