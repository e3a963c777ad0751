#pragma once

#include "Veltis/Graphics/C2DGraphicsBase.h"
#include "Veltis/Graphics/CDIBBitmap.h"
#include "Veltis/Graphics/CImageCatalog.h"

namespace Veltis {
namespace Graphics {

class ISharedBitmap;
class ISharedImage;

// A drawing object showing one image at its own size (mode 0), tiled from its origin over its area (1)
// or stretched to its area through a cached bitmap (2); other modes act as 0.
class CImageGraphics : public C2DGraphicsBase {
public:
    CImageGraphics();

    // Neither setter invalidates: the owner does. A null image leaves the object without one.
    void SetImage(const ISharedImage* image, const ISharedBitmap* hitMask);
    void SetAlphaImage(const ISharedImage* image, const ISharedBitmap* hitMask, int opacity);
    void SetDrawMode(int mode);
    Core::C2DSize GetImageSize() const { return m_Catalog.GetImageSize(0); }
    void SetSizeFromImage() { SetSize(GetImageSize()); }

    void Draw(IDrawSurface& surface, const ISimple2DRegion* region) override;
    bool HitTest(const Core::C2DPoint& point) override;
    bool IsTransparent() override { return m_Catalog.IsTransparent(0); }

private:
    void DrawTiled(IDrawSurface& surface, const Core::C2DRectangle& area);
    void DrawStretched(IDrawSurface& surface, const Core::C2DRectangle& area);
    // Repaints the cache after a change of image or size.
    void UpdateStretchCache();

    CImageCatalog m_Catalog;
    int m_DrawMode;
    CDIBBitmap m_StretchCache;
    bool m_StretchCacheDirty;
};

} // namespace Graphics
} // namespace Veltis
