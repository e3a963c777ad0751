#pragma once

#include "Veltis/Core/CCharString.h"

namespace Veltis {
namespace Serialization {

// Names of the items of a vector, list or table: the prefix followed by the decimal index ("item0",
// "item10"), and the prefix followed by "Count". One builder reuses its buffer for every index.
class CIndexedName {
public:
    explicit CIndexedName(const char* prefix);

    const char* Get(int index);
    const char* GetCount();

private:
    Core::CCharString m_Prefix;
    Core::CCharString m_Name;
    Core::CCharString m_Digits;
};

} // namespace Serialization
} // namespace Veltis
