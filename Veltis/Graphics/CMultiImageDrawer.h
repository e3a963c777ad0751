#pragma once

#include "Veltis/Graphics/C2DGraphicsBase.h"
#include "Veltis/Graphics/CDynamicImageCatalog.h"

namespace Veltis {
namespace Graphics {

// A drawing object showing one image out of several, at its own size from the object's origin. The
// owner fills the catalog; changing entries does not invalidate.
class CMultiImageDrawer : public C2DGraphicsBase {
public:
    CMultiImageDrawer() : m_ImageIndex(0) {}

    void SetImageIndex(int index);
    int GetImageIndex() const { return m_ImageIndex; }
    Core::C2DSize GetMaxImageSize() const { return m_Catalog.GetMaxImageSize(); }
    void SetSizeFromImages() { SetSize(GetMaxImageSize()); }

    void Draw(IDrawSurface& surface, const ISimple2DRegion* region) override;
    bool HitTest(const Core::C2DPoint& point) override;
    bool IsTransparent() override { return m_Catalog.IsTransparent(m_ImageIndex); }

    CDynamicImageCatalog m_Catalog;

private:
    int m_ImageIndex;
};

} // namespace Graphics
} // namespace Veltis
