#pragma once

namespace Veltis {
namespace Core {

// The period of a timer-driven object, in milliseconds.
class IRefreshTime {
public:
    virtual void SetRefreshTime(int milliseconds) = 0;
    virtual int GetRefreshTime() = 0;
    virtual ~IRefreshTime() {}
};

} // namespace Core
} // namespace Veltis
