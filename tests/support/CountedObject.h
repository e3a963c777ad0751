#pragma once

// An element type that counts its constructions, copies, assignments and destructions, so that tests
// can tell whether a container touched its elements.
namespace VeltisTest {

struct CCountedObject {
    static int s_Constructed;
    static int s_Destroyed;
    static int s_Assigned;
    static void ResetCounters() { s_Constructed = s_Destroyed = s_Assigned = 0; }
    static int Alive() { return s_Constructed - s_Destroyed; }

    CCountedObject() { ++s_Constructed; }
    explicit CCountedObject(int value) : m_Value(value) { ++s_Constructed; }
    CCountedObject(const CCountedObject& other) : m_Value(other.m_Value) { ++s_Constructed; }
    CCountedObject& operator=(const CCountedObject& other)
    {
        m_Value = other.m_Value;
        ++s_Assigned;
        return *this;
    }
    virtual ~CCountedObject() { ++s_Destroyed; }

    int m_Value = 0;
};

} // namespace VeltisTest
