#include "Veltis/DataModel/Objects/CCaptureSurfaceFromCurveOverTime.h"

#include "Veltis/Math/CConstantFunction.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

CCaptureSurfaceFromCurveOverTime::CCaptureSurfaceFromCurveOverTime(Source* source, System::ITimerProvider* timerProvider)
    : TCaptureObjectOverTime(timerProvider)
{
    SetCurve(source);
    Start(100);
}

CCaptureSurfaceFromCurveOverTime::~CCaptureSurfaceFromCurveOverTime()
{
    Disconnect();
}

void CCaptureSurfaceFromCurveOverTime::SetCurve(Source* source)
{
    Disconnect();
    if (!source)
        return;
    m_Source = source;
    const IConstCurveInfo& info = source->GetInfo();
    m_History.SetDefaultValue(Math::CConstantFunction(info.GetYInfo().GetDefault()));
    GetWritableInfo().SetYInfo(info.GetXInfo());
    GetWritableInfo().SetZInfo(info.GetYInfo());
}

void CCaptureSurfaceFromCurveOverTime::Disconnect()
{
    m_Source = nullptr;
    m_History.SetDefaultValue(Math::CConstantFunction(0.0f));
    NotifyValueChanged();
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
