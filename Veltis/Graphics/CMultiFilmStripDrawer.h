#pragma once

#include "Veltis/Graphics/C2DGraphicsBase.h"
#include "Veltis/Graphics/CDynamicImageCatalog.h"

namespace Veltis {
namespace Graphics {

// A drawing object showing one frame of one film strip out of several (one strip per entry, frames
// stacked top to bottom or left to right). The owner fills the catalog and writes the public fields;
// changing entries does not invalidate.
class CMultiFilmStripDrawer : public C2DGraphicsBase {
public:
    CMultiFilmStripDrawer() : m_FramesCount(1), m_Vertical(1), m_ImageIndex(0), m_Frame(0) {}

    // Invalidates unless the new strip is the same picture.
    void SetImageIndex(int index);
    void SetFrame(int frame);
    int GetImageIndex() const { return m_ImageIndex; }
    int GetFrame() const { return m_Frame; }
    // The largest strip with its stacking dimension divided by the frame count.
    void SetSizeFromImages();

    // A frame outside the strip draws only what overlaps it.
    void Draw(IDrawSurface& surface, const ISimple2DRegion* region) override;
    bool HitTest(const Core::C2DPoint& point) override;
    bool IsTransparent() override { return m_Catalog.IsTransparent(m_ImageIndex); }

    CDynamicImageCatalog m_Catalog;
    // Frames per strip; a count below 1 acts as 1.
    int m_FramesCount;
    // Used as a bool.
    int m_Vertical;

private:
    // Where the current frame starts in its strip.
    Core::C2DPoint GetFrameOffset() const;
    int GetFramesCount() const { return m_FramesCount < 1 ? 1 : m_FramesCount; }

    int m_ImageIndex;
    int m_Frame;
};

} // namespace Graphics
} // namespace Veltis
