#pragma once

#include "Veltis/Math/IConstant.h"

namespace Veltis {
namespace Math {

// A number that is the same whatever it is asked: the leaf of every constant expression.
class CConstant : public virtual IConstant {
public:
    static constexpr const char* kClassId = "{8794ACBA-1CC8-4ab8-902F-3A2C352E66CE}";

    explicit CConstant(float value = 0.0f) : m_Value(value) {}

    void SetValue(float value) { m_Value = value; }

    bool Serialize(Serialization::IWriteDataStream& stream) const override;
    const char* GetTypeId() const override { return kClassId; }
    float GetValue() const override { return m_Value; }
    IConstant* Clone() const override { return new CConstant(m_Value); }
    bool DeSerialize(const Serialization::IReadDataStream& stream) override;

private:
    float m_Value;
};

} // namespace Math
} // namespace Veltis
