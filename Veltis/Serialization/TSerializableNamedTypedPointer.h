#pragma once

#include "Veltis/Core/CCharString.h"
#include "Veltis/Serialization/CTypeSerializer.h"
#include "Veltis/Serialization/ISerializable.h"
#include "Veltis/Serialization/IReadDataStream.h"
#include "Veltis/Serialization/IWriteDataStream.h"
#include "Veltis/Serialization/TRuntimeDeSerializer.h"

namespace Veltis {
namespace Serialization {

// A (name, polymorphic object) pair. The object belongs to whoever holds the pair: the destructor
// does not delete it (copies share it), but reading a new one deletes the one held before.
template <class I>
class TSerializableNamedTypedPointer : public ISerializable {
public:
    TSerializableNamedTypedPointer() : m_Object(nullptr) {}
    TSerializableNamedTypedPointer(const char* name, I* object) : m_Name(name), m_Object(object) {}

    bool Serialize(IWriteDataStream& stream) const override
    {
        const bool nameWritten = stream.WriteString("name", m_Name.GetString());
        const CTypeSerializer serializer(m_Object);
        return stream.WriteObject("value", serializer) && nameWritten;
    }

    // True only when the name was read and an object re-created.
    bool DeSerialize(const IReadDataStream& stream) override
    {
        DeleteObject();
        char* name = nullptr;
        const bool nameRead = stream.ReadString("name", name);
        if (nameRead)
            m_Name.Attach(name);
        TRuntimeDeSerializer<I> reader;
        const bool valueRead = stream.ReadObject("value", reader);
        m_Object = reader.GetObject();
        return nameRead && valueRead && m_Object != nullptr;
    }

    void DeleteObject()
    {
        delete m_Object;
        m_Object = nullptr;
    }

    const char* GetName() const { return m_Name.GetString(); }
    I* GetObject() const { return m_Object; }

private:
    Core::CCharString m_Name;
    I* m_Object;
};

} // namespace Serialization
} // namespace Veltis
