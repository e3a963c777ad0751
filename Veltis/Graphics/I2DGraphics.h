#pragma once

#include "Veltis/Core/C2DRectangle.h"
#include "Veltis/Core/TIArgEventProvider.h"
#include "Veltis/Graphics/I2DDrawer.h"
#include "Veltis/Graphics/I2DSize.h"

namespace Veltis {
namespace Graphics {

// A drawing object: draws itself at its size and announces which rectangle of its area needs redrawing.
class I2DGraphics : public virtual I2DDrawer, public virtual I2DSize {
public:
    virtual Core::TIArgEventProvider<const Core::C2DRectangle&>& GetInvalidateEvent() = 0;
    // True when the object does not cover every pixel of its area.
    virtual bool IsTransparent() = 0;
};

} // namespace Graphics
} // namespace Veltis
