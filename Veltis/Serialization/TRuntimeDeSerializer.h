#pragma once

#include "Veltis/Runtime/CreateObject.h"
#include "Veltis/Runtime/TObjectFactory.h"
#include "Veltis/Serialization/IDeSerialize.h"
#include "Veltis/Serialization/IReadDataStream.h"

namespace Veltis {
namespace Serialization {

// Reads a polymorphic member written by CTypeSerializer and re-creates it, through the registry, as
// an object of interface I (I::kInterfaceId). The caller takes the created object over.
template <class I>
class TRuntimeDeSerializer : public IDeSerialize {
public:
    TRuntimeDeSerializer() : m_Object(nullptr) {}

    bool DeSerialize(const IReadDataStream& stream) override
    {
        m_Object = nullptr;
        bool isNull = false;
        if (!stream.ReadBool("isNull", isNull))
            return false;
        if (isNull)
            return true;
        char* typeId = nullptr;
        if (!stream.ReadString("type", typeId))
            return false;
        I* created = static_cast<I*>(Runtime::CreateObject(typeId, Runtime::TInterfaceId<I>::Get()));
        delete[] typeId;
        if (!created)
            return false;
        if (!stream.ReadObject("content", *created)) {
            delete created;
            return false;
        }
        m_Object = created;
        return true;
    }

    // Null when the member was null or could not be re-created.
    I* GetObject() const { return m_Object; }

private:
    I* m_Object;
};

} // namespace Serialization
} // namespace Veltis
