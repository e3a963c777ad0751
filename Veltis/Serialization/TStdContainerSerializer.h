#pragma once

#include "Veltis/Serialization/CIndexedName.h"
#include "Veltis/Serialization/ISerialize.h"
#include "Veltis/Serialization/IWriteDataStream.h"

namespace Veltis {
namespace Serialization {

// Writes a std::list of serializable items as prefix + "Count" and one object per item, in list
// order, under prefix + index.
template <class L>
class TStdContainerSerializer : public ISerialize {
public:
    TStdContainerSerializer(const L* list, const char* prefix) : m_List(list), m_Prefix(prefix) {}

    bool Serialize(IWriteDataStream& stream) const override
    {
        CIndexedName names(m_Prefix);
        bool result = stream.WriteInt(names.GetCount(), static_cast<int>(m_List->size()));
        int i = 0;
        for (const auto& item : *m_List)
            result = stream.WriteObject(names.Get(i++), item) && result;
        return result;
    }

private:
    const L* m_List;
    const char* m_Prefix;
};

} // namespace Serialization
} // namespace Veltis
