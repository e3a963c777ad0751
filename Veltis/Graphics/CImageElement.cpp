#include "Veltis/Graphics/CImageElement.h"

#include "Veltis/Graphics/IDrawSurface.h"
#include "Veltis/Graphics/ISharedBitmap.h"
#include "Veltis/Graphics/ISharedImage.h"

namespace Veltis {
namespace Graphics {

CImageElement::~CImageElement()
{
    delete m_Image;
    m_Image = nullptr;
    delete m_HitMask;
    m_HitMask = nullptr;
}

Core::C2DRectangle CImageElement::GetWholeImage() const
{
    return Core::C2DRectangle(Core::C2DPoint(0, 0), m_Image->GetSize());
}

Core::C2DRectangle CImageElement::ClipToImage(const Core::C2DRectangle& source) const
{
    return Core::C2DRectangle::Intersect(source, GetWholeImage());
}

void CNormalImageElement::Draw(IDrawSurface& surface, const Core::C2DPoint& destination)
{
    DrawPart(surface, GetWholeImage(), destination);
}

void CNormalImageElement::DrawPart(IDrawSurface& surface, const Core::C2DRectangle& source,
                                   const Core::C2DPoint& destination)
{
    Core::C2DRectangle part = ClipToImage(source);
    surface.DrawImage(*m_Image, Core::C2DPoint(part.x, part.y), destination,
                      Core::C2DSize(part.width, part.height));
}

CAlphaImageElement::CAlphaImageElement(ISharedImage* image, ISharedBitmap* hitMask, int opacity)
    : CImageElement(image, hitMask), m_Opacity(opacity < 0 ? 0 : opacity > 255 ? 255 : opacity)
{
}

void CAlphaImageElement::Draw(IDrawSurface& surface, const Core::C2DPoint& destination)
{
    DrawPart(surface, GetWholeImage(), destination);
}

void CAlphaImageElement::DrawPart(IDrawSurface& surface, const Core::C2DRectangle& source,
                                  const Core::C2DPoint& destination)
{
    Core::C2DRectangle part = ClipToImage(source);
    surface.DrawImage(*m_Image, Core::C2DPoint(part.x, part.y), destination,
                      Core::C2DSize(part.width, part.height), uint8_t(m_Opacity));
}

} // namespace Graphics
} // namespace Veltis
