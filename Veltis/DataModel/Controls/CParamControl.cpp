#include "Veltis/DataModel/Controls/CParamControl.h"

#include <climits>
#include <cstdint>

namespace Veltis {
namespace DataModel {
namespace Controls {

namespace {

int SaturateToInt(std::int64_t value)
{
    return value > INT_MAX ? INT_MAX : (value < INT_MIN ? INT_MIN : static_cast<int>(value));
}

} // namespace

CParamControl::CParamControl(IWritableParam& param)
    : CBaseParamViewer(param), m_WritableParam(&param), m_PageStepFactor(5.0f), m_FineRatio(10), m_FineMode(false)
{
    Connect(&param);
}

CParamControl::~CParamControl()
{
    EndCapture();
}

void CParamControl::Connect(IWritableParam* param)
{
    if (param != m_WritableParam)
        EndCapture();
    m_WritableParam = param;
    CBaseParamViewer::Connect(param);
}

void CParamControl::BeginCapture()
{
    if (m_Captured)
        return;
    m_Captured = true;
    m_BeginCapture.Notify();
    m_WritableParam->BeginCapture();
}

void CParamControl::EndCapture()
{
    if (!m_Captured)
        return;
    m_Captured = false;
    m_EndCapture.Notify();
    m_WritableParam->EndCapture();
}

void CParamControl::SetPosition(float position)
{
    if (!IsEnabled())
        return;
    if (!(position < 1.0f))
        position = 1.0f;
    if (!(position > 0.0f))
        position = 0.0f;
    m_WritableParam->SetValue(PositionToValue(position));
}

void CParamControl::ResetToDefault()
{
    if (IsEnabled())
        m_WritableParam->SetValue(m_WritableParam->GetInfo().GetDefault());
}

void CParamControl::SetFineMode(bool on)
{
    if (on == m_FineMode)
        return;
    m_FineMode = on;
    const int count = GetPositionsCount();
    if (count == -1)
        return;
    if (on) {
        const int fine = SaturateToInt((static_cast<std::int64_t>(count) - 1) * m_FineRatio + 1);
        SetPositionsCount(fine);
        // The descriptor refused the finer count: stay coarse.
        if (GetPositionsCount() != fine) {
            SetPositionsCount(count);
            m_FineMode = false;
        }
    } else {
        // Quietly: the shown position is recomputed at the parameter's next change.
        ApplyPositionsCount(SaturateToInt((static_cast<std::int64_t>(count) - 1) / m_FineRatio + 1));
    }
}

void CParamControl::SetFineRatio(int ratio)
{
    if (ratio < 1)
        ratio = 1;
    if (ratio == m_FineRatio)
        return;
    if (m_FineMode) {
        SetFineMode(false);
        m_FineRatio = ratio;
        SetFineMode(true);
    } else {
        m_FineRatio = ratio;
    }
}

} // namespace Controls
} // namespace DataModel
} // namespace Veltis
