#pragma once

#include "Veltis/Serialization/CIndexedName.h"
#include "Veltis/Serialization/ISerialize.h"
#include "Veltis/Serialization/IWriteDataStream.h"

#include <type_traits>
#include <utility>

namespace Veltis {
namespace Serialization {

// Writes a vector as prefix + "Count" and one value per element under prefix + index: floats with
// WriteFloat, anything else as an object.
template <class V>
class TVectorSerializer : public ISerialize {
public:
    typedef std::remove_cv_t<std::remove_reference_t<decltype(std::declval<const V&>()[0])>> Element;

    TVectorSerializer(const V* vector, const char* prefix) : m_Vector(vector), m_Prefix(prefix) {}

    bool Serialize(IWriteDataStream& stream) const override
    {
        CIndexedName names(m_Prefix);
        const int count = m_Vector->GetCount();
        bool result = stream.WriteInt(names.GetCount(), count);
        for (int i = 0; i < count; ++i) {
            if constexpr (std::is_same<Element, float>::value)
                result = stream.WriteFloat(names.Get(i), (*m_Vector)[i]) && result;
            else
                result = stream.WriteObject(names.Get(i), (*m_Vector)[i]) && result;
        }
        return result;
    }

private:
    const V* m_Vector;
    const char* m_Prefix;
};

} // namespace Serialization
} // namespace Veltis
