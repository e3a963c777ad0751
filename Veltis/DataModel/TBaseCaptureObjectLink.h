#pragma once

#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Core/IEnable.h"
#include "Veltis/Core/TCommand.h"
#include "Veltis/DataModel/IDisconnectAndPause.h"

namespace Veltis {
namespace DataModel {

// Makes a target capture object follow a source: each change of the source is written into the
// target (Update), and a gesture on the source holds the target in a gesture too. Created disabled;
// while disabled or paused the listeners stay registered and do nothing. Source is a read-only
// capture object interface, Target a writable one; neither is owned and either may be null.
// A gesture the link began on a target is ended before the link lets go of that target.
template <class Source, class Target>
class TBaseCaptureObjectLink : public virtual Core::IEnable, public virtual IDisconnectAndPause {
public:
    TBaseCaptureObjectLink(Source* source, Target* target)
        : m_Source(source),
          m_Target(target),
          m_TriggerOnModify(false),
          m_TargetCaptureHeld(false),
          m_ValueListener(this, &TBaseCaptureObjectLink::OnSourceValueChanged),
          m_BeginCaptureListener(this, &TBaseCaptureObjectLink::OnSourceBeginCapture),
          m_EndCaptureListener(this, &TBaseCaptureObjectLink::OnSourceEndCapture),
          m_Enabled(false),
          m_Paused(false)
    {
        AddListeners();
    }

    TBaseCaptureObjectLink(const TBaseCaptureObjectLink&) = delete;
    TBaseCaptureObjectLink& operator=(const TBaseCaptureObjectLink&) = delete;

    // Derived links whose capture hooks do more than the base's call SetSource(nullptr) in their own
    // destructor: from here on only the base hooks run.
    ~TBaseCaptureObjectLink() override
    {
        SetSource(nullptr);
        SetActive(false);
    }

    bool IsEnabled() override { return m_Enabled; }
    Core::IEventProvider& GetEnableChangedEvent() override { return m_EnableChanged; }

    void Enable(bool enabled) override
    {
        if (enabled == m_Enabled)
            return;
        SetActive(enabled);
        m_EnableChanged.Notify();
    }

    // Leaving pause while enabled restarts the link: gestures re-mirrored and, unless modify-only,
    // a fresh write.
    void SetPaused(bool paused) override
    {
        if (paused == m_Paused)
            return;
        m_Paused = paused;
        if (!paused && m_Enabled) {
            SetActive(false);
            SetActive(true);
        }
    }
    bool IsPaused() const { return m_Paused; }

    // Lets go of both ends; the enabled flag stays, so new ends bring the link back to work.
    void Disconnect() override
    {
        SetTarget(nullptr);
        SetSource(nullptr);
    }

    // Writes the target from the source.
    virtual void Update() = 0;

    // Restarts an enabled link on the new source (the enable-changed event fires twice).
    void SetSource(Source* source)
    {
        const bool enabled = m_Enabled;
        Enable(false);
        RemoveListeners();
        m_Source = source;
        AddListeners();
        OnSourceChanged();
        Enable(enabled);
    }

    void SetTarget(Target* target)
    {
        if (target != m_Target)
            ReleaseTargetCapture();
        m_Target = target;
        OnTargetChanged();
        if (!m_TriggerOnModify && m_Target)
            OnSourceValueChanged();
    }

    // Modify-only: the link writes only in answer to a change of the source.
    void SetTriggerOnModify(bool triggerOnModify) { m_TriggerOnModify = triggerOnModify; }
    bool IsTriggerOnModify() const { return m_TriggerOnModify; }

    Source* GetSource() const { return m_Source; }
    Target* GetTarget() const { return m_Target; }

protected:
    virtual void OnActivated() {}
    virtual void OnDeactivated() {}
    virtual void OnSourceChanged() {}
    virtual void OnTargetChanged() {}

    virtual void OnSourceBeginCapture()
    {
        if (!m_Enabled || m_Paused || !m_Target)
            return;
        m_TargetCaptureHeld = true;
        m_Target->BeginCapture();
    }

    virtual void OnSourceValueChanged()
    {
        if (m_Enabled && !m_Paused)
            Update();
    }

    virtual void OnSourceEndCapture()
    {
        if (!m_Enabled || m_Paused || !m_Target)
            return;
        m_TargetCaptureHeld = false;
        m_Target->EndCapture();
    }

    // Starts or stops the link's work; the enabled flag follows.
    void SetActive(bool active)
    {
        if (!m_Source) {
            m_Enabled = active;
            return;
        }
        if (!active) {
            if (m_TargetCaptureHeld)
                OnSourceEndCapture();
            // A paused link ignores the source's end: its gesture on the target still closes here.
            ReleaseTargetCapture();
            m_Enabled = false;
            OnDeactivated();
            return;
        }
        if (m_Enabled)
            return;
        m_Enabled = true;
        if (m_Source->IsCaptured())
            OnSourceBeginCapture();
        OnActivated();
        if (!m_TriggerOnModify)
            OnSourceValueChanged();
    }

private:
    void AddListeners()
    {
        if (!m_Source)
            return;
        m_Source->GetValueChangedEvent().AddListener(m_ValueListener);
        m_Source->GetBeginCaptureEvent().AddListener(m_BeginCaptureListener);
        m_Source->GetEndCaptureEvent().AddListener(m_EndCaptureListener);
    }

    void RemoveListeners()
    {
        if (!m_Source)
            return;
        m_Source->GetValueChangedEvent().RemoveListener(&m_ValueListener);
        m_Source->GetBeginCaptureEvent().RemoveListener(&m_BeginCaptureListener);
        m_Source->GetEndCaptureEvent().RemoveListener(&m_EndCaptureListener);
    }

    void ReleaseTargetCapture()
    {
        if (!m_TargetCaptureHeld)
            return;
        m_TargetCaptureHeld = false;
        if (m_Target)
            m_Target->EndCapture();
    }

protected:
    Source* m_Source;
    Target* m_Target;
    bool m_TriggerOnModify;

private:
    bool m_TargetCaptureHeld;
    Core::TCommand<TBaseCaptureObjectLink> m_ValueListener;
    Core::TCommand<TBaseCaptureObjectLink> m_BeginCaptureListener;
    Core::TCommand<TBaseCaptureObjectLink> m_EndCaptureListener;
    bool m_Enabled;
    bool m_Paused;
    Core::CEventProvider m_EnableChanged;
};

} // namespace DataModel
} // namespace Veltis
