#include "Veltis/DataModel/Objects/CCaptureCurveValueParam.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

namespace {
const IConstParamInfo& ValueAxis(const IConstCurveInfo& info) { return info.GetYInfo(); }
} // namespace

CCaptureCurveValueParam::CCaptureCurveValueParam(Source* curve, Position* xPosition) : m_Curve(nullptr), m_XPosition(nullptr)
{
    SetCurve(curve);
    SetXParam(xPosition);
}

void CCaptureCurveValueParam::SetCurve(Source* curve)
{
    m_Curve = curve;
    BindFunction(curve, &ValueAxis);
}

void CCaptureCurveValueParam::SetXParam(Position* position)
{
    m_XPosition = position;
    BindPosition(1, position);
}

float CCaptureCurveValueParam::GetValue() const
{
    if (!m_Curve || !m_XPosition)
        return m_Info.GetDefault();
    return m_Curve->GetValue().GetValue(m_XPosition->GetValue());
}

void CCaptureCurveValueParam::Disconnect()
{
    SetCurve(nullptr);
    SetXParam(nullptr);
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
