#pragma once

#include "Veltis/Math/IBinaryFunction.h"
#include "Veltis/Math/TNFunctionsCombination.h"

namespace Veltis {
namespace Math {

// Two surfaces joined pointwise by a function of two variables.
class CBinaryFunctionsCombination : public TNFunctionsCombination<IBinaryFunction> {
public:
    static constexpr const char* kClassId = "{A8FBFEF4-0FFE-41a6-83AC-D8B94B84AABF}";

    // The factory-made combination: shared defaults, not owned, replaced by the read that follows.
    CBinaryFunctionsCombination();
    CBinaryFunctionsCombination(const IBinaryFunction* func1, const IBinaryFunction* func2, const IBinaryFunction* combineFunction, bool owned)
        : TNFunctionsCombination<IBinaryFunction>(func1, func2, combineFunction, owned)
    {
    }
    CBinaryFunctionsCombination(const CBinaryFunctionsCombination& other) = default;

    const char* GetTypeId() const override { return kClassId; }
    float GetValue(float x, float y) const override
    {
        const float v1 = m_Func1->GetValue(x, y);
        const float v2 = m_Func2->GetValue(x, y);
        return m_CombineFunction->GetValue(v1, v2);
    }
    IBinaryFunction* Clone() const override { return new CBinaryFunctionsCombination(*this); }
    IBinaryFunction* CreateDefaultFunction() const override;
};

} // namespace Math
} // namespace Veltis
