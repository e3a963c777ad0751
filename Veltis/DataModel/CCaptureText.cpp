#include "Veltis/DataModel/CCaptureText.h"

namespace Veltis {
namespace DataModel {

void CCaptureText::SetValue(const char* text)
{
    m_Text.Assign(text);
    NotifyValueChanged();
}

} // namespace DataModel
} // namespace Veltis
