#include "Veltis/Graphics/CImageGraphics.h"

#include "Veltis/Graphics/IDrawSurface.h"
#include "Veltis/Graphics/ISharedImage.h"

#include <algorithm>
#include <memory>

namespace Veltis {
namespace Graphics {

namespace {

constexpr int kNormal = 0;
constexpr int kTiled = 1;
constexpr int kStretched = 2;

// The phase of a tiling that starts at 0: never negative, so a negative start leaves no gap.
int32_t Phase(int32_t position, int32_t period)
{
    int32_t phase = position % period;
    return phase < 0 ? phase + period : phase;
}

} // namespace

CImageGraphics::CImageGraphics()
    : m_Catalog(1), m_DrawMode(kNormal), m_StretchCache(Core::C2DSize(0, 0), 32), m_StretchCacheDirty(false)
{
}

void CImageGraphics::SetImage(const ISharedImage* image, const ISharedBitmap* hitMask)
{
    m_Catalog.SetImage(0, image, hitMask);
    m_StretchCacheDirty = true;
}

void CImageGraphics::SetAlphaImage(const ISharedImage* image, const ISharedBitmap* hitMask, int opacity)
{
    m_Catalog.SetAlphaImage(0, image, hitMask, opacity);
    m_StretchCacheDirty = true;
}

void CImageGraphics::SetDrawMode(int mode)
{
    if (mode == m_DrawMode)
        return;
    m_DrawMode = mode;
    InvalidateAll();
}

void CImageGraphics::Draw(IDrawSurface& surface, const ISimple2DRegion* region)
{
    Core::C2DRectangle area = GetUpdateRectangle(region);
    if (m_DrawMode == kTiled)
        DrawTiled(surface, area);
    else if (m_DrawMode == kStretched)
        DrawStretched(surface, area);
    else
        m_Catalog.DrawImage(0, surface, area, Core::C2DPoint(area.x, area.y));
}

void CImageGraphics::DrawTiled(IDrawSurface& surface, const Core::C2DRectangle& area)
{
    Core::C2DSize tile = GetImageSize();
    if (tile.width <= 0 || tile.height <= 0 || area.width <= 0 || area.height <= 0)
        return;
    int32_t sourceY = Phase(area.y, tile.height);
    int64_t destinationY = area.y;
    for (int64_t rest = area.height; rest > 0;) {
        int32_t rowHeight = int32_t(std::min<int64_t>(tile.height - sourceY, rest));
        int32_t sourceX = Phase(area.x, tile.width);
        int64_t destinationX = area.x;
        for (int64_t restX = area.width; restX > 0;) {
            int32_t width = int32_t(std::min<int64_t>(tile.width - sourceX, restX));
            m_Catalog.DrawImage(0, surface, Core::C2DRectangle(sourceX, sourceY, width, rowHeight),
                                Core::C2DPoint(Core::Detail::SaturateInt32(destinationX),
                                               Core::Detail::SaturateInt32(destinationY)));
            destinationX += width;
            restX -= width;
            sourceX = 0;
        }
        destinationY += rowHeight;
        rest -= rowHeight;
        sourceY = 0;
    }
}

void CImageGraphics::DrawStretched(IDrawSurface& surface, const Core::C2DRectangle& area)
{
    UpdateStretchCache();
    if (!m_StretchCache.GetBits())
        return;
    Core::C2DPoint corner(area.x, area.y);
    Core::C2DSize size(area.width, area.height);
    if (m_Catalog.IsTransparent(0))
        surface.DrawBitmap(m_StretchCache, corner, corner, size, 255);
    else
        surface.DrawBitmap(m_StretchCache, corner, corner, size);
}

void CImageGraphics::UpdateStretchCache()
{
    Core::C2DSize size = GetSize();
    if (m_StretchCache.GetSize() != size) {
        m_StretchCache.Resize(size);
        m_StretchCacheDirty = true;
    }
    if (!m_StretchCacheDirty)
        return;
    // Painted from clear every time: a translucent image must not build up, nor an old one show through.
    m_StretchCache.Clear();
    std::unique_ptr<IDrawSurface> cache(m_StretchCache.GetDrawSurface());
    const ISharedImage* image = m_Catalog.GetImage(0);
    if (cache && image) {
        Core::C2DSize imageSize = image->GetSize();
        cache->DrawImage(*image, Core::C2DRectangle(0, 0, imageSize.width, imageSize.height),
                         Core::C2DRectangle(0, 0, size.width, size.height));
    }
    m_StretchCacheDirty = false;
}

bool CImageGraphics::HitTest(const Core::C2DPoint& point)
{
    if (m_DrawMode == kStretched) {
        UpdateStretchCache();
        return true;
    }
    if (m_DrawMode != kTiled)
        return m_Catalog.HitTest(0, point, Core::C2DPoint(0, 0), CImageCatalog::kHitThreshold);
    Core::C2DSize tile = GetImageSize();
    if (tile.width <= 0 || tile.height <= 0)
        return false;
    // The remainder keeps its sign here, as specified: left of or above the origin nothing hits.
    return m_Catalog.HitTest(0, Core::C2DPoint(point.x % tile.width, point.y % tile.height), Core::C2DPoint(0, 0),
                             CImageCatalog::kHitThreshold);
}

} // namespace Graphics
} // namespace Veltis
