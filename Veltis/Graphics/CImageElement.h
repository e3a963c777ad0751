#pragma once

#include "Veltis/Core/C2DPoint.h"
#include "Veltis/Core/C2DRectangle.h"

namespace Veltis {
namespace Graphics {

class IDrawSurface;
class ISharedBitmap;
class ISharedImage;

// One entry of an image catalog: a share of an image and, optionally, of a hit-test mask bitmap.
class CImageElement {
public:
    // Takes over both shares; the mask may be null.
    CImageElement(ISharedImage* image, ISharedBitmap* hitMask) : m_Image(image), m_HitMask(hitMask) {}
    CImageElement(const CImageElement&) = delete;
    CImageElement& operator=(const CImageElement&) = delete;
    // Gives back the image share, then the mask share.
    virtual ~CImageElement();

    // The whole image with its top-left corner at the destination.
    virtual void Draw(IDrawSurface& surface, const Core::C2DPoint& destination) = 0;
    // The source rectangle cut to the image, its top-left corner at the destination as given.
    virtual void DrawPart(IDrawSurface& surface, const Core::C2DRectangle& source,
                          const Core::C2DPoint& destination) = 0;
    virtual bool IsTransparent() = 0;

    ISharedImage* GetImage() const { return m_Image; }
    ISharedBitmap* GetHitMask() const { return m_HitMask; }

protected:
    Core::C2DRectangle GetWholeImage() const;
    // The source cut to the image, at the destination; with an opacity 0..255 unless it is negative.
    void DrawClipped(IDrawSurface& surface, const Core::C2DRectangle& source, const Core::C2DPoint& destination,
                     int opacity);

    ISharedImage* m_Image;
    ISharedBitmap* m_HitMask;
};

// An element drawn as the surface blends the image's own alpha.
class CNormalImageElement : public CImageElement {
public:
    using CImageElement::CImageElement;

    void Draw(IDrawSurface& surface, const Core::C2DPoint& destination) override;
    void DrawPart(IDrawSurface& surface, const Core::C2DRectangle& source, const Core::C2DPoint& destination) override;
    bool IsTransparent() override { return false; }
};

// An element drawn with a constant opacity (0..255); transparent whatever the opacity.
class CAlphaImageElement : public CImageElement {
public:
    // An opacity outside 0..255 is taken as the nearest end.
    CAlphaImageElement(ISharedImage* image, ISharedBitmap* hitMask, int opacity);

    void Draw(IDrawSurface& surface, const Core::C2DPoint& destination) override;
    void DrawPart(IDrawSurface& surface, const Core::C2DRectangle& source, const Core::C2DPoint& destination) override;
    bool IsTransparent() override { return true; }

private:
    int32_t m_Opacity;
};

} // namespace Graphics
} // namespace Veltis
