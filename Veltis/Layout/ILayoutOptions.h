#pragma once

#include "Veltis/Core/Align.h"

namespace Veltis {
namespace Core {
class IEventProvider;
}

namespace Layout {

// How a group places one child: alignments, explicit positions (relative to the group's corner),
// sizes relative to the group's inner size (below 0: none) and the share of spare room (flex).
class ILayoutOptions {
public:
    virtual void SetVAlign(Core::Align::EVAlign align) = 0;
    virtual void SetHAlign(Core::Align::EHAlign align) = 0;
    virtual void SetHPosition(int position) = 0;
    virtual void SetVPosition(int position) = 0;
    virtual void SetRelativeWidth(float fraction) = 0;
    virtual void SetRelativeHeight(float fraction) = 0;
    virtual void SetFlex(float flex) = 0;
    virtual Core::Align::EVAlign GetVAlign() const = 0;
    virtual Core::Align::EHAlign GetHAlign() const = 0;
    virtual int GetHPosition() const = 0;
    virtual int GetVPosition() const = 0;
    virtual float GetRelativeWidth() const = 0;
    virtual float GetRelativeHeight() const = 0;
    virtual float GetFlex() const = 0;
    virtual Core::IEventProvider& GetChangedEvents() = 0;
    virtual ~ILayoutOptions() {}
};

} // namespace Layout
} // namespace Veltis
