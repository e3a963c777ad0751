#include "Veltis/DataModel/Objects/CCaptureParamTimeLink.h"

#include "Veltis/Core/TValueTraits.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

bool CCaptureParamTimeLink::PrepareTransition()
{
    if (!m_Source || !m_Target)
        return false;
    m_StartValue = m_Target->GetValue();
    m_EndValue = m_Source->GetValue();
    const IConstParamInfo& info = m_Target->GetInfo();
    if (!(m_EndValue <= info.GetMax()))
        m_EndValue = info.GetMax();
    if (m_EndValue < info.GetMin())
        m_EndValue = info.GetMin();
    return Core::TValueTraits<float>::Differs(m_StartValue, m_EndValue);
}

bool CCaptureParamTimeLink::Step(double progress)
{
    if (!m_Target)
        return true;
    const float current = m_Target->GetValue();
    if (!Core::TValueTraits<float>::Differs(m_EndValue, current))
        return false;
    m_Target->SetValue(((m_EndValue - m_StartValue) * static_cast<float>(progress)) + m_StartValue);
    return true;
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
