#include "Veltis/Core/CCapture.h"

namespace Veltis {
namespace Core {

void CCapture::BeginCapture()
{
    if (m_Captured)
        return;
    m_Captured = true;
    m_BeginCapture.Notify();
}

void CCapture::EndCapture()
{
    if (!m_Captured)
        return;
    m_Captured = false;
    m_EndCapture.Notify();
}

} // namespace Core
} // namespace Veltis
