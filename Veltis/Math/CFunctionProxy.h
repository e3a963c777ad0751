#pragma once

#include "Veltis/Math/IFunction.h"
#include "Veltis/Math/TFunctionProxy.h"

namespace Veltis {
namespace Math {

// A curve that stands in a function tree for another one, its target, which can be replaced after
// the tree is built (function-valued formula parameters). It never forwards to nothing: without a
// target it forwards to the shared identity, which it does not own.
class CFunctionProxy : public TFunctionProxy<CFunctionProxy, IFunction> {
public:
    static constexpr const char* kClassId = "{709DCE8B-8C2B-44c4-AF00-EF02D7F53121}";

    // A null target stands for the shared fallback, held without ownership whatever owned says.
    explicit CFunctionProxy(const IFunction* target = nullptr, bool owned = false) : TFunctionProxy(target, owned) {}
    // The copy owns a clone of the target, whoever owned the source's.
    CFunctionProxy(const CFunctionProxy& other) = default;

    const char* GetTypeId() const override { return kClassId; }
    float GetValue(float x) const override { return GetTarget().GetValue(x); }
    IFunction* Clone() const override { return new CFunctionProxy(*this); }

    static const IFunction* GetFallback();
};

} // namespace Math
} // namespace Veltis
