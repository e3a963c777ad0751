#pragma once

#include "Veltis/Core/CCapture.h"
#include "Veltis/Core/CEventProvider.h"

namespace Veltis {
namespace DataModel {

// The value-changed event and the two-state gesture every plain capture object holds, over the
// capture interface it implements. Writable objects pass BeginCapture and EndCapture to m_Capture.
template <class Interface>
class TCaptureObjectEvents : public virtual Interface {
public:
    Core::IEventProvider& GetValueChangedEvent() override { return m_ValueChanged; }
    Core::IEventProvider& GetBeginCaptureEvent() override { return m_Capture.GetBeginCaptureEvent(); }
    Core::IEventProvider& GetEndCaptureEvent() override { return m_Capture.GetEndCaptureEvent(); }
    bool IsCaptured() override { return m_Capture.IsCaptured(); }

protected:
    void NotifyValueChanged() const { m_ValueChanged.Notify(); }

    Core::CCapture m_Capture;

private:
    Core::CEventProvider m_ValueChanged;
};

} // namespace DataModel
} // namespace Veltis
