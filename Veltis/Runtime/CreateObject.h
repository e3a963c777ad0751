#pragma once

#include "Veltis/Runtime/CObjectsFactory.h"

namespace Veltis {
namespace Runtime {

// A new object of the class, as a pointer to the interface that interfaceId names; null when the
// registry has no factory for the pair. The caller owns the object.
inline void* CreateObject(const char* classId, const char* interfaceId)
{
    return CObjectsFactory::GetInstance()->CreateObject(classId, interfaceId);
}

} // namespace Runtime
} // namespace Veltis
