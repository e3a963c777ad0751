#pragma once

namespace Veltis {
namespace System {

// An idle-time hook.
class IIdleListener {
public:
    virtual void OnIdle() = 0;
    virtual ~IIdleListener() {}
};

} // namespace System
} // namespace Veltis
