#pragma once

#include "Veltis/DataModel/IConstObjectInfo.h"

namespace Veltis {
namespace Graphics {
class I2DGraphics;
}

namespace DataModel {
namespace Objects {

// The descriptor of an action: name, comment and an optional drawing object for views that show one.
class IConstActionInfo : public virtual IConstObjectInfo {
public:
    // Null when there is none.
    virtual const Graphics::I2DGraphics* GetGraphics() const = 0;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
