#include "Veltis/Serialization/CIndexedName.h"

#include "Veltis/CoreUtilities/StringUtilities.h"

namespace Veltis {
namespace Serialization {

CIndexedName::CIndexedName(const char* prefix) : m_Prefix(prefix) {}

const char* CIndexedName::Get(int index)
{
    CoreUtilities::ValueToString(index, m_Digits, false);
    m_Name.Assign(m_Prefix, false);
    m_Name.Append(m_Digits, false);
    return m_Name.GetString();
}

const char* CIndexedName::GetCount()
{
    m_Name.Assign(m_Prefix, false);
    m_Name.Append("Count", false);
    return m_Name.GetString();
}

} // namespace Serialization
} // namespace Veltis
