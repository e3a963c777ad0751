#include "Veltis/DataModel/Controls/CBaseParamViewer.h"

namespace Veltis {
namespace DataModel {
namespace Controls {

CBaseParamViewer::CBaseParamViewer(IParam& param)
    : CParamViewerConfig(param.GetInfo()), m_Captured(false), m_Position(0.0f), m_Param(&param),
      m_ValueListener(this, &Core::IUpdate::Update),
      m_BeginListener(&m_PositionCapture, &Core::CCapture::BeginCapture),
      m_EndListener(&m_PositionCapture, &Core::CCapture::EndCapture),
      m_ConfigListener(this, &CBaseParamViewer::UpdatePosition)
{
    GetChangedEvent().AddListener(&m_ConfigListener);
    Connect(&param);
}

CBaseParamViewer::~CBaseParamViewer()
{
    RemoveParamListeners();
    GetChangedEvent().RemoveListener(&m_ConfigListener);
}

void CBaseParamViewer::RemoveParamListeners()
{
    m_Param->GetValueChangedEvent().RemoveListener(&m_ValueListener);
    m_Param->GetBeginCaptureEvent().RemoveListener(&m_BeginListener);
    m_Param->GetEndCaptureEvent().RemoveListener(&m_EndListener);
}

void CBaseParamViewer::Connect(IParam* param)
{
    RemoveParamListeners();
    m_Param = param;
    m_Param->GetValueChangedEvent().AddListener(&m_ValueListener);
    m_Param->GetBeginCaptureEvent().AddListener(&m_BeginListener);
    m_Param->GetEndCaptureEvent().AddListener(&m_EndListener);
    SetParamInfo(m_Param->GetInfo());
    UpdatePosition();
}

void CBaseParamViewer::UpdatePosition()
{
    const float position = ValueToPosition(m_Param->GetValue(), true);
    if (position == m_Position)
        return;
    m_Position = position;
    m_PositionChanged.Notify();
}

} // namespace Controls
} // namespace DataModel
} // namespace Veltis
