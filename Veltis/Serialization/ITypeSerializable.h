#pragma once

#include "Veltis/Serialization/ISerializable.h"

namespace Veltis {
namespace Serialization {

// A serializable object stored polymorphically: its class identifier re-creates it on reading.
class ITypeSerializable : public virtual ISerializable {
public:
    ~ITypeSerializable() override {}
    virtual const char* GetTypeId() const = 0;
};

} // namespace Serialization
} // namespace Veltis
