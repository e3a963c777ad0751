#pragma once

#include "Veltis/Graphics/C2DGraphicsBase.h"

namespace Veltis {
namespace Graphics {

// A drawing object that outlines its area in a colour (white at first); never hit, always transparent.
class C2DRectangleGraphics : public C2DGraphicsBase {
public:
    C2DRectangleGraphics() : m_Color(255, 255, 255), m_PenStyle(0) {}

    // Leaves the surface's pen and transparency changed.
    void Draw(IDrawSurface& surface, const ISimple2DRegion* region) override;
    bool HitTest(const Core::C2DPoint&) override { return false; }
    bool IsTransparent() override { return true; }
    void SetColor(const Core::CColor& color) { SetInvalidatingColor(m_Color, color); }

private:
    Core::CColor m_Color;
    int m_PenStyle;
};

} // namespace Graphics
} // namespace Veltis
