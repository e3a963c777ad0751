#pragma once

#include "Veltis/Graphics/C2DGraphicsBase.h"

namespace Veltis {
namespace Graphics {

// A drawing object that draws nothing; hit inside its area when hit-testable.
class C2DEmptyGraphics : public C2DGraphicsBase {
public:
    C2DEmptyGraphics() : m_Transparent(true), m_HitTestable(true) {}

    void Draw(IDrawSurface&, const ISimple2DRegion*) override {}
    bool HitTest(const Core::C2DPoint& point) override;
    bool IsTransparent() override { return m_Transparent; }

private:
    bool m_Transparent;
    bool m_HitTestable;
};

} // namespace Graphics
} // namespace Veltis
