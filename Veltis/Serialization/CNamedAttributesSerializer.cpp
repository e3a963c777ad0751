#include "Veltis/Serialization/CNamedAttributesSerializer.h"

#include "Veltis/Containers/CNamedAttributes.h"
#include "Veltis/Serialization/CIndexedName.h"
#include "Veltis/Serialization/IWriteDataStream.h"
#include "Veltis/Serialization/TSerializableNamedValue.h"

#include <memory>

namespace Veltis {
namespace Serialization {

bool CNamedAttributesSerializer::Serialize(IWriteDataStream& stream) const
{
    std::unique_ptr<Containers::IConstValueIterator<const char*>> names(m_Attributes->GetNamesIterator());
    std::unique_ptr<Containers::IConstValueIterator<const char*>> values(m_Attributes->GetValuesIterator());
    if (!names || !values)
        return true;
    int count = 0;
    for (names->First(); !names->IsEnd(); names->Next())
        ++count;
    stream.WriteInt("count", count);
    CIndexedName keys("");
    int i = 0;
    for (names->First(), values->First(); !names->IsEnd() && !values->IsEnd(); names->Next(), values->Next()) {
        const TSerializableNamedValue<char*> pair(names->GetCurrent(), values->GetCurrent());
        stream.WriteObject(keys.Get(i++), pair);
    }
    return true;
}

} // namespace Serialization
} // namespace Veltis
