#include "Veltis/DataModel/Objects/CCaptureParamToStringLink.h"

#include "Veltis/DataModel/Objects/CParamInfo.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

CCaptureParamToStringLink::CCaptureParamToStringLink(TIConstCaptureObject<float, IConstParamInfo>* source,
                                                     TICaptureObject<const char*, IConstStringInfo>* target)
    : Base(source, target),
      m_Converter("%.1f", false, "{text_value} {unit}"),
      m_ConverterListener(this, &CCaptureParamToStringLink::OnConverterChanged)
{
    // Before the listener is registered, so that construction writes nothing.
    if (source)
        m_Converter.SetParamInfo(source->GetInfo());
    m_Converter.GetChangedEvent().AddListener(m_ConverterListener);
}

CCaptureParamToStringLink::~CCaptureParamToStringLink()
{
    m_Converter.GetChangedEvent().RemoveListener(&m_ConverterListener);
}

void CCaptureParamToStringLink::Update()
{
    if (!m_Source || !m_Target)
        return;
    char* text = nullptr;
    m_Converter.ToText(&text, m_Source->GetValue());
    m_Target->SetValue(text);
    delete[] text;
}

void CCaptureParamToStringLink::OnSourceChanged()
{
    if (m_Source)
        m_Converter.SetParamInfo(m_Source->GetInfo());
    else
        m_Converter.SetParamInfo(CParamInfo());
}

void CCaptureParamToStringLink::OnConverterChanged()
{
    if (!m_TriggerOnModify)
        Update();
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
