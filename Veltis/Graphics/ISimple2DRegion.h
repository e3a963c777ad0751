#pragma once

#include "Veltis/Core/C2DPoint.h"
#include "Veltis/Core/C2DRectangle.h"

namespace Veltis {
namespace Graphics {

// The area of a view being repainted, a union of pixel rectangles, handed to every Draw call.
class ISimple2DRegion {
public:
    virtual Core::C2DRectangle GetBounds() const = 0;
    virtual bool IsEmpty() const = 0;
    // A new region that the caller deletes.
    virtual ISimple2DRegion* Clone() const = 0;
    virtual void IntersectRectangle(const Core::C2DRectangle& rectangle) = 0;
    virtual void Offset(const Core::C2DPoint& offset) = 0;
    // The bounds of the region cut to the rectangle; the region itself does not change.
    virtual Core::C2DRectangle GetIntersectionBounds(const Core::C2DRectangle& rectangle) const = 0;
    virtual ~ISimple2DRegion() {}
};

} // namespace Graphics
} // namespace Veltis
