#include "Veltis/DataModel/Objects/CCaptureParam.h"

#include "Veltis/Core/TValueTraits.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

CCaptureParam::CCaptureParam() : m_Value(0.0f) {}

void CCaptureParam::SetValue(float value)
{
    const float min = m_Info.GetMin();
    if (min > value)
        value = min;
    const float max = m_Info.GetMax();
    if (!(max >= value))
        value = max;
    if (Core::TValueTraits<float>::Differs(m_Value, value)) {
        m_Value = value;
        NotifyValueChanged();
    }
    m_ValueSet.Notify();
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
