#include "Veltis/Graphics/C2DEmptyGraphics.h"

namespace Veltis {
namespace Graphics {

bool C2DEmptyGraphics::HitTest(const Core::C2DPoint& point)
{
    Core::C2DSize size = GetSize();
    return m_HitTestable && point.x >= 0 && point.x < size.width && point.y >= 0 && point.y < size.height;
}

} // namespace Graphics
} // namespace Veltis
