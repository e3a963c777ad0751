#pragma once

#include "Veltis/Serialization/CIndexedName.h"
#include "Veltis/Serialization/IDeSerialize.h"
#include "Veltis/Serialization/IReadDataStream.h"
#include "Veltis/Serialization/TSerializableNamedTypedPointer.h"

namespace Veltis {
namespace Serialization {

// An item that is not appended must not keep what it re-created: the list would never delete it.
template <class T>
void DiscardItem(T&)
{
}

template <class I>
void DiscardItem(TSerializableNamedTypedPointer<I>& item)
{
    item.DeleteObject();
}

// Appends the items read from prefix + index to a std::list (which is not emptied first), for as long
// as every read has succeeded. A count that is negative or larger than the stream can hold fails
// without appending anything.
template <class T, class L>
class TStdContainerDeSerializer : public IDeSerialize {
public:
    TStdContainerDeSerializer(L* list, const char* prefix) : m_List(list), m_Prefix(prefix) {}

    bool DeSerialize(const IReadDataStream& stream) override
    {
        CIndexedName names(m_Prefix);
        int count = 0;
        bool result = stream.ReadInt(names.GetCount(), count);
        if (count < 0 || count > stream.GetValueCount())
            return false;
        for (int i = 0; i < count; ++i) {
            T item;
            result = stream.ReadObject(names.Get(i), item) && result;
            if (result)
                m_List->push_back(item);
            else
                DiscardItem(item);
        }
        return result;
    }

private:
    L* m_List;
    const char* m_Prefix;
};

} // namespace Serialization
} // namespace Veltis
