#pragma once

#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Core/TCommand.h"
#include "Veltis/Core/TValueTraits.h"
#include "Veltis/DataModel/TIConstCaptureObject.h"
#include "Veltis/DataModel/TIConstCaptureObjectFactory.h"
#include "Veltis/System/ITimerProvider.h"

#include <atomic>

namespace Veltis {
namespace DataModel {

// The editor-side reader of one published output. The factory's events, which may fire on the audio
// thread, only mark a change as pending; each tick of the timer, on the timer's thread, takes a fresh
// copy and re-announces what changed there. Factory and timer provider must outlive the proxy, and a
// function-valued factory must hold a function.
template <class V, class IInfo>
class TConstCaptureObjectTimerProxy : public virtual TIConstCaptureObject<V, IInfo> {
    typedef Core::TValueTraits<V> Traits;
    typedef Core::TCommand<TConstCaptureObjectTimerProxy> CCommand;

public:
    static constexpr int kRefreshTimeMs = 50;

    TConstCaptureObjectTimerProxy(TIConstCaptureObjectFactory<V, IInfo>& factory, System::ITimerProvider& timer)
        : m_Factory(factory), m_Timer(timer), m_Copy(Traits::Empty()), m_Captured(factory.IsCaptured()),
          m_ValuePending(false), m_CapturePending(false),
          m_ValueListener(new CCommand(this, &TConstCaptureObjectTimerProxy::OnValueChanged)),
          m_CaptureListener(new CCommand(this, &TConstCaptureObjectTimerProxy::OnCaptureChanged)),
          m_TimerCommand(new CCommand(this, &TConstCaptureObjectTimerProxy::OnTimer))
    {
        m_Factory.GetValueChangedEvent().AddListener(m_ValueListener);
        m_Factory.GetBeginCaptureEvent().AddListener(m_CaptureListener);
        m_Factory.GetEndCaptureEvent().AddListener(m_CaptureListener);
        m_Copy = m_Factory.CreateValue();
        m_Timer.AddTimer(kRefreshTimeMs, *m_TimerCommand);
    }

    ~TConstCaptureObjectTimerProxy() override
    {
        m_Timer.RemoveTimer(m_TimerCommand, true);
        m_Factory.GetEndCaptureEvent().RemoveListener(m_CaptureListener);
        m_Factory.GetBeginCaptureEvent().RemoveListener(m_CaptureListener);
        m_Factory.GetValueChangedEvent().RemoveListener(m_ValueListener, true);
        delete m_CaptureListener;
        Traits::Free(m_Copy);
    }

    TConstCaptureObjectTimerProxy(const TConstCaptureObjectTimerProxy&) = delete;
    TConstCaptureObjectTimerProxy& operator=(const TConstCaptureObjectTimerProxy&) = delete;

    // The copy taken at the last tick that saw a change.
    V GetValue() const override { return Traits::Get(m_Copy); }
    const IInfo& GetInfo() const override { return m_Factory.GetInfo(); }
    const IInfo& GetInfo() override { return m_Factory.GetInfo(); }
    bool IsCaptured() override { return m_Captured; }
    Core::IEventProvider& GetValueChangedEvent() override { return m_ValueChangedEvent; }
    Core::IEventProvider& GetBeginCaptureEvent() override { return m_BeginCaptureEvent; }
    Core::IEventProvider& GetEndCaptureEvent() override { return m_EndCaptureEvent; }

    void OnTimer()
    {
        if (m_CapturePending.exchange(false)) {
            const bool captured = m_Factory.IsCaptured();
            if (captured != m_Captured) {
                m_Captured = captured;
                (captured ? m_BeginCaptureEvent : m_EndCaptureEvent).Notify();
            }
        }
        if (!m_ValuePending.exchange(false))
            return;
        typename Traits::Stored fresh = m_Factory.CreateValue();
        const bool changed = IsChange(m_Copy, fresh);
        Traits::Free(m_Copy);
        m_Copy = fresh;
        if (changed)
            m_ValueChangedEvent.Notify();
    }

private:
    void OnValueChanged() { m_ValuePending = true; }
    void OnCaptureChanged() { m_CapturePending = true; }

    // Texts are announced only when they differ; a new function copy always is.
    static bool IsChange(char* const& previous, char* const& fresh)
    {
        return Core::TValueTraits<const char*>::Differs(previous, fresh);
    }
    template <class X>
    static bool IsChange(const X* const&, const X* const&)
    {
        return true;
    }

    TIConstCaptureObjectFactory<V, IInfo>& m_Factory;
    System::ITimerProvider& m_Timer;
    typename Traits::Stored m_Copy;
    bool m_Captured;
    std::atomic<bool> m_ValuePending;
    std::atomic<bool> m_CapturePending;
    Core::ICommand* m_ValueListener;
    Core::ICommand* m_CaptureListener;
    Core::ICommand* m_TimerCommand;
    Core::CEventProvider m_ValueChangedEvent;
    Core::CEventProvider m_BeginCaptureEvent;
    Core::CEventProvider m_EndCaptureEvent;
};

} // namespace DataModel
} // namespace Veltis
