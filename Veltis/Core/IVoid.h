#pragma once

#include "Veltis/Core/IDestroy.h"

namespace Veltis {
namespace Core {

// A holder of an object of any type, whose address it gives untyped.
class IVoid : public virtual IDestroy {
public:
    virtual void* GetVoidPointer() = 0;
    virtual const void* GetVoidPointer() const = 0;
};

} // namespace Core
} // namespace Veltis
