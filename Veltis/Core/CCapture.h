#pragma once

#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Core/ICapture.h"

namespace Veltis {
namespace Core {

// An edit gesture flag whose begin and end are announced once each; listeners see the new state.
class CCapture : public virtual ICapture {
public:
    CCapture() : m_Captured(false) {}

    IEventProvider& GetBeginCaptureEvent() override { return m_BeginCapture; }
    IEventProvider& GetEndCaptureEvent() override { return m_EndCapture; }
    bool IsCaptured() override { return m_Captured; }
    void BeginCapture() override;
    void EndCapture() override;

private:
    CEventProvider m_BeginCapture;
    CEventProvider m_EndCapture;
    bool m_Captured;
};

} // namespace Core
} // namespace Veltis
