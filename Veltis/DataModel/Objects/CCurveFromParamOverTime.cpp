#include "Veltis/DataModel/Objects/CCurveFromParamOverTime.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

CCurveFromParamOverTime::CCurveFromParamOverTime(Source* source, System::ITimerProvider* timerProvider)
    : TCaptureObjectOverTime(timerProvider)
{
    SetParam(source);
    Start(50);
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

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
