#include "Veltis/Graphics/C2DRectangleGraphics.h"

#include "Veltis/Graphics/IDrawSurface.h"

namespace Veltis {
namespace Graphics {

void C2DRectangleGraphics::Draw(IDrawSurface& surface, const ISimple2DRegion*)
{
    Core::C2DSize size = GetSize();
    if (size.width == 0 && size.height == 0)
        return;
    surface.SetTransparent(true);
    surface.SetPenColor(m_Color);
    surface.SetPenStyle(m_PenStyle);
    surface.DrawRectangle(Core::C2DRectangle(0, 0, size.width, size.height));
}

} // namespace Graphics
} // namespace Veltis
