#include "Veltis/DataModel/Objects/CMultipleCaptureStringLink.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

void CMultipleCaptureStringLink::Update(ConstString*)
{
    Core::CCharString joined;
    bool first = true;
    for (CItem& item : m_Sources) {
        if (!first)
            joined.Append(m_Separator);
        joined.Append(item.m_Source->GetValue());
        first = false;
    }
    for (size_t i = 0; i < m_Targets.size(); ++i)
        m_Targets[i]->SetValue(joined.GetString());
}

void CMultipleCaptureStringLink::SetSeparator(const char* separator)
{
    if (!(m_Separator != separator))
        return;
    m_Separator = separator;
    if (CanUpdateOnSetting())
        Update(nullptr);
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
