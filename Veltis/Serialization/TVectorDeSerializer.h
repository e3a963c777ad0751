#pragma once

#include "Veltis/Serialization/CIndexedName.h"
#include "Veltis/Serialization/IDeSerialize.h"
#include "Veltis/Serialization/IReadDataStream.h"

#include <type_traits>
#include <utility>

namespace Veltis {
namespace Serialization {

// Reads the elements a vector already has from prefix + index; the count in the stream is not read.
template <class V>
class TVectorDeSerializer : public IDeSerialize {
public:
    typedef std::remove_reference_t<decltype(std::declval<V&>()[0])> Element;

    TVectorDeSerializer(V* vector, const char* prefix) : m_Vector(vector), m_Prefix(prefix) {}

    bool DeSerialize(const IReadDataStream& stream) override
    {
        CIndexedName names(m_Prefix);
        bool result = true;
        const int count = m_Vector->GetCount();
        for (int i = 0; i < count; ++i) {
            if constexpr (std::is_same<Element, float>::value)
                result = stream.ReadFloat(names.Get(i), (*m_Vector)[i]) && result;
            else
                result = stream.ReadObject(names.Get(i), (*m_Vector)[i]) && result;
        }
        return result;
    }

protected:
    V* m_Vector;
    const char* m_Prefix;
};

} // namespace Serialization
} // namespace Veltis
