#include "Veltis/Graphics/CColorDrawer.h"

#include "Veltis/Graphics/IDrawSurface.h"
#include "Veltis/Graphics/ISimple2DRegion.h"

namespace Veltis {
namespace Graphics {

void CColorDrawer::Draw(IDrawSurface& surface, const ISimple2DRegion* region)
{
    Core::C2DSize size = GetSize();
    Core::C2DRectangle area = region ? region->GetBounds() : Core::C2DRectangle(0, 0, size.width, size.height);
    surface.SetBrushColor(m_Color);
    surface.FillRectangle(area);
}

} // namespace Graphics
} // namespace Veltis
