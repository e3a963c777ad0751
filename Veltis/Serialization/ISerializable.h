#pragma once

#include "Veltis/Serialization/IDeSerialize.h"
#include "Veltis/Serialization/ISerialize.h"

namespace Veltis {
namespace Serialization {

// An object that both writes and reads itself.
class ISerializable : public virtual ISerialize, public virtual IDeSerialize {
public:
    ~ISerializable() override {}
};

} // namespace Serialization
} // namespace Veltis
