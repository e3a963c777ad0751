#pragma once

#include <atomic>

#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Core/TCommand.h"
#include "Veltis/DataModel/Objects/IConstParamInfo.h"
#include "Veltis/DataModel/TIConstCaptureObjectTimerProxy.h"

namespace Veltis {
namespace System {
class ITimerProvider;
}

namespace DataModel {
namespace Objects {

// Shows a parameter that changes often, or on another thread (the audio thread), at a timer's pace:
// the value is read live from the source, but its change and gesture notifications are collected and
// announced from the timer, at most once per period. The source's listeners only set two atomic
// flags; everything else runs on the timer provider's thread. The source must outlive the proxy and
// allow GetValue and GetInfo from the timer's thread.
class CConstCaptureParamTimerProxy : public virtual TIConstCaptureObjectTimerProxy<float, IConstParamInfo> {
public:
    typedef TIConstCaptureObject<float, IConstParamInfo> Source;

    CConstCaptureParamTimerProxy(Source* source, System::ITimerProvider* timerProvider);
    ~CConstCaptureParamTimerProxy() override;
    CConstCaptureParamTimerProxy(const CConstCaptureParamTimerProxy&) = delete;
    CConstCaptureParamTimerProxy& operator=(const CConstCaptureParamTimerProxy&) = delete;

    Core::IEventProvider& GetValueChangedEvent() override { return m_ValueChanged; }
    float GetValue() const override { return m_Source->GetValue(); }
    const IConstParamInfo& GetInfo() const override { return m_Source->GetInfo(); }
    const IConstParamInfo& GetInfo() override { return m_Source->GetInfo(); }
    Core::IEventProvider& GetBeginCaptureEvent() override { return m_BeginCapture; }
    Core::IEventProvider& GetEndCaptureEvent() override { return m_EndCapture; }
    // The gesture state as last announced.
    bool IsCaptured() override { return m_Captured; }

    // Always replaces the timer command, also with the current period.
    void SetRefreshTime(int milliseconds) override;
    int GetRefreshTime() override { return m_RefreshTime; }

    void Update() override;
    virtual void OnTimer();

    // While paused the ticks announce nothing; the first tick after resuming delivers what is pending.
    void SetPaused(bool paused) { m_Active = !paused; }
    bool IsPaused() const { return !m_Active; }

protected:
    void OnSourceValueChanged() { m_ChangePending.store(true); }
    void OnSourceBeginCapture() { m_SourceCaptured.store(true); }
    void OnSourceEndCapture() { m_SourceCaptured.store(false); }

    Core::CEventProvider m_ValueChanged;
    Core::CEventProvider m_BeginCapture;
    Core::CEventProvider m_EndCapture;
    bool m_Captured;
    std::atomic<bool> m_SourceCaptured;
    std::atomic<bool> m_ChangePending;

private:
    typedef Core::TCommand<CConstCaptureParamTimerProxy> CCommand;

    void ReleaseTimerCommand();

    Source* m_Source;
    System::ITimerProvider* m_TimerProvider;
    Core::ICommand* m_ValueListener;
    Core::ICommand* m_TimerCommand;
    Core::ICommand* m_BeginCaptureListener;
    Core::ICommand* m_EndCaptureListener;
    bool m_Active;
    int m_RefreshTime;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
