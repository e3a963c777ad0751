#include "Veltis/Graphics/CMultiFilmStripDrawer.h"

namespace Veltis {
namespace Graphics {

void CMultiFilmStripDrawer::SetImageIndex(int index)
{
    if (index == m_ImageIndex)
        return;
    bool same = m_Catalog.IsSameImage(index, m_ImageIndex);
    m_ImageIndex = index;
    if (!same)
        InvalidateAll();
}

void CMultiFilmStripDrawer::SetFrame(int frame)
{
    if (frame == m_Frame)
        return;
    m_Frame = frame;
    InvalidateAll();
}

Core::C2DPoint CMultiFilmStripDrawer::GetFrameOffset() const
{
    Core::C2DSize strip = m_Catalog.GetImageSize(m_ImageIndex);
    // In 64 bits: a tall strip times a frame number overflows 32.
    int64_t length = m_Vertical ? strip.height : strip.width;
    int32_t offset = Core::Detail::SaturateInt32(length * m_Frame / GetFramesCount());
    return m_Vertical ? Core::C2DPoint(0, offset) : Core::C2DPoint(offset, 0);
}

void CMultiFilmStripDrawer::SetSizeFromImages()
{
    Core::C2DSize size = m_Catalog.GetMaxImageSize();
    if (m_Vertical)
        size.height /= GetFramesCount();
    else
        size.width /= GetFramesCount();
    SetSize(size);
}

void CMultiFilmStripDrawer::Draw(IDrawSurface& surface, const ISimple2DRegion* region)
{
    Core::C2DRectangle area = GetUpdateRectangle(region);
    Core::C2DRectangle source = area;
    source.Offset(GetFrameOffset());
    m_Catalog.DrawImage(m_ImageIndex, surface, source, Core::C2DPoint(area.x, area.y));
}

bool CMultiFilmStripDrawer::HitTest(const Core::C2DPoint& point)
{
    Core::C2DPoint inStrip = point;
    inStrip += GetFrameOffset();
    return m_Catalog.HitTest(m_ImageIndex, inStrip, Core::C2DPoint(0, 0), CImageCatalog::kHitThreshold);
}

} // namespace Graphics
} // namespace Veltis
