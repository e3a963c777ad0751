#pragma once

#include "Veltis/Graphics/C2DGraphicsBase.h"

namespace Veltis {
namespace Graphics {

// A drawing object that fills its area (or the bounds of the region being repainted) with a colour;
// opaque, with a fixed hit-test answer.
class CColorDrawer : public C2DGraphicsBase {
public:
    CColorDrawer(const Core::CColor& color, bool hitTest) : m_Color(color), m_HitTest(hitTest) {}

    // Leaves the surface's brush changed.
    void Draw(IDrawSurface& surface, const ISimple2DRegion* region) override;
    bool HitTest(const Core::C2DPoint&) override { return m_HitTest; }
    bool IsTransparent() override { return false; }
    void SetColor(const Core::CColor& color) { SetInvalidatingColor(m_Color, color); }

private:
    Core::CColor m_Color;
    bool m_HitTest;
};

} // namespace Graphics
} // namespace Veltis
