#pragma once

namespace Veltis {
namespace Core {

// A lock that CAutoLock can hold for a scope.
class ILock {
public:
    virtual void Lock() = 0;
    virtual void Unlock() = 0;
    virtual ~ILock() {}
};

} // namespace Core
} // namespace Veltis
