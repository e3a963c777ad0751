#include "Veltis/Serialization/CTypeSerializer.h"

#include "Veltis/Serialization/ITypeSerializable.h"
#include "Veltis/Serialization/IWriteDataStream.h"

namespace Veltis {
namespace Serialization {

bool CTypeSerializer::Serialize(IWriteDataStream& stream) const
{
    if (!stream.WriteBool("isNull", m_Object == nullptr))
        return false;
    if (!m_Object)
        return true;
    const char* typeId = m_Object->GetTypeId();
    if (!typeId)
        return true;
    if (!stream.WriteString("type", typeId))
        return false;
    return stream.WriteObject("content", *m_Object);
}

} // namespace Serialization
} // namespace Veltis
