#include "Veltis/Graphics/CImageCatalog.h"

#include "Veltis/Core/CColor.h"
#include "Veltis/Graphics/CImageElement.h"
#include "Veltis/Graphics/IRGBPixelAccess.h"
#include "Veltis/Graphics/ISharedBitmap.h"
#include "Veltis/Graphics/ISharedImage.h"

#include <algorithm>
#include <memory>

namespace Veltis {
namespace Graphics {

namespace {

// 1/255 in single precision: with 0.2, a luminance of 51 hits and 50 does not.
constexpr float kByteScale = 0.003921568859368563f;

bool IsWithin(int64_t x, int64_t y, const Core::C2DSize& size)
{
    return x >= 0 && y >= 0 && x < size.width && y < size.height;
}

// Black outside the bitmap or without pixel access.
Core::CColor GetBitmapPixel(const IBitmap& bitmap, const Core::C2DPoint& point)
{
    if (!IsWithin(point.x, point.y, bitmap.GetSize()))
        return Core::CColor();
    std::unique_ptr<const IRGBPixelAccess> access(bitmap.GetPixelAccess());
    return access ? access->GetPixel(point) : Core::CColor();
}

} // namespace

CImageCatalog::CImageCatalog(int count) : m_Elements(count > 0 ? count : 0) {}

CImageCatalog::~CImageCatalog()
{
    SetCount(0);
}

CImageElement* CImageCatalog::GetElement(int index) const
{
    return index >= 0 && index < m_Elements.GetCount() ? m_Elements[index] : nullptr;
}

void CImageCatalog::SetCount(int count)
{
    count = std::max(count, 0);
    int old = m_Elements.GetCount();
    // The vector keeps stale slots within its capacity: null what is freed so growing back revives nothing.
    for (int i = count; i < old; ++i) {
        delete m_Elements[i];
        m_Elements[i] = nullptr;
    }
    m_Elements.SetSize(count);
    for (int i = old; i < count; ++i)
        m_Elements[i] = nullptr;
}

void CImageCatalog::Replace(int index, CImageElement* element)
{
    delete m_Elements[index];
    m_Elements[index] = element;
}

void CImageCatalog::SetImage(int index, const ISharedImage* image, const ISharedBitmap* hitMask)
{
    if (index < 0 || index >= m_Elements.GetCount())
        return;
    Replace(index, nullptr);
    if (image)
        Replace(index, new CNormalImageElement(image->Share(), hitMask ? hitMask->Share() : nullptr));
}

void CImageCatalog::SetAlphaImage(int index, const ISharedImage* image, const ISharedBitmap* hitMask, int opacity)
{
    if (index < 0 || index >= m_Elements.GetCount())
        return;
    Replace(index, nullptr);
    if (image)
        Replace(index, new CAlphaImageElement(image->Share(), hitMask ? hitMask->Share() : nullptr, opacity));
}

void CImageCatalog::DrawImage(int index, IDrawSurface& surface, const Core::C2DRectangle& source,
                              const Core::C2DPoint& destination) const
{
    if (CImageElement* element = GetElement(index))
        element->DrawPart(surface, source, destination);
}

Core::C2DSize CImageCatalog::GetImageSize(int index) const
{
    CImageElement* element = GetElement(index);
    return element ? element->GetImage()->GetSize() : Core::C2DSize(0, 0);
}

Core::C2DSize CImageCatalog::GetMaxImageSize() const
{
    Core::C2DSize largest(0, 0);
    for (int i = 0; i < m_Elements.GetCount(); ++i) {
        Core::C2DSize size = GetImageSize(i);
        largest.width = std::max(largest.width, size.width);
        largest.height = std::max(largest.height, size.height);
    }
    return largest;
}

bool CImageCatalog::IsTransparent(int index) const
{
    CImageElement* element = GetElement(index);
    return element ? element->IsTransparent() : true;
}

bool CImageCatalog::HitTest(int index, const Core::C2DPoint& point, const Core::C2DPoint& origin,
                            float threshold) const
{
    CImageElement* element = GetElement(index);
    if (!element)
        return false;
    int64_t x = int64_t(point.x) - origin.x;
    int64_t y = int64_t(point.y) - origin.y;
    const ISharedBitmap* mask = element->GetHitMask();
    if (!mask)
        return IsWithin(x, y, element->GetImage()->GetSize());
    if (!IsWithin(x, y, mask->GetSize()))
        return false;
    Core::CColor color = GetBitmapPixel(*mask, Core::C2DPoint(int32_t(x), int32_t(y)));
    int luminance = (color.r + 2 * color.g + color.b) / 4;
    return float(luminance) * kByteScale > threshold;
}

bool CImageCatalog::IsSameImage(int first, int second) const
{
    CImageElement* a = GetElement(first);
    CImageElement* b = GetElement(second);
    return a && b && a->GetImage()->GetNativeImage() == b->GetImage()->GetNativeImage();
}

ISharedImage* CImageCatalog::GetImage(int index) const
{
    CImageElement* element = GetElement(index);
    return element ? element->GetImage() : nullptr;
}

} // namespace Graphics
} // namespace Veltis
