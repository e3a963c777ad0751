#include "Veltis/Graphics/C2DGraphicsBase.h"

#include "Veltis/Graphics/ISimple2DRegion.h"

namespace Veltis {
namespace Graphics {

void C2DGraphicsBase::SetSize(const Core::C2DSize& size)
{
    if (size == m_Size)
        return;
    m_Size = size;
    if (m_Size.width <= 0)
        m_Size.width = 0;
    if (m_Size.height <= 0)
        m_Size.height = 0;
    m_SizeChangedEvent.Notify();
}

void C2DGraphicsBase::InvalidateAll()
{
    Core::C2DSize size = GetSize();
    m_InvalidateEvent.Notify(Core::C2DRectangle(0, 0, size.width, size.height));
}

Core::C2DRectangle C2DGraphicsBase::GetUpdateRectangle(const ISimple2DRegion* region)
{
    if (region)
        return region->GetBounds();
    Core::C2DSize size = GetSize();
    return Core::C2DRectangle(0, 0, size.width, size.height);
}

void C2DGraphicsBase::SetInvalidatingColor(Core::CColor& field, const Core::CColor& color)
{
    if (field.r == color.r && field.g == color.g && field.b == color.b)
        return;
    field = color;
    InvalidateAll();
}

} // namespace Graphics
} // namespace Veltis
