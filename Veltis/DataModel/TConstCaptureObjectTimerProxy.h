#pragma once

#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Core/TCommand.h"
#include "Veltis/Core/TValueTraits.h"
#include "Veltis/DataModel/ProxyTick.h"
#include "Veltis/DataModel/TIConstCaptureObjectFactory.h"
#include "Veltis/DataModel/TIConstCaptureObjectTimerProxy.h"
#include "Veltis/System/ITimerProvider.h"

#include <atomic>
#include <cstdint>

namespace Veltis {
namespace DataModel {

// The editor-side reader of a published output curve, string or surface. The source's events, which
// may fire on the audio thread with the source's locks held, only set flags; each tick of the timer,
// on the timer's thread, takes a fresh copy after a reported change and announces it with the
// gesture edge. Source and timer provider must outlive the proxy; a function-valued source must
// hold a function.
template <class V, class IInfo>
class TConstCaptureObjectTimerProxy : public virtual TIConstCaptureObjectTimerProxy<V, IInfo> {
    typedef Core::TValueTraits<V> Traits;
    typedef Core::TCommand<TConstCaptureObjectTimerProxy> CCommand;

public:
    typedef TIConstCaptureObjectFactory<V, IInfo> Source;
    static constexpr int kRefreshTimeMs = 50;

    TConstCaptureObjectTimerProxy(Source& source, System::ITimerProvider& timer)
        : m_Dirty(false), m_Captured(false), m_PendingCaptured(false), m_Copy(Traits::Empty()), m_Source(source),
          m_Timer(timer), m_TimerCommand(new CCommand(this, &TConstCaptureObjectTimerProxy::OnTimer)),
          m_ValueListener(new CCommand(this, &TConstCaptureObjectTimerProxy::OnSourceValueChanged)),
          m_BeginListener(new CCommand(this, &TConstCaptureObjectTimerProxy::OnSourceCaptureBegin)),
          m_EndListener(new CCommand(this, &TConstCaptureObjectTimerProxy::OnSourceCaptureEnd)), m_Active(true),
          m_RefreshTime(kRefreshTimeMs)
    {
        m_Source.GetBeginCaptureEvent().AddListener(m_BeginListener);
        m_Source.GetEndCaptureEvent().AddListener(m_EndListener);
        m_Source.GetValueChangedEvent().AddListener(m_ValueListener);
        m_Timer.AddTimer(kRefreshTimeMs, *m_TimerCommand);
        m_Copy = m_Source.CreateValue();
        m_Captured = m_Source.IsCaptured();
        m_PendingCaptured.store(m_Captured, std::memory_order_release);
    }

    ~TConstCaptureObjectTimerProxy() override
    {
        m_Source.GetBeginCaptureEvent().RemoveListener(m_BeginListener, true);
        m_Source.GetEndCaptureEvent().RemoveListener(m_EndListener, true);
        m_Source.GetValueChangedEvent().RemoveListener(m_ValueListener, true);
        m_Timer.RemoveTimer(m_TimerCommand, true);
        Traits::Free(m_Copy);
    }

    TConstCaptureObjectTimerProxy(const TConstCaptureObjectTimerProxy&) = delete;
    TConstCaptureObjectTimerProxy& operator=(const TConstCaptureObjectTimerProxy&) = delete;

    Core::IEventProvider& GetValueChangedEvent() override { return m_ValueChangedEvent; }
    // The copy taken by the last Update; valid until the next one replaces it.
    V GetValue() const override { return Traits::Get(m_Copy); }
    const IInfo& GetInfo() const override { return m_Source.GetInfo(); }
    const IInfo& GetInfo() override { return m_Source.GetInfo(); }
    Core::IEventProvider& GetBeginCaptureEvent() override { return m_BeginCaptureEvent; }
    Core::IEventProvider& GetEndCaptureEvent() override { return m_EndCaptureEvent; }

    // Always replaces the tick command, also with the current period.
    void SetRefreshTime(int milliseconds) override
    {
        m_Timer.RemoveTimer(m_TimerCommand, true);
        m_TimerCommand = new CCommand(this, &TConstCaptureObjectTimerProxy::OnTimer);
        m_Timer.AddTimer(milliseconds, *m_TimerCommand);
        m_RefreshTime = milliseconds;
    }
    int GetRefreshTime() override { return m_RefreshTime; }

    // The gesture state as last announced.
    bool IsCaptured() override { return m_Captured; }

    // Publishes a reported change at once. The flag is cleared before the copy is taken, so a change
    // reported meanwhile is fetched by the next call. Every dirty call announces, equal texts included.
    void Update() override
    {
        if (!m_Dirty.exchange(false, std::memory_order_acq_rel))
            return;
        typename Traits::Stored fresh = m_Source.CreateValue();
        Traits::Free(m_Copy);
        m_Copy = fresh;
        m_ValueChangedEvent.Notify();
    }

    virtual void OnTimer()
    {
        if (!m_Active)
            return;
        RunProxyTick(m_Captured, m_PendingCaptured.load(std::memory_order_acquire), *this, m_BeginCaptureEvent,
                     m_EndCaptureEvent);
    }

    // While paused, ticks publish nothing and the flags wait; pausing announces nothing.
    void SetPaused(bool paused) { m_Active = !paused; }
    bool IsPaused() const { return !m_Active; }

private:
    // The source's listeners: they never read the source, whose locks its notifier may hold.
    void OnSourceValueChanged() { m_Dirty.store(true, std::memory_order_release); }
    void OnSourceCaptureBegin() { m_PendingCaptured.store(true, std::memory_order_release); }
    void OnSourceCaptureEnd() { m_PendingCaptured.store(false, std::memory_order_release); }

    Core::CEventProvider m_ValueChangedEvent;
    Core::CEventProvider m_BeginCaptureEvent;
    Core::CEventProvider m_EndCaptureEvent;
    std::atomic<bool> m_Dirty;
    bool m_Captured;
    std::atomic<bool> m_PendingCaptured;
    typename Traits::Stored m_Copy;
    Source& m_Source;
    System::ITimerProvider& m_Timer;
    Core::ICommand* m_TimerCommand;
    Core::ICommand* m_ValueListener;
    Core::ICommand* m_BeginListener;
    Core::ICommand* m_EndListener;
    bool m_Active;
    std::int32_t m_RefreshTime;
};

} // namespace DataModel
} // namespace Veltis
