#include "Veltis/Graphics/CColorDrawer.h"

#include "Veltis/Graphics/IDrawSurface.h"

namespace Veltis {
namespace Graphics {

void CColorDrawer::Draw(IDrawSurface& surface, const ISimple2DRegion* region)
{
    Core::C2DRectangle area = GetUpdateRectangle(region);
    surface.SetBrushColor(m_Color);
    surface.FillRectangle(area);
}

} // namespace Graphics
} // namespace Veltis
