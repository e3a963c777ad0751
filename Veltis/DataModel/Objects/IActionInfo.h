#pragma once

#include "Veltis/DataModel/IObjectInfo.h"
#include "Veltis/DataModel/Objects/IConstActionInfo.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// The writable action descriptor.
class IActionInfo : public virtual IConstActionInfo, public virtual IObjectInfo {
public:
    // owned: the descriptor deletes the drawing object when it replaces it or is destroyed.
    virtual void SetGraphics(const Graphics::I2DGraphics* graphics, bool owned) = 0;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
