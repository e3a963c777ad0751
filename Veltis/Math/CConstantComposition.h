#pragma once

#include "Veltis/Core/TOwnershipWithClone.h"
#include "Veltis/Math/IBinaryFunction.h"
#include "Veltis/Math/IConstant.h"
#include "Veltis/Math/IFunction.h"

namespace Veltis {
namespace Math {

// A function applied to a constant (a one-argument call or a negation of a constant formula).
// Each member has its own holder and flag; a copy owns clones of both.
class CConstantComposition : public virtual IConstant {
public:
    static constexpr const char* kClassId = "{83F37E7C-0ABF-4083-9F35-DD6310CC0951}";

    // The factory-made composition, replaced by the read that follows.
    CConstantComposition();
    // No member may be null; both holders get the flag.
    CConstantComposition(const IFunction* function, const IConstant* constFunction, bool owned);
    CConstantComposition(const CConstantComposition& other) = default;
    CConstantComposition& operator=(const CConstantComposition&) = delete;

    bool Serialize(Serialization::IWriteDataStream& stream) const override;
    const char* GetTypeId() const override { return kClassId; }
    float GetValue() const override { return m_Function.Get()->GetValue(m_ConstFunction.Get()->GetValue()); }
    IConstant* Clone() const override { return new CConstantComposition(*this); }
    // A member that is missing, unreadable or stored as null is replaced by its fallback and the
    // result is false; the composition stays complete.
    bool DeSerialize(const Serialization::IReadDataStream& stream) override;

private:
    Core::TOwnershipWithClone<const IFunction> m_Function;
    Core::TOwnershipWithClone<const IConstant> m_ConstFunction;
};

} // namespace Math
} // namespace Veltis
