#pragma once

#include "Veltis/Core/IConstEnable.h"

namespace Veltis {
namespace Core {

// Something that can be switched on and off.
class IEnable : public virtual IConstEnable {
public:
    virtual void Enable(bool enabled) = 0;
};

} // namespace Core
} // namespace Veltis
