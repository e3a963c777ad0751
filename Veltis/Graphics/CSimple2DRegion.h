#pragma once

#include "Veltis/Graphics/ISimple2DRegion.h"

#include "Native/Types.h"

namespace Veltis {
namespace Graphics {

// An update region over a native shape, which it owns. Rectangles are whole pixels; one of zero width
// or height adds nothing.
class CSimple2DRegion : public virtual ISimple2DRegion {
public:
    explicit CSimple2DRegion(const Core::C2DRectangle& rectangle);
    CSimple2DRegion(const CSimple2DRegion&) = delete;
    CSimple2DRegion& operator=(const CSimple2DRegion&) = delete;

    // (0, 0, 0, 0) when empty.
    Core::C2DRectangle GetBounds() const override;
    bool IsEmpty() const override;
    ISimple2DRegion* Clone() const override;
    void IntersectRectangle(const Core::C2DRectangle& rectangle) override;
    void Offset(const Core::C2DPoint& offset) override;
    Core::C2DRectangle GetIntersectionBounds(const Core::C2DRectangle& rectangle) const override;
    ~CSimple2DRegion() override;

    virtual void UnionRectangle(const Core::C2DRectangle& rectangle);

private:
    // Takes the shape, which may be null.
    explicit CSimple2DRegion(Native::HIMutableShapeRef shape);

    Native::HIMutableShapeRef m_Shape;
    bool m_Owned;
};

} // namespace Graphics
} // namespace Veltis
