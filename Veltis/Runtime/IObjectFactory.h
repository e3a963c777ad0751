#pragma once

namespace Veltis {
namespace Runtime {

// Creates objects from a class identifier and the identifier of the interface they are wanted as.
class IObjectFactory {
public:
    // A new object, read as the interface that interfaceId names and owned by the caller; null when
    // the pair is not one this factory makes.
    virtual void* CreateObject(const char* classId, const char* interfaceId) = 0;
    // The concrete class: CreateObject(classId, classId).
    virtual void* CreateObject(const char* classId) = 0;
    virtual ~IObjectFactory() {}
};

} // namespace Runtime
} // namespace Veltis
