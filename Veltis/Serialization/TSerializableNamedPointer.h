#pragma once

#include "Veltis/Core/CCharString.h"
#include "Veltis/Serialization/ISerializable.h"
#include "Veltis/Serialization/IReadDataStream.h"
#include "Veltis/Serialization/IWriteDataStream.h"

namespace Veltis {
namespace Serialization {

// A (name, existing serializable object) pair; the object is written under "value" and read back
// into itself. The pair never owns the object.
template <class T>
class TSerializableNamedPointer : public ISerializable {
public:
    TSerializableNamedPointer() : m_Object(nullptr) {}
    TSerializableNamedPointer(const char* name, T* object) : m_Name(name), m_Object(object) {}

    bool Serialize(IWriteDataStream& stream) const override
    {
        const bool nameWritten = stream.WriteString("name", m_Name.GetString());
        return m_Object && stream.WriteObject("value", *m_Object) && nameWritten;
    }

    bool DeSerialize(const IReadDataStream& stream) override
    {
        char* name = nullptr;
        const bool nameRead = stream.ReadString("name", name);
        if (nameRead)
            m_Name.Attach(name);
        return m_Object && stream.ReadObject("value", *m_Object) && nameRead;
    }

    const char* GetName() const { return m_Name.GetString(); }
    T* GetObject() const { return m_Object; }

private:
    Core::CCharString m_Name;
    T* m_Object;
};

} // namespace Serialization
} // namespace Veltis
