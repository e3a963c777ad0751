#pragma once

#include "Veltis/Serialization/ITypeSerializable.h"

namespace Veltis {
namespace Math {

// A surface z = f(x, y) as a persistent object: evaluated, copied, and re-created from its class
// identifier.
class IBinaryFunction : public virtual Serialization::ITypeSerializable {
public:
    // Second half of the registry key under which creatable binary functions register.
    static constexpr const char* kInterfaceId = "{C3FE0CFA-7AAC-413b-B803-A9B885B86EE1}";

    ~IBinaryFunction() override {}
    virtual float GetValue(float x, float y) const = 0;
    // A new object of the same class and state, owned by the caller.
    virtual IBinaryFunction* Clone() const = 0;
};

} // namespace Math
} // namespace Veltis
