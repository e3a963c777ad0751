#pragma once

#include "Veltis/Core/C2DPoint.h"

namespace Veltis {
namespace Graphics {

class IDrawSurface;
class ISimple2DRegion;

// Something that draws itself onto a surface and answers hit tests.
class I2DDrawer {
public:
    // The region being repainted may be null.
    virtual void Draw(IDrawSurface& surface, const ISimple2DRegion* region) = 0;
    virtual bool HitTest(const Core::C2DPoint& point) = 0;
    virtual ~I2DDrawer() {}
};

} // namespace Graphics
} // namespace Veltis
