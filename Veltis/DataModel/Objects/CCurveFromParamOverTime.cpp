#include "Veltis/DataModel/Objects/CCurveFromParamOverTime.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

CCurveFromParamOverTime::CCurveFromParamOverTime(Source* source, System::ITimerProvider* timerProvider)
    : TCaptureObjectOverTime(timerProvider), m_Source(nullptr)
{
    SetParam(source);
    SetRefreshTime(50);
    SetDuration(10000);
    StartClock();
}

CCurveFromParamOverTime::~CCurveFromParamOverTime()
{
    Disconnect();
}

void CCurveFromParamOverTime::SetParam(Source* source)
{
    Disconnect();
    if (!source)
        return;
    m_Source = source;
    m_History.SetDefaultValue(source->GetInfo().GetDefault());
    GetWritableInfo().SetYInfo(source->GetInfo());
}

void CCurveFromParamOverTime::Disconnect()
{
    m_Source = nullptr;
    m_History.SetDefaultValue(0.0f);
}

bool CCurveFromParamOverTime::Sample(float time)
{
    if (!m_Source)
        return false;
    m_History.AddPoint(time, m_Source->GetValue());
    return true;
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
