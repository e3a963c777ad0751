#include "Veltis/Graphics/CSimple2DRegion.h"

#include "Veltis/Graphics/NativeGraphicsQueries.h"

#include "Native/CoreFoundation.h"
#include "Native/HIShape.h"

using namespace Native;

namespace Veltis {
namespace Graphics {

namespace {

HIMutableShapeRef CreateShape(const Core::C2DRectangle& rectangle)
{
    HIRect rect = ToNativeRect(rectangle);
    return HIShapeCreateMutableWithRect(&rect);
}

Core::C2DRectangle BoundsOf(HIShapeRef shape)
{
    HIRect bounds;
    HIShapeGetBounds(shape, &bounds);
    return FromNativeRect(bounds);
}

// shape = shape op rectangle.
void Combine(HIMutableShapeRef shape, const Core::C2DRectangle& rectangle,
             OSStatus (*op)(HIShapeRef, HIShapeRef, HIMutableShapeRef))
{
    HIMutableShapeRef other = shape ? CreateShape(rectangle) : nullptr;
    if (!other)
        return;
    op(shape, other, shape);
    CFRelease(other);
}

} // namespace

CSimple2DRegion::CSimple2DRegion(const Core::C2DRectangle& rectangle) : CSimple2DRegion(CreateShape(rectangle)) {}

CSimple2DRegion::CSimple2DRegion(HIMutableShapeRef shape) : m_Shape(shape), m_Owned(true) {}

CSimple2DRegion::~CSimple2DRegion()
{
    if (m_Owned && m_Shape)
        CFRelease(m_Shape);
}

Core::C2DRectangle CSimple2DRegion::GetBounds() const
{
    return m_Shape ? BoundsOf(m_Shape) : Core::C2DRectangle(0, 0, 0, 0);
}

bool CSimple2DRegion::IsEmpty() const
{
    return !m_Shape || HIShapeIsEmpty(m_Shape);
}

ISimple2DRegion* CSimple2DRegion::Clone() const
{
    if (!m_Shape)
        return new CSimple2DRegion(Core::C2DRectangle(0, 0, 0, 0));
    return new CSimple2DRegion(HIShapeCreateMutableCopy(m_Shape));
}

void CSimple2DRegion::IntersectRectangle(const Core::C2DRectangle& rectangle)
{
    Combine(m_Shape, rectangle, &HIShapeIntersect);
}

void CSimple2DRegion::UnionRectangle(const Core::C2DRectangle& rectangle)
{
    Combine(m_Shape, rectangle, &HIShapeUnion);
}

void CSimple2DRegion::Offset(const Core::C2DPoint& offset)
{
    if (m_Shape)
        HIShapeOffset(m_Shape, offset.x, offset.y);
}

Core::C2DRectangle CSimple2DRegion::GetIntersectionBounds(const Core::C2DRectangle& rectangle) const
{
    if (!m_Shape)
        return Core::C2DRectangle(0, 0, 0, 0);
    HIMutableShapeRef intersection = CreateShape(rectangle);
    if (!intersection)
        return Core::C2DRectangle(0, 0, 0, 0);
    HIShapeIntersect(m_Shape, intersection, intersection);
    Core::C2DRectangle bounds = BoundsOf(intersection);
    CFRelease(intersection);
    return bounds;
}

} // namespace Graphics
} // namespace Veltis
