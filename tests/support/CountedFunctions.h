#pragma once

#include "Veltis/Math/IBinaryFunction.h"
#include "Veltis/Math/IConstant.h"
#include "Veltis/Math/IFunction.h"
#include "Veltis/Runtime/CObjectsFactory.h"
#include "Veltis/Serialization/IReadDataStream.h"
#include "Veltis/Serialization/IWriteDataStream.h"

#include <gtest/gtest.h>

// Function objects of all three kinds that count their constructions and destructions, so that tests
// can tell which members a holder cloned, deleted or left alone. Each has a state of two floats that
// it persists as "a" and "b"; a read that lacks either fails, which gives tests unreadable content.
// They are registered with the object factory registry like the library's own classes.
namespace VeltisTest {

struct CFunctionCounters {
    static inline int s_Constructed = 0;
    static inline int s_Destroyed = 0;
    static void Reset() { s_Constructed = s_Destroyed = 0; }
    static int Alive() { return s_Constructed - s_Destroyed; }
};

// The shared state and persistence of the three counted kinds.
class CCountedState {
public:
    CCountedState(float a, float b) : m_A(a), m_B(b) { ++CFunctionCounters::s_Constructed; }
    CCountedState(const CCountedState& other) : m_A(other.m_A), m_B(other.m_B) { ++CFunctionCounters::s_Constructed; }
    ~CCountedState() { ++CFunctionCounters::s_Destroyed; }

    bool Write(Veltis::Serialization::IWriteDataStream& stream) const
    {
        const bool a = stream.WriteFloat("a", m_A);
        return stream.WriteFloat("b", m_B) && a;
    }
    bool Read(const Veltis::Serialization::IReadDataStream& stream)
    {
        const bool a = stream.ReadFloat("a", m_A);
        return stream.ReadFloat("b", m_B) && a;
    }

    float m_A;
    float m_B;
};

// b alone.
class CCountedConstant : public virtual Veltis::Math::IConstant {
public:
    static constexpr const char* kClassId = "{0C0FFEE1-0001-4a00-8000-000000000001}";
    explicit CCountedConstant(float b = 0.0f) : m_State(0.0f, b) {}
    bool Serialize(Veltis::Serialization::IWriteDataStream& stream) const override { return m_State.Write(stream); }
    bool DeSerialize(const Veltis::Serialization::IReadDataStream& stream) override { return m_State.Read(stream); }
    const char* GetTypeId() const override { return kClassId; }
    float GetValue() const override { return m_State.m_B; }
    IConstant* Clone() const override { return new CCountedConstant(*this); }

private:
    CCountedState m_State;
};

// a * x + b.
class CCountedFunction : public virtual Veltis::Math::IFunction {
public:
    static constexpr const char* kClassId = "{0C0FFEE1-0002-4a00-8000-000000000002}";
    explicit CCountedFunction(float a = 1.0f, float b = 0.0f) : m_State(a, b) {}
    bool Serialize(Veltis::Serialization::IWriteDataStream& stream) const override { return m_State.Write(stream); }
    bool DeSerialize(const Veltis::Serialization::IReadDataStream& stream) override { return m_State.Read(stream); }
    const char* GetTypeId() const override { return kClassId; }
    float GetValue(float x) const override { return m_State.m_A * x + m_State.m_B; }
    IFunction* Clone() const override { return new CCountedFunction(*this); }
    void Set(float a, float b) { m_State.m_A = a; m_State.m_B = b; }

private:
    CCountedState m_State;
};

// a * x + b * y.
class CCountedBinaryFunction : public virtual Veltis::Math::IBinaryFunction {
public:
    static constexpr const char* kClassId = "{0C0FFEE1-0003-4a00-8000-000000000003}";
    explicit CCountedBinaryFunction(float a = 1.0f, float b = 1.0f) : m_State(a, b) {}
    bool Serialize(Veltis::Serialization::IWriteDataStream& stream) const override { return m_State.Write(stream); }
    bool DeSerialize(const Veltis::Serialization::IReadDataStream& stream) override { return m_State.Read(stream); }
    const char* GetTypeId() const override { return kClassId; }
    float GetValue(float x, float y) const override { return m_State.m_A * x + m_State.m_B * y; }
    IBinaryFunction* Clone() const override { return new CCountedBinaryFunction(*this); }

private:
    CCountedState m_State;
};

// A fixture for tests of holders: every counted object a test makes must be gone when it ends.
class CCountedFunctionsFixture : public testing::Test {
protected:
    void SetUp() override { CFunctionCounters::Reset(); }
    void TearDown() override { EXPECT_EQ(CFunctionCounters::Alive(), 0); }
};

inline const bool kCountedFunctionsRegistered =
    Veltis::Runtime::RegisterObjectFactories<CCountedConstant, Veltis::Math::IConstant>() &
    Veltis::Runtime::RegisterObjectFactories<CCountedFunction, Veltis::Math::IFunction>() &
    Veltis::Runtime::RegisterObjectFactories<CCountedBinaryFunction, Veltis::Math::IBinaryFunction>();

} // namespace VeltisTest
