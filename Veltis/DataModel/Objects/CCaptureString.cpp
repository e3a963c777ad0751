#include "Veltis/DataModel/Objects/CCaptureString.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

void CCaptureString::SetValue(const char* text)
{
    if (m_Value == text)
        return;
    StoreValue(text);
    NotifyValueChanged();
}

void CCaptureString::StoreValue(const char* text)
{
    m_Value.Assign(text);
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
