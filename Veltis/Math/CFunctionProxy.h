#pragma once

#include "Veltis/Core/TOwnershipWithClone.h"
#include "Veltis/Math/IFunction.h"

namespace Veltis {
namespace Math {

// A curve that stands in a function tree for another one, its target, which can be replaced after
// the tree is built (function-valued formula parameters). It never forwards to nothing: without a
// target it forwards to the shared identity, which it does not own.
class CFunctionProxy : public virtual IFunction {
public:
    static constexpr const char* kClassId = "{709DCE8B-8C2B-44c4-AF00-EF02D7F53121}";

    // A null target stands for the shared fallback, held without ownership whatever owned says.
    explicit CFunctionProxy(const IFunction* target = nullptr, bool owned = false);
    // The copy owns a clone of the target, whoever owned the source's.
    CFunctionProxy(const CFunctionProxy& other) = default;
    CFunctionProxy& operator=(const CFunctionProxy&) = delete;

    // Releases an owned previous target first. A null target re-targets to the fallback.
    void SetFunction(const IFunction* target, bool owned);

    bool Serialize(Serialization::IWriteDataStream& stream) const override;
    const char* GetTypeId() const override { return kClassId; }
    float GetValue(float x) const override { return m_Target.Get()->GetValue(x); }
    IFunction* Clone() const override { return new CFunctionProxy(*this); }
    // A missing, unreadable or null stored target leaves the proxy on its fallback and fails.
    bool DeSerialize(const Serialization::IReadDataStream& stream) override;

private:
    static const IFunction* GetFallback();

    Core::TOwnershipWithClone<const IFunction> m_Target;
};

} // namespace Math
} // namespace Veltis
