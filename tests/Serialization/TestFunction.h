#pragma once

#include "Veltis/Runtime/CObjectsFactory.h"
#include "Veltis/Serialization/IReadDataStream.h"
#include "Veltis/Serialization/ITypeSerializable.h"
#include "Veltis/Serialization/IWriteDataStream.h"

namespace VeltisTest {

// A polymorphic interface and a registered class behind it, for members stored by class identifier.
class ITestFunction : public virtual Veltis::Serialization::ITypeSerializable {
public:
    static constexpr const char* kInterfaceId = "{5B0C7E2A-1D44-4e0b-9A61-3C2F8D7E6A10}";
    virtual float GetGain() const = 0;
};

class CTestGain : public virtual ITestFunction {
public:
    static constexpr const char* kClassId = "{A3E1C9B0-77D2-4f3e-8B15-0D9C6E4F2A71}";
    static inline int s_Alive = 0;

    CTestGain(float gain = 1.0f) : m_Gain(gain) { ++s_Alive; }
    ~CTestGain() override { --s_Alive; }

    bool Serialize(Veltis::Serialization::IWriteDataStream& stream) const override
    {
        return stream.WriteFloat("gain", m_Gain);
    }
    bool DeSerialize(const Veltis::Serialization::IReadDataStream& stream) override
    {
        return stream.ReadFloat("gain", m_Gain);
    }
    const char* GetTypeId() const override { return kClassId; }
    float GetGain() const override { return m_Gain; }

private:
    float m_Gain;
};

// Registered for its class identifier only, so creating it through ITestFunction fails.
class CTestUnlisted : public virtual ITestFunction {
public:
    static constexpr const char* kClassId = "{0F4D2B6C-9E13-4a57-B8C0-5E7A1D3F9B24}";
    bool Serialize(Veltis::Serialization::IWriteDataStream&) const override { return true; }
    bool DeSerialize(const Veltis::Serialization::IReadDataStream&) override { return true; }
    const char* GetTypeId() const override { return kClassId; }
    float GetGain() const override { return 0.0f; }
};

// Writes a type identifier that no factory knows, or none at all.
class CTestAnonymous : public virtual ITestFunction {
public:
    explicit CTestAnonymous(const char* typeId) : m_TypeId(typeId) {}
    bool Serialize(Veltis::Serialization::IWriteDataStream&) const override { return true; }
    bool DeSerialize(const Veltis::Serialization::IReadDataStream&) override { return true; }
    const char* GetTypeId() const override { return m_TypeId; }
    float GetGain() const override { return 0.0f; }

private:
    const char* m_TypeId;
};

inline const bool kTestFunctionsRegistered =
    Veltis::Runtime::RegisterObjectFactories<CTestGain, ITestFunction>() &
    Veltis::Runtime::RegisterObjectFactories<CTestUnlisted>();

} // namespace VeltisTest
