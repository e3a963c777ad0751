#pragma once

#include "Veltis/Serialization/TVectorDeSerializer.h"

namespace Veltis {
namespace Serialization {

// Resizes the vector to the count in the stream, then reads its elements. A count that is missing,
// negative or larger than the stream can hold fails and leaves the vector untouched.
template <class V>
class TDynamicVectorDeSerializer : public TVectorDeSerializer<V> {
public:
    TDynamicVectorDeSerializer(V* vector, const char* prefix) : TVectorDeSerializer<V>(vector, prefix) {}

    bool DeSerialize(const IReadDataStream& stream) override
    {
        CIndexedName names(this->m_Prefix);
        int count = 0;
        if (!stream.ReadInt(names.GetCount(), count))
            return false;
        // Each element is one of the stream's values.
        if (count < 0 || count > stream.GetValueCount())
            return false;
        this->m_Vector->SetSize(count, true);
        return TVectorDeSerializer<V>::DeSerialize(stream);
    }
};

} // namespace Serialization
} // namespace Veltis
