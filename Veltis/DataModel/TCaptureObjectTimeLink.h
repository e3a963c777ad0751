#pragma once

#include "Veltis/Core/IRefreshTime.h"
#include "Veltis/Core/TCommand.h"
#include "Veltis/DataModel/TBaseCaptureObjectLink.h"
#include "Veltis/System/CPreciseCPUWatch.h"
#include "Veltis/System/ITimerProvider.h"

namespace Veltis {
namespace DataModel {

// A link that moves its target towards the source over a duration instead of copying at once: each
// change starts a transition from the target's current value, and a timer steps it (PrepareTransition
// and Step are the derived link's). The target's gesture ends with the transition, not with the
// source's gesture, so a host sees it touched until it stops; when no transition is running it ends
// at once. Ticks must come on the thread of the link and its ends.
template <class Source, class Target>
class TCaptureObjectTimeLink : public TBaseCaptureObjectLink<Source, Target>, public virtual Core::IRefreshTime {
    typedef TBaseCaptureObjectLink<Source, Target> Base;

public:
    // The timer command is registered for the link's whole life, at 50 ms.
    TCaptureObjectTimeLink(System::ITimerProvider* timerProvider, Source* source, Target* target)
        : Base(source, target),
          m_TransitionActive(false),
          m_InStep(false),
          m_EndOfCapturePending(false),
          m_TimerProvider(timerProvider),
          m_Duration(250.0),
          m_RefreshTime(50),
          m_TimerCommand(this, &TCaptureObjectTimeLink::OnTimer),
          m_HeldTarget(nullptr)
    {
        Register();
    }

    ~TCaptureObjectTimeLink() override
    {
        if (m_TimerProvider) {
            Core::ICommand* command = &m_TimerCommand;
            m_TimerProvider->RemoveTimer(command, false);
        }
        this->SetSource(nullptr);
        ReleaseHeldTarget();
    }

    void SetRefreshTime(int milliseconds) override
    {
        if (milliseconds == m_RefreshTime)
            return;
        m_RefreshTime = milliseconds;
        Register();
    }
    int GetRefreshTime() override { return m_RefreshTime; }

    // 0 or less completes every transition inside the change that starts it.
    virtual void SetDuration(int milliseconds) { m_Duration = static_cast<double>(milliseconds); }

    // True while the link itself writes the target.
    bool IsInStep() const { return m_InStep; }
    bool IsTransitionActive() const { return m_TransitionActive; }

    // Starts a transition from where the target is now.
    void Update() override
    {
        m_Watch.Start();
        m_TransitionActive = PrepareTransition();
        if (m_Duration <= 0.0)
            OnTimer();
        if (!m_TransitionActive && m_EndOfCapturePending)
            ReleaseHeldTarget();
    }

protected:
    // Takes the transition's end points; false when there is nothing to do.
    virtual bool PrepareTransition() = 0;
    // Writes the target at progress 0..1; false when the target already holds the end value.
    virtual bool Step(double progress) = 0;

    void OnSourceBeginCapture() override
    {
        if (!this->IsEnabled() || this->IsPaused() || !this->m_Target)
            return;
        m_EndOfCapturePending = false;
        if (m_HeldTarget == this->m_Target)
            return;
        ReleaseHeldTarget();
        m_HeldTarget = this->m_Target;
        m_HeldTarget->BeginCapture();
    }

    // Whatever the link's state, a held target is let go: now, or with the running transition.
    void OnSourceEndCapture() override { EndHeldCapture(); }
    void OnDeactivated() override { EndHeldCapture(); }

    void OnTargetChanged() override
    {
        if (m_HeldTarget && m_HeldTarget != this->m_Target)
            ReleaseHeldTarget();
    }

    // Runs whether or not the link is enabled or paused: a running transition always ends.
    void OnTimer()
    {
        if (!m_TransitionActive)
            return;
        double progress = 1.0;
        if (m_Duration > 0.0)
            progress = m_Watch.GetElapsedMilliseconds() / m_Duration;
        if (progress >= 1.0)
            progress = 1.0;
        else if (!(progress > 0.0))
            progress = 0.0;
        m_InStep = true;
        const bool moved = Step(progress);
        m_InStep = false;
        if (progress == 1.0 || !moved) {
            m_TransitionActive = false;
            if (m_EndOfCapturePending)
                ReleaseHeldTarget();
        }
    }

private:
    void Register()
    {
        if (!m_TimerProvider)
            return;
        Core::ICommand* command = &m_TimerCommand;
        m_TimerProvider->RemoveTimer(command, false);
        m_TimerProvider->AddTimer(m_RefreshTime, m_TimerCommand);
    }

    void EndHeldCapture()
    {
        if (!m_HeldTarget)
            return;
        if (m_TransitionActive)
            m_EndOfCapturePending = true;
        else
            ReleaseHeldTarget();
    }

    void ReleaseHeldTarget()
    {
        m_EndOfCapturePending = false;
        Target* target = m_HeldTarget;
        m_HeldTarget = nullptr;
        if (target)
            target->EndCapture();
    }

    System::CPreciseCPUWatch m_Watch;
    bool m_TransitionActive;
    bool m_InStep;
    bool m_EndOfCapturePending;
    System::ITimerProvider* m_TimerProvider;
    double m_Duration;
    int m_RefreshTime;
    Core::TCommand<TCaptureObjectTimeLink> m_TimerCommand;
    // The target whose gesture the link began and has not ended yet.
    Target* m_HeldTarget;
};

} // namespace DataModel
} // namespace Veltis
