#pragma once

#include "Veltis/Math/IBinaryFunction.h"
#include "Veltis/Math/TFunctionProxy.h"

namespace Veltis {
namespace Math {

// A surface that stands in a function tree for another one, its target, which can be replaced after
// the tree is built. Without a target it forwards to the shared average, which it does not own.
class CBinaryFunctionProxy : public TFunctionProxy<CBinaryFunctionProxy, IBinaryFunction> {
public:
    static constexpr const char* kClassId = "{3F409A8F-20F5-4531-80DA-99441215C125}";

    // A null target stands for the shared fallback, held without ownership whatever owned says.
    explicit CBinaryFunctionProxy(const IBinaryFunction* target = nullptr, bool owned = false)
        : TFunctionProxy(target, owned)
    {
    }
    // The copy owns a clone of the target, whoever owned the source's.
    CBinaryFunctionProxy(const CBinaryFunctionProxy& other) = default;

    const char* GetTypeId() const override { return kClassId; }
    float GetValue(float x, float y) const override { return GetTarget().GetValue(x, y); }
    IBinaryFunction* Clone() const override { return new CBinaryFunctionProxy(*this); }

    static const IBinaryFunction* GetFallback();
};

} // namespace Math
} // namespace Veltis
