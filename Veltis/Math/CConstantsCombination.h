#pragma once

#include "Veltis/Math/IConstant.h"
#include "Veltis/Math/TNFunctionsCombination.h"

namespace Veltis {
namespace Math {

// Two constants joined by a function of two variables (binary operators of constant formulas).
class CConstantsCombination : public TNFunctionsCombination<IConstant> {
public:
    static constexpr const char* kClassId = "{5145420A-1DCF-449e-8AC4-0006CF96D0F2}";

    // The factory-made combination: shared defaults, not owned, replaced by the read that follows.
    CConstantsCombination();
    CConstantsCombination(const IConstant* func1, const IConstant* func2, const IBinaryFunction* combineFunction, bool owned)
        : TNFunctionsCombination<IConstant>(func1, func2, combineFunction, owned)
    {
    }
    CConstantsCombination(const CConstantsCombination& other) = default;

    const char* GetTypeId() const override { return kClassId; }
    float GetValue() const override
    {
        const float v1 = m_Func1->GetValue();
        const float v2 = m_Func2->GetValue();
        return m_CombineFunction->GetValue(v1, v2);
    }
    IConstant* Clone() const override { return new CConstantsCombination(*this); }
    IConstant* CreateDefaultFunction() const override;
};

} // namespace Math
} // namespace Veltis
