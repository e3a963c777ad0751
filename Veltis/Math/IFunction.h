#pragma once

#include "Veltis/Serialization/ITypeSerializable.h"

namespace Veltis {
namespace Math {

// A curve y = f(x) as a persistent object: evaluated, copied, and re-created from its class identifier.
class IFunction : public virtual Serialization::ITypeSerializable {
public:
    // Second half of the registry key under which creatable functions register.
    static constexpr const char* kInterfaceId = "{EC7456EE-AA8C-421c-B49E-3E5CA6519665}";

    ~IFunction() override {}
    virtual float GetValue(float x) const = 0;
    // A new object of the same class and state, owned by the caller.
    virtual IFunction* Clone() const = 0;
};

} // namespace Math
} // namespace Veltis
