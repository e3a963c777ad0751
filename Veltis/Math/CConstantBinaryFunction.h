#pragma once

#include "Veltis/Math/IBinaryFunction.h"

namespace Veltis {
namespace Math {

// A flat surface: the same value for every (x, y).
class CConstantBinaryFunction : public virtual IBinaryFunction {
public:
    static constexpr const char* kClassId = "{D21815E0-885C-4996-B493-90E08E953055}";

    explicit CConstantBinaryFunction(float value = 0.0f) : m_Value(value) {}

    void SetValue(float value) { m_Value = value; }

    bool Serialize(Serialization::IWriteDataStream& stream) const override;
    const char* GetTypeId() const override { return kClassId; }
    float GetValue(float /*x*/, float /*y*/) const override { return m_Value; }
    IBinaryFunction* Clone() const override { return new CConstantBinaryFunction(m_Value); }
    bool DeSerialize(const Serialization::IReadDataStream& stream) override;

private:
    float m_Value;
};

} // namespace Math
} // namespace Veltis
