#include "Veltis/Serialization/CNamedAttributesDeSerializer.h"

#include "Veltis/Containers/CNamedAttributes.h"
#include "Veltis/Serialization/CIndexedName.h"
#include "Veltis/Serialization/IReadDataStream.h"
#include "Veltis/Serialization/TSerializableNamedValue.h"

namespace Veltis {
namespace Serialization {

bool CNamedAttributesDeSerializer::DeSerialize(const IReadDataStream& stream)
{
    m_Attributes->Clear();
    int count = 0;
    if (!stream.ReadInt("count", count))
        return true;
    if (count < 0 || count > stream.GetValueCount())
        return false;
    CIndexedName keys("");
    bool result = true;
    for (int i = 0; i < count; ++i) {
        TSerializableNamedValue<char*> pair;
        result = stream.ReadObject(keys.Get(i), pair) && result;
        m_Attributes->SetValue(pair.GetName(), pair.GetValue());
    }
    return result;
}

} // namespace Serialization
} // namespace Veltis
