#include "Veltis/DataModel/Controls/CBaseParamTextViewer.h"

#include <cstring>

namespace Veltis {
namespace DataModel {
namespace Controls {

CBaseParamTextViewer::CBaseParamTextViewer(IParam& param)
    : m_TextConverter("%.1f", false, "{text_value} {unit}"), m_Param(&param),
      m_ValueListener(this, &Core::IUpdate::Update),
      m_BeginListener(this, &CBaseParamTextViewer::OnBeginCapture),
      m_EndListener(this, &CBaseParamTextViewer::OnEndCapture),
      m_InfoListener(this, &CBaseParamTextViewer::OnParamInfoChanged)
{
    CBaseParamTextViewer::Connect(&param);
    const int type = param.GetInfo().GetType();
    if (type == 0 || type == 1 || type == 3)
        m_TextConverter.SetFormat("%.0f");
    m_TextConverter.GetChangedEvent().AddListener(&m_ValueListener);
    // The text so far used the first format.
    Update();
}

CBaseParamTextViewer::~CBaseParamTextViewer()
{
    m_TextConverter.GetChangedEvent().RemoveListener(&m_ValueListener);
    RemoveParamListeners();
}

void CBaseParamTextViewer::RemoveParamListeners()
{
    m_Param->GetValueChangedEvent().RemoveListener(&m_ValueListener);
    m_Param->GetBeginCaptureEvent().RemoveListener(&m_BeginListener);
    m_Param->GetEndCaptureEvent().RemoveListener(&m_EndListener);
    m_Param->GetInfo().GetChangedEvent().RemoveListener(&m_InfoListener);
}

void CBaseParamTextViewer::Connect(IParam* param)
{
    RemoveParamListeners();
    m_Param = param;
    m_Param->GetValueChangedEvent().AddListener(&m_ValueListener);
    m_Param->GetBeginCaptureEvent().AddListener(&m_BeginListener);
    m_Param->GetEndCaptureEvent().AddListener(&m_EndListener);
    m_Param->GetInfo().GetChangedEvent().AddListener(&m_InfoListener);
    m_TextConverter.SetParamInfo(m_Param->GetInfo());
    Update();
}

void CBaseParamTextViewer::OnParamInfoChanged()
{
    m_TextConverter.SetParamInfo(m_Param->GetInfo());
    Update();
}

void CBaseParamTextViewer::Update()
{
    char* rendered = nullptr;
    m_TextConverter.ToText(&rendered, m_Param->GetValue());
    const char* text = rendered ? rendered : "";
    if (std::strcmp(text, m_Text.GetString()) != 0) {
        m_Text = text;
        m_TextChanged.Notify();
    }
    delete[] rendered;
}

} // namespace Controls
} // namespace DataModel
} // namespace Veltis
