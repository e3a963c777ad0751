#include "Veltis/DataModel/Objects/CCaptureSurfaceValueParam.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

namespace {
const IConstParamInfo& ValueAxis(const IConstSurfaceInfo& info) { return info.GetZInfo(); }
} // namespace

CCaptureSurfaceValueParam::CCaptureSurfaceValueParam(Source* surface, Position* xPosition, Position* yPosition)
    : m_Surface(nullptr), m_XPosition(nullptr), m_YPosition(nullptr)
{
    SetSurface(surface);
    SetXParam(xPosition);
    SetYParam(yPosition);
}

void CCaptureSurfaceValueParam::SetSurface(Source* surface)
{
    m_Surface = surface;
    BindFunction(surface, &ValueAxis);
}

void CCaptureSurfaceValueParam::SetXParam(Position* position)
{
    m_XPosition = position;
    BindPosition(1, position);
}

void CCaptureSurfaceValueParam::SetYParam(Position* position)
{
    m_YPosition = position;
    BindPosition(2, position);
}

float CCaptureSurfaceValueParam::GetValue() const
{
    if (!m_Surface || !m_XPosition || !m_YPosition)
        return m_Info.GetDefault();
    return m_Surface->GetValue().GetValue(m_XPosition->GetValue(), m_YPosition->GetValue());
}

void CCaptureSurfaceValueParam::Disconnect()
{
    SetSurface(nullptr);
    SetXParam(nullptr);
    SetYParam(nullptr);
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
