#include "Veltis/DataModel/Controls/CCurveViewer.h"

namespace Veltis {
namespace DataModel {
namespace Controls {

CCurveViewer::CCurveViewer(ICurve& curve) : TFunctionViewer(curve), m_Vertical(false)
{
    Connect(&curve);
}

void CCurveViewer::SetVertical(bool vertical)
{
    if (vertical == m_Vertical)
        return;
    m_Vertical = vertical;
    OnConfigChanged();
}

float CCurveViewer::GetValuePosition(bool clamp, float xPosition)
{
    const float x = GetConfig(0).PositionToValue(xPosition);
    const float y = GetObject().GetValue().GetValue(x);
    return GetConfig(1).ValueToPosition(y, clamp);
}

void CCurveViewer::Connect(ICurve* curve)
{
    ConnectObject(curve);
    m_Changed.Notify();
}

} // namespace Controls
} // namespace DataModel
} // namespace Veltis
