#include "Veltis/DataModel/Controls/CStringControl.h"

namespace Veltis {
namespace DataModel {
namespace Controls {

CStringControl::CStringControl(IWritableString& string) : CBaseStringViewer(string), m_WritableString(&string)
{
    Connect(&string);
}

CStringControl::~CStringControl()
{
    EndCapture();
}

void CStringControl::BeginCapture()
{
    if (m_Captured)
        return;
    m_Captured = true;
    m_BeginCapture.Notify();
    m_WritableString->BeginCapture();
}

void CStringControl::EndCapture()
{
    if (!m_Captured)
        return;
    m_Captured = false;
    m_EndCapture.Notify();
    m_WritableString->EndCapture();
}

void CStringControl::Connect(IWritableString* string)
{
    if (string != m_WritableString)
        EndCapture();
    m_WritableString = string;
    CBaseStringViewer::Connect(string);
}

} // namespace Controls
} // namespace DataModel
} // namespace Veltis
