#pragma once

namespace Veltis {
namespace Core {

class IEventProvider;

// The read side of an edit gesture (a host sees it as an automation touch).
class IConstCapture {
public:
    virtual IEventProvider& GetBeginCaptureEvent() = 0;
    virtual IEventProvider& GetEndCaptureEvent() = 0;
    virtual bool IsCaptured() = 0;
    virtual ~IConstCapture() {}
};

} // namespace Core
} // namespace Veltis
