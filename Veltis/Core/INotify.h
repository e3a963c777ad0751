#pragma once

namespace Veltis {
namespace Core {

// The announcing side of an event. Const, so a const command can chain one provider to another.
class INotify {
public:
    virtual void Notify() const = 0;
    virtual ~INotify() {}
};

} // namespace Core
} // namespace Veltis
