#include "Veltis/Audio/Plugin/CAudioPluginXMLPreset.h"

#include "Veltis/Audio/Plugin/CAudioPluginInternalsBase.h"
#include "Veltis/Audio/Plugin/CProgramNameDeSerializer.h"
#include "Veltis/Serialization/CIndexedName.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

const char* CAudioPluginXMLPreset::GetName()
{
    if (!m_Internals)
        return "";
    Serialization::CIndexedName names(kElementPrefix);
    CProgramNameDeSerializer reader;
    if (m_Internals->GetFactoryPresetsData().ReadObject(names.Get(m_Index), reader))
        m_Name = reader.GetName();
    return m_Name.GetString();
}

void CAudioPluginXMLPreset::Load()
{
    if (!m_Internals)
        return;
    Serialization::CIndexedName names(kElementPrefix);
    Serialization::IDeSerialize& core = *m_Internals;
    m_Internals->GetFactoryPresetsData().ReadObject(names.Get(m_Index), core);
}

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
