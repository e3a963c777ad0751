#pragma once

#include "Veltis/Graphics/IDrawSurface.h"

namespace Veltis {
namespace Graphics {

// A surface over a native context that it can hand back.
class IAdaptedDrawSurface : public virtual IDrawSurface {
public:
    // The context, which the surface no longer releases; the surface draws nothing afterwards.
    virtual Native::CGContextRef Detach() = 0;
};

} // namespace Graphics
} // namespace Veltis
