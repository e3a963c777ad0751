#include "Veltis/Core/CEnable.h"

namespace Veltis {
namespace Core {

void CEnable::Enable(bool enabled)
{
    if (enabled == m_Enabled)
        return;
    m_Enabled = enabled;
    m_EnableChanged.Notify();
}

} // namespace Core
} // namespace Veltis
