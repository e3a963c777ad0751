#pragma once

#include "Veltis/Core/TOwnershipWithClone.h"
#include "Veltis/Math/IBinaryFunction.h"

namespace Veltis {
namespace Math {

// A surface that stands in a function tree for another one, its target, which can be replaced after
// the tree is built. Without a target it forwards to the shared average, which it does not own.
class CBinaryFunctionProxy : public virtual IBinaryFunction {
public:
    static constexpr const char* kClassId = "{3F409A8F-20F5-4531-80DA-99441215C125}";

    // A null target stands for the shared fallback, held without ownership whatever owned says.
    explicit CBinaryFunctionProxy(const IBinaryFunction* target = nullptr, bool owned = false);
    // The copy owns a clone of the target, whoever owned the source's.
    CBinaryFunctionProxy(const CBinaryFunctionProxy& other) = default;
    CBinaryFunctionProxy& operator=(const CBinaryFunctionProxy&) = delete;

    // Releases an owned previous target first. A null target re-targets to the fallback.
    void SetFunction(const IBinaryFunction* target, bool owned);

    bool Serialize(Serialization::IWriteDataStream& stream) const override;
    const char* GetTypeId() const override { return kClassId; }
    float GetValue(float x, float y) const override { return m_Target.Get()->GetValue(x, y); }
    IBinaryFunction* Clone() const override { return new CBinaryFunctionProxy(*this); }
    // A missing, unreadable or null stored target leaves the proxy on its fallback and fails.
    bool DeSerialize(const Serialization::IReadDataStream& stream) override;

private:
    static const IBinaryFunction* GetFallback();

    Core::TOwnershipWithClone<const IBinaryFunction> m_Target;
};

} // namespace Math
} // namespace Veltis
