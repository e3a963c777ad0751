#pragma once

#include "Veltis/Runtime/IRTTypeInfo.h"

namespace Veltis {
namespace Runtime {

// An object that offers interfaces ("facets") by identifier, for callers that know only the object.
class IDynamicObject {
public:
    virtual const IRTTypeInfo& GetTypeInfo() const = 0;
    // The facet stored under the interface identifier, to be cast to that interface; null when none.
    virtual void* GetObject(const char* interfaceId) = 0;
    virtual const void* GetObject(const char* interfaceId) const = 0;
    virtual ~IDynamicObject() {}
};

} // namespace Runtime
} // namespace Veltis
