#pragma once

#include "Veltis/Core/CCharString.h"
#include "Veltis/Serialization/IReadDataStream.h"
#include "Veltis/Serialization/ISerializable.h"
#include "Veltis/Serialization/IWriteDataStream.h"

namespace Veltis {
namespace Serialization {

// A (name, value) pair written as "name" and "value"; instances over char* (the value held as an
// owned string), int and float.
template <class T>
class TSerializableNamedValue : public ISerializable {
public:
    TSerializableNamedValue() : m_Value() {}
    TSerializableNamedValue(const char* name, const T& value) : m_Name(name), m_Value(value) {}

    bool Serialize(IWriteDataStream& stream) const override
    {
        const bool nameWritten = stream.WriteString("name", m_Name.GetString());
        return WriteValue(stream) && nameWritten;
    }

    bool DeSerialize(const IReadDataStream& stream) override
    {
        char* name = nullptr;
        const bool nameRead = stream.ReadString("name", name);
        if (nameRead)
            m_Name.Attach(name);
        return ReadValue(stream) && nameRead;
    }

    const char* GetName() const { return m_Name.GetString(); }
    const T& GetValue() const { return m_Value; }

private:
    bool WriteValue(IWriteDataStream& stream) const;
    bool ReadValue(const IReadDataStream& stream) { return ReadNumber(stream, m_Value); }

    static bool ReadNumber(const IReadDataStream& stream, int& value) { return stream.ReadInt("value", value); }
    static bool ReadNumber(const IReadDataStream& stream, float& value) { return stream.ReadFloat("value", value); }

    Core::CCharString m_Name;
    T m_Value;
};

template <>
inline bool TSerializableNamedValue<int>::WriteValue(IWriteDataStream& stream) const
{
    return stream.WriteInt("value", m_Value);
}

template <>
inline bool TSerializableNamedValue<float>::WriteValue(IWriteDataStream& stream) const
{
    return stream.WriteFloat("value", m_Value);
}

// The text form keeps its value as an owned string.
template <>
class TSerializableNamedValue<char*> : public ISerializable {
public:
    TSerializableNamedValue() {}
    TSerializableNamedValue(const char* name, const char* value) : m_Name(name), m_Value(value) {}

    bool Serialize(IWriteDataStream& stream) const override
    {
        const bool nameWritten = stream.WriteString("name", m_Name.GetString());
        return stream.WriteString("value", m_Value.GetString()) && nameWritten;
    }

    // Without a name the value read is dropped and the pair keeps its old value; with a name and no
    // value the value becomes empty.
    bool DeSerialize(const IReadDataStream& stream) override
    {
        char* name = nullptr;
        const bool nameRead = stream.ReadString("name", name);
        if (nameRead)
            m_Name.Attach(name);
        char* value = nullptr;
        const bool valueRead = stream.ReadString("value", value);
        if (nameRead) {
            if (valueRead)
                m_Value.Attach(value);
            else
                m_Value.Clear();
        } else {
            delete[] value;
        }
        return nameRead && valueRead;
    }

    const char* GetName() const { return m_Name.GetString(); }
    const char* GetValue() const { return m_Value.GetString(); }

private:
    Core::CCharString m_Name;
    Core::CCharString m_Value;
};

} // namespace Serialization
} // namespace Veltis
