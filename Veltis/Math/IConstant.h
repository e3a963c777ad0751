#pragma once

#include "Veltis/Serialization/ITypeSerializable.h"

namespace Veltis {
namespace Math {

// A number as a persistent object: evaluated, copied, and re-created from its class identifier.
class IConstant : public virtual Serialization::ITypeSerializable {
public:
    // Second half of the registry key under which creatable constants register.
    static constexpr const char* kInterfaceId = "{EAD44198-7EE3-4880-BC12-476597EF40AA}";

    ~IConstant() override {}
    virtual float GetValue() const = 0;
    // A new object of the same class and state, owned by the caller.
    virtual IConstant* Clone() const = 0;
};

} // namespace Math
} // namespace Veltis
