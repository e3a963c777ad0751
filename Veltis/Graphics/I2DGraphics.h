#pragma once

namespace Veltis {
namespace Graphics {

// The drawing object of a widget. Only its destructor is declared so far: records that carry one
// store it and delete it through this interface.
class I2DGraphics {
public:
    virtual ~I2DGraphics() {}
};

} // namespace Graphics
} // namespace Veltis
