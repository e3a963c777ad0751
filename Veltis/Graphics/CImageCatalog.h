#pragma once

#include "Veltis/Core/C2DPoint.h"
#include "Veltis/Core/C2DRectangle.h"
#include "Veltis/Core/C2DSize.h"
#include "Veltis/Core/TDynamicVector.h"

namespace Veltis {
namespace Graphics {

class CImageElement;
class IDrawSurface;
class ISharedBitmap;
class ISharedImage;

// An indexed list of image entries (one per state or value), each with an optional hit-test mask.
// Indices outside 0 .. count - 1 and empty entries draw nothing, hit nothing, have size 0 x 0 and are
// transparent. The catalog owns its elements. GUI thread only.
class CImageCatalog {
public:
    // What every drawing object passes to HitTest.
    static constexpr float kHitThreshold = 0.2f;

    explicit CImageCatalog(int count);
    CImageCatalog(const CImageCatalog&) = delete;
    CImageCatalog& operator=(const CImageCatalog&) = delete;
    virtual ~CImageCatalog();

    // Deletes the entries at and beyond the new count; new entries are empty. A negative count is 0.
    void SetCount(int count);
    int GetCount() const { return m_Elements.GetCount(); }
    // Replaces the entry by one holding new shares of the image and the mask (the caller keeps its own);
    // a null image leaves the entry empty.
    void SetImage(int index, const ISharedImage* image, const ISharedBitmap* hitMask);
    // The same, drawn with a constant opacity 0..255.
    void SetAlphaImage(int index, const ISharedImage* image, const ISharedBitmap* hitMask, int opacity);

    // The source rectangle (image pixels) cut to the image, its top-left corner at the destination.
    void DrawImage(int index, IDrawSurface& surface, const Core::C2DRectangle& source,
                   const Core::C2DPoint& destination) const;
    Core::C2DSize GetImageSize(int index) const;
    // The largest width and the largest height over all entries.
    Core::C2DSize GetMaxImageSize() const;
    bool IsTransparent(int index) const;
    // Whether the point, less the origin, lies on the image, or where there is a mask, on a mask pixel
    // brighter than the threshold (0..1).
    bool HitTest(int index, const Core::C2DPoint& point, const Core::C2DPoint& origin, float threshold) const;
    // Both entries hold an image and both images are one native picture.
    bool IsSameImage(int first, int second) const;
    // The entry's image, still owned by the catalog; null for an empty entry.
    ISharedImage* GetImage(int index) const;

private:
    CImageElement* GetElement(int index) const;
    void Replace(int index, CImageElement* element);

    Core::TDynamicVector<CImageElement*, Core::CStepGrowthStrategy, Core::TEqualOperatorCopier<CImageElement*>>
        m_Elements;
};

} // namespace Graphics
} // namespace Veltis
