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

void CImageElement::DrawClipped(IDrawSurface& surface, const Core::C2DRectangle& source,
                                const Core::C2DPoint& destination, int opacity)
{
    Core::C2DRectangle part = Core::C2DRectangle::Intersect(source, GetWholeImage());
    Core::C2DPoint corner(part.x, part.y);
    Core::C2DSize size(part.width, part.height);
    if (opacity < 0)
        surface.DrawImage(*m_Image, corner, destination, size);
    else
        surface.DrawImage(*m_Image, corner, destination, size, uint8_t(opacity));
}

void CNormalImageElement::Draw(IDrawSurface& surface, const Core::C2DPoint& destination)
{
    DrawPart(surface, GetWholeImage(), destination);
}

void CNormalImageElement::DrawPart(IDrawSurface& surface, const Core::C2DRectangle& source,
                                   const Core::C2DPoint& destination)
{
    DrawClipped(surface, source, destination, -1);
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
    DrawClipped(surface, source, destination, m_Opacity);
}

} // namespace Graphics
} // namespace Veltis
