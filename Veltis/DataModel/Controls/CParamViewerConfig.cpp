#include "Veltis/DataModel/Controls/CParamViewerConfig.h"

#include "Veltis/Core/SaturatingCast.h"
#include "Veltis/DataModel/Objects/IConstParamInfo.h"
#include "Veltis/Math/IFunction.h"

#include <cmath>

namespace Veltis {
namespace DataModel {
namespace Controls {

namespace {

const int kBoolean = 0;
const int kInteger = 1;
const int kContinuous = 2;
const int kReset = 3;

} // namespace

CParamViewerConfig::CParamViewerConfig(const Objects::IConstParamInfo& info)
    : m_PositionsCount(-1), m_Reverse(false), m_LogScale(false), m_Info(&info), m_Function(nullptr),
      m_Inverse(nullptr), m_Zoom(1.0f), m_Offset(0.0f), m_Min(0.0f), m_Max(0.0f), m_InverseRange(0.0f),
      m_InverseLogRatio(0.0f), m_Ratio(0.0f), m_ZoomShift(0.0f), m_InverseZoom(1.0f),
      m_InfoListener(this, &CParamViewerConfig::OnParamInfoChanged), m_ZoomPositions(true)
{
    Objects::GetParamValueCurveFunctions(Objects::eParamValueCurveLinear, m_Function, m_Inverse);
    SetParamInfo(info);
}

CParamViewerConfig::~CParamViewerConfig()
{
    m_Info->GetChangedEvent().RemoveListener(&m_InfoListener);
}

void CParamViewerConfig::SetReverse(bool reversed)
{
    if (reversed == m_Reverse)
        return;
    m_Reverse = reversed;
    m_ReverseChanged.Notify();
    m_Changed.Notify();
}

void CParamViewerConfig::SetResponseCurve(Objects::EParamValueCurve curve)
{
    Objects::GetParamValueCurveFunctions(curve, m_Function, m_Inverse);
    m_Changed.Notify();
}

void CParamViewerConfig::SetResponseFunctions(const Math::IFunction& function, const Math::IFunction& inverse)
{
    m_Function = &function;
    m_Inverse = &inverse;
    m_Changed.Notify();
}

void CParamViewerConfig::SetLogScale(bool logScale)
{
    if (logScale == m_LogScale)
        return;
    m_LogScale = logScale;
    m_Changed.Notify();
}

void CParamViewerConfig::SetZoom(float zoom)
{
    if (zoom == m_Zoom || std::isnan(zoom))
        return;
    m_Zoom = zoom >= 1.0f ? zoom : 1.0f;
    m_ZoomShift = (m_Zoom - 1.0f) * m_Offset;
    m_InverseZoom = 1.0f / m_Zoom;
    m_ZoomChanged.Notify();
    m_Changed.Notify();
}

void CParamViewerConfig::SetOffset(float offset)
{
    if (offset == m_Offset || std::isnan(offset))
        return;
    m_Offset = offset;
    m_ZoomShift = (m_Zoom - 1.0f) * offset;
    m_OffsetChanged.Notify();
    m_Changed.Notify();
}

void CParamViewerConfig::SetZoomPositions(bool zoomPositions)
{
    if (zoomPositions == m_ZoomPositions)
        return;
    m_ZoomPositions = zoomPositions;
    m_Changed.Notify();
}

void CParamViewerConfig::SetPositionsCount(int count)
{
    const std::int32_t before = m_PositionsCount;
    ApplyPositionsCount(count);
    if (m_PositionsCount != before)
        m_Changed.Notify();
}

int CParamViewerConfig::GetPositionsCount() const
{
    // A continuous mapping stays continuous in any zoom.
    if (m_ZoomPositions || m_PositionsCount < 0)
        return m_PositionsCount;
    const float scaled = static_cast<float>(m_PositionsCount - 1) * m_Zoom + 1.0f;
    // One position stays one in an infinite zoom, where the product is not a number.
    if (std::isnan(scaled))
        return m_PositionsCount;
    return Core::TruncateToInt(std::trunc(scaled));
}

float CParamViewerConfig::GetVisiblePositionsCount() const
{
    if (m_PositionsCount < 0)
        return -1.0f;
    return static_cast<float>(static_cast<double>(GetPositionsCount()) - 1.0) * m_InverseZoom + 1.0f;
}

void CParamViewerConfig::ResetPositionsCount()
{
    SetPositionsCount(GetNaturalPositionsCount());
}

float CParamViewerConfig::GetDefaultPosition(bool clamp) const
{
    return ValueToPosition(m_Info->GetDefault(), clamp);
}

float CParamViewerConfig::GetMinPosition(bool clamp) const
{
    return ValueToPosition(m_Reverse ? m_Info->GetMax() : m_Info->GetMin(), clamp);
}

float CParamViewerConfig::GetMaxPosition(bool clamp) const
{
    return ValueToPosition(m_Reverse ? m_Info->GetMin() : m_Info->GetMax(), clamp);
}

float CParamViewerConfig::ValueToPosition(float value, bool clamp) const
{
    float x = 0.0f;
    if (m_LogScale) {
        if (IsLogUsable() && m_InverseLogRatio != 0.0f)
            x = std::log(value / m_Min) * m_InverseLogRatio;
    } else if (m_InverseRange != 0.0f) {
        x = (value - m_Min) * m_InverseRange;
    }
    float p = m_Inverse->GetValue(x);
    if (m_Reverse)
        p = 1.0f - p;
    if (m_PositionsCount != -1) {
        const int count = GetPositionsCount();
        const double steps = static_cast<double>(count) - 1.0;
        p = count > 1 ? static_cast<float>(std::trunc(steps * p + 0.5) / steps) : 0.0f;
    }
    p = p * m_Zoom - m_ZoomShift;
    if (clamp) {
        if (std::isnan(p))
            p = 0.0f;
        else if (p >= 1.0f)
            p = 1.0f;
        else if (p <= 0.0f)
            p = 0.0f;
    }
    return p;
}

float CParamViewerConfig::PositionToValue(float position) const
{
    float q = (position + m_ZoomShift) * m_InverseZoom;
    const int count = GetPositionsCount();
    if (count > 1) {
        const double steps = static_cast<double>(count) - 1.0;
        q = static_cast<float>(std::trunc(static_cast<double>(q) * steps + 0.5) / steps);
    } else if (count == 1) {
        q = 0.0f;
    }
    const float y = m_Function->GetValue(m_Reverse ? 1.0f - q : q);
    float v;
    if (m_LogScale)
        v = IsLogUsable() ? std::pow(m_Ratio, y) * m_Min : m_Min;
    else
        v = (m_Max - m_Min) * y + m_Min;
    const int type = m_Info->GetType();
    if (type == kContinuous)
        return v;
    if (type == kBoolean || type == kReset)
        return v > (m_Max - m_Min) * 0.5f ? m_Max : m_Min;
    const double wide = v;
    return static_cast<float>(wide > 0.0 ? std::trunc(wide + 0.5) : std::trunc(wide - 0.5));
}

void CParamViewerConfig::SetParamInfo(const Objects::IConstParamInfo& info)
{
    m_Info->GetChangedEvent().RemoveListener(&m_InfoListener);
    m_Info = &info;
    m_Info->GetChangedEvent().AddListener(&m_InfoListener);
    OnParamInfoChanged();
    m_ParamInfoChanged.Notify();
}

void CParamViewerConfig::OnParamInfoChanged()
{
    const int natural = GetNaturalPositionsCount();
    int count = m_PositionsCount;
    if (count == -1)
        count = natural;
    else if (natural != -1 && natural < count)
        count = natural;
    ApplyPositionsCount(count);
    m_Min = m_Info->GetMin();
    m_Max = m_Info->GetMax();
    const float range = m_Max - m_Min;
    m_InverseRange = range != 0.0f ? 1.0f / range : 0.0f;
    m_InverseLogRatio = 0.0f;
    if (m_Min != 0.0f) {
        m_Ratio = m_Max / m_Min;
        if (m_Ratio != 1.0f)
            m_InverseLogRatio = 1.0f / std::log(m_Ratio);
    }
    m_Changed.Notify();
}

int CParamViewerConfig::GetNaturalPositionsCount() const
{
    switch (m_Info->GetType()) {
    case kBoolean:
    case kReset:
        return 2;
    case kInteger:
        return Core::TruncateToInt(std::trunc(m_Info->GetMax() + 1.0f - m_Info->GetMin()));
    default:
        return -1;
    }
}

void CParamViewerConfig::ApplyPositionsCount(int count)
{
    if (m_Info->GetType() != kContinuous) {
        const int natural = GetNaturalPositionsCount();
        if (count > natural || count < 0)
            count = natural;
    }
    m_PositionsCount = count == 0 ? 1 : (count < 0 ? -1 : count);
}

} // namespace Controls
} // namespace DataModel
} // namespace Veltis
