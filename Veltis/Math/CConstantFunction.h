#pragma once

#include "Veltis/Math/IFunction.h"

namespace Veltis {
namespace Math {

// A flat curve: the same value for every x (default curves, gain outputs).
class CConstantFunction : public virtual IFunction {
public:
    static constexpr const char* kClassId = "{72E2E475-5248-41cb-BBE2-9E1F1E4BAF30}";

    explicit CConstantFunction(float value = 0.0f) : m_Value(value) {}

    void SetValue(float value) { m_Value = value; }

    // The stored value without an abscissa, for owners that read their flat curve back.
    float GetValue() const { return m_Value; }

    bool Serialize(Serialization::IWriteDataStream& stream) const override;
    const char* GetTypeId() const override { return kClassId; }
    float GetValue(float /*x*/) const override { return m_Value; }
    IFunction* Clone() const override { return new CConstantFunction(m_Value); }
    bool DeSerialize(const Serialization::IReadDataStream& stream) override;

private:
    float m_Value;
};

} // namespace Math
} // namespace Veltis
