#include "Veltis/DataModel/Objects/CCaptureParam.h"

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
    // An unordered comparison counts as equal.
    if (value < m_Value || value > m_Value) {
        m_Value = value;
        NotifyValueChanged();
    }
    m_ValueSet.Notify();
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
