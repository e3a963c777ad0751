#pragma once

#include "Veltis/Math/IFunction.h"
#include "Veltis/Math/TNFunctionsAggregate.h"

namespace Veltis {
namespace Math {

// A chain of curves: the value at x is Fn-1(...F1(F0(x))); a null slot passes its input through.
class CFunctionsComposition : public TNFunctionsAggregate<IFunction> {
public:
    static constexpr const char* kClassId = "{C6B18AB7-10C4-46c3-975E-91255060ECA9}";

    explicit CFunctionsComposition(int count = 0, int ownership = 0)
        : TNFunctionsAggregate<IFunction>(count, ownership)
    {
    }
    CFunctionsComposition(const CFunctionsComposition& other) = default;

    const char* GetTypeId() const override { return kClassId; }
    float GetValue(float x) const override
    {
        float value = x;
        const int count = m_Functions.GetCount();
        for (int i = 0; i < count; ++i) {
            if (const IFunction* function = m_Functions[i])
                value = function->GetValue(value);
        }
        return value;
    }
    CFunctionsComposition* Clone() const override { return new CFunctionsComposition(*this); }
};

} // namespace Math
} // namespace Veltis
