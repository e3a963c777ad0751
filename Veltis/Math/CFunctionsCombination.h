#pragma once

#include "Veltis/Math/IFunction.h"
#include "Veltis/Math/TNFunctionsCombination.h"

namespace Veltis {
namespace Math {

// Two curves joined pointwise by a function of two variables (binary operators of formulas of x).
class CFunctionsCombination : public TNFunctionsCombination<IFunction> {
public:
    static constexpr const char* kClassId = "{FA439331-DF20-4e00-8922-1FEEE83F9B39}";

    // The factory-made combination: shared defaults, not owned, replaced by the read that follows.
    CFunctionsCombination();
    CFunctionsCombination(const IFunction* func1, const IFunction* func2, const IBinaryFunction* combineFunction, bool owned)
        : TNFunctionsCombination<IFunction>(func1, func2, combineFunction, owned)
    {
    }
    CFunctionsCombination(const CFunctionsCombination& other) = default;

    const char* GetTypeId() const override { return kClassId; }
    float GetValue(float x) const override
    {
        const float v1 = m_Func1->GetValue(x);
        const float v2 = m_Func2->GetValue(x);
        return m_CombineFunction->GetValue(v1, v2);
    }
    IFunction* Clone() const override { return new CFunctionsCombination(*this); }
    IFunction* CreateDefaultFunction() const override;
};

} // namespace Math
} // namespace Veltis
