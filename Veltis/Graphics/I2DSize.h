#pragma once

#include "Veltis/Graphics/IConst2DSize.h"

namespace Veltis {
namespace Graphics {

// A pixel size that others may set.
class I2DSize : public virtual IConst2DSize {
public:
    virtual void SetSize(const Core::C2DSize& size) = 0;
};

} // namespace Graphics
} // namespace Veltis
