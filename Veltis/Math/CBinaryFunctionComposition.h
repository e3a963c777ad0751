#pragma once

#include "Veltis/Core/TOwnershipWithClone.h"
#include "Veltis/Math/IBinaryFunction.h"
#include "Veltis/Math/IConstant.h"
#include "Veltis/Math/IFunction.h"

namespace Veltis {
namespace Math {

// A function applied to the value of a surface: function(binaryFunction(x, y)).
// Each member has its own holder and flag; a copy owns clones of both.
class CBinaryFunctionComposition : public virtual IBinaryFunction {
public:
    static constexpr const char* kClassId = "{D9BEEC6F-C530-46c7-A19C-FF009E5E2C26}";

    // The factory-made composition, replaced by the read that follows.
    CBinaryFunctionComposition();
    // No member may be null; both holders get the flag.
    CBinaryFunctionComposition(const IFunction* function, const IBinaryFunction* binaryFunction, bool owned);
    CBinaryFunctionComposition(const CBinaryFunctionComposition& other) = default;
    CBinaryFunctionComposition& operator=(const CBinaryFunctionComposition&) = delete;

    bool Serialize(Serialization::IWriteDataStream& stream) const override;
    const char* GetTypeId() const override { return kClassId; }
    float GetValue(float x, float y) const override { return m_Function.Get()->GetValue(m_BinaryFunction.Get()->GetValue(x, y)); }
    IBinaryFunction* Clone() const override { return new CBinaryFunctionComposition(*this); }
    // A member that is missing, unreadable or stored as null is replaced by its fallback and the
    // result is false; the composition stays complete.
    bool DeSerialize(const Serialization::IReadDataStream& stream) override;

private:
    Core::TOwnershipWithClone<const IFunction> m_Function;
    Core::TOwnershipWithClone<const IBinaryFunction> m_BinaryFunction;
};

} // namespace Math
} // namespace Veltis
