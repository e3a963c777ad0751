#include "Veltis/DataModel/Controls/CBaseStringViewer.h"

#include "Veltis/Core/CCharString.h"

namespace Veltis {
namespace DataModel {
namespace Controls {

CBaseStringViewer::CBaseStringViewer(IString& string)
    : m_Captured(false), m_String(&string), m_ValueListener(this, &CBaseStringViewer::OnValueChanged)
{
    Connect(&string);
}

CBaseStringViewer::~CBaseStringViewer()
{
    m_String->GetValueChangedEvent().RemoveListener(&m_ValueListener);
}

void CBaseStringViewer::Connect(IString* string)
{
    m_String->GetValueChangedEvent().RemoveListener(&m_ValueListener);
    const Core::CCharString before(m_String->GetValue());
    m_String = string;
    m_String->GetValueChangedEvent().AddListener(&m_ValueListener);
    if (before != m_String->GetValue())
        m_ValueChanged.Notify();
}

} // namespace Controls
} // namespace DataModel
} // namespace Veltis
