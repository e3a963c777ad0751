#include "Veltis/Graphics/CMultiImageDrawer.h"

namespace Veltis {
namespace Graphics {

void CMultiImageDrawer::SetImageIndex(int index)
{
    if (index == m_ImageIndex)
        return;
    m_ImageIndex = index;
    InvalidateAll();
}

void CMultiImageDrawer::Draw(IDrawSurface& surface, const ISimple2DRegion* region)
{
    Core::C2DRectangle area = GetUpdateRectangle(region);
    m_Catalog.DrawImage(m_ImageIndex, surface, area, Core::C2DPoint(area.x, area.y));
}

bool CMultiImageDrawer::HitTest(const Core::C2DPoint& point)
{
    return m_Catalog.HitTest(m_ImageIndex, point, Core::C2DPoint(0, 0), CImageCatalog::kHitThreshold);
}

} // namespace Graphics
} // namespace Veltis
