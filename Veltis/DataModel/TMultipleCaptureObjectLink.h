#pragma once

#include <algorithm>
#include <list>
#include <vector>

#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Core/IEnable.h"
#include "Veltis/Core/TArgCommand.h"
#include "Veltis/Core/TArgCommandWrapper.h"
#include "Veltis/DataModel/IDisconnectAndPause.h"

namespace Veltis {
namespace DataModel {

// Keeps a set of targets equal to a value combined from a set of sources (Update), and mirrors the
// sources' gestures onto the targets so that a host sees one touch on every linked object. Sources
// are read-only capture objects (ConstObject), targets writable ones (Object); one object may be
// both; none is owned. Created disabled. A gesture the link began on a target by mirroring is ended
// when the link is disabled, disconnected or loses the source whose gesture it mirrored. Runs on
// the model's thread; re-entry is stopped by flags.
template <class ConstObject, class Object>
class TMultipleCaptureObjectLink : public virtual Core::IEnable, public virtual IDisconnectAndPause {
public:
    // One source with the three listeners the link hooked on it.
    struct CItem {
        ConstObject* m_Source;
        Core::ICommand* m_BeginCaptureListener;
        Core::ICommand* m_EndCaptureListener;
        Core::ICommand* m_ValueListener;
    };

    TMultipleCaptureObjectLink()
        : m_ModifyOnly(false), m_Enabled(false), m_Paused(false), m_Propagating(false), m_BeginGuard(false), m_EndGuard(false)
    {
    }
    TMultipleCaptureObjectLink(const TMultipleCaptureObjectLink&) = delete;
    TMultipleCaptureObjectLink& operator=(const TMultipleCaptureObjectLink&) = delete;

    ~TMultipleCaptureObjectLink() override
    {
        Enable(false);
        for (CItem& item : m_Sources)
            Unhook(item);
        m_Sources.clear();
    }

    bool IsEnabled() override { return m_Enabled; }
    Core::IEventProvider& GetEnableChangedEvent() override { return m_EnableChanged; }

    void Enable(bool enabled) override
    {
        if (!enabled) {
            const bool wasEnabled = m_Enabled;
            m_Enabled = false;
            ReleaseMirroredTargets();
            if (wasEnabled)
                m_EnableChanged.Notify();
            return;
        }
        if (m_Enabled)
            return;
        m_Enabled = true;
        if (!m_Paused && IsAnySourceCaptured())
            MirrorBegin(nullptr);
        if (!m_ModifyOnly && !m_Paused)
            Propagate(nullptr);
        m_EnableChanged.Notify();
    }

    // Leaving pause while enabled restarts the link (the enable-changed event fires twice).
    void SetPaused(bool paused) override
    {
        if (paused == m_Paused)
            return;
        m_Paused = paused;
        if (!paused && m_Enabled) {
            Enable(false);
            Enable(true);
        }
    }

    // Forgets every member; enabled and paused stay as they are.
    void Disconnect() override
    {
        ReleaseMirroredTargets();
        m_Targets.clear();
        for (CItem& item : m_Sources)
            Unhook(item);
        m_Sources.clear();
        OnDisconnected();
    }

    // Recomputes and writes the targets; changed is the source that changed, or null.
    virtual void Update(ConstObject* changed) = 0;

    // Adds a source; null is ignored.
    void AddConstObject(ConstObject* source)
    {
        if (!source)
            return;
        CItem item;
        item.m_Source = source;
        item.m_BeginCaptureListener = MakeListener(&TMultipleCaptureObjectLink::OnMemberBeginCapture, source);
        item.m_EndCaptureListener = MakeListener(&TMultipleCaptureObjectLink::OnMemberEndCapture, source);
        item.m_ValueListener = MakeListener(&TMultipleCaptureObjectLink::OnMemberChanged, source);
        source->GetBeginCaptureEvent().AddListener(*item.m_BeginCaptureListener);
        source->GetEndCaptureEvent().AddListener(*item.m_EndCaptureListener);
        source->GetValueChangedEvent().AddListener(*item.m_ValueListener);
        m_Sources.push_back(item);
        OnSourceAdded();
        if (m_Enabled && !m_ModifyOnly && !m_Paused)
            Propagate(source);
    }

    // Adds a target; null is ignored.
    void AddObject(Object* target)
    {
        if (!target)
            return;
        m_Targets.push_back(target);
        if (m_Enabled && !m_ModifyOnly && !m_Paused)
            Propagate(nullptr);
    }

    // Unhooks one source and forgets it, so that nothing reads it afterwards. When its gesture was
    // the last one running, the gestures mirrored from it end.
    void DisconnectMember(ConstObject* source)
    {
        bool removed = false;
        for (auto it = m_Sources.begin(); it != m_Sources.end();) {
            if (it->m_Source == source) {
                Unhook(*it);
                it = m_Sources.erase(it);
                removed = true;
            } else {
                ++it;
            }
        }
        if (removed && !IsAnySourceCaptured())
            ReleaseMirroredTargets();
    }

    // Modify-only: the link writes only when a source's value changes, never on enabling, on adding
    // members or on a change of settings. Set by the creator.
    bool m_ModifyOnly;

protected:
    virtual void OnSourceAdded() {}
    virtual void OnDisconnected() {}

    // Settings setters re-evaluate directly, paused or not.
    bool CanUpdateOnSetting() const { return m_Enabled && !m_ModifyOnly; }

    static bool IsSame(Object* target, ConstObject* source) { return source && static_cast<ConstObject*>(target) == source; }

    std::list<CItem> m_Sources;
    std::vector<Object*> m_Targets;

private:
    typedef Core::TArgCommand<TMultipleCaptureObjectLink, ConstObject*> CListener;

    Core::ICommand* MakeListener(void (TMultipleCaptureObjectLink::*member)(ConstObject*), ConstObject* source)
    {
        return new Core::TArgCommandWrapper<CListener>(CListener(this, member), source);
    }

    static void Unhook(CItem& item)
    {
        item.m_Source->GetBeginCaptureEvent().RemoveListener(item.m_BeginCaptureListener, true);
        item.m_Source->GetEndCaptureEvent().RemoveListener(item.m_EndCaptureListener, true);
        item.m_Source->GetValueChangedEvent().RemoveListener(item.m_ValueListener, true);
    }

    // Update under the propagating flag, unless one is running already.
    void Propagate(ConstObject* changed)
    {
        if (m_Propagating)
            return;
        m_Propagating = true;
        Update(changed);
        m_Propagating = false;
    }

    bool IsAnySourceCaptured() const
    {
        for (const CItem& item : m_Sources)
            if (item.m_Source->IsCaptured())
                return true;
        return false;
    }

    void OnMemberChanged(ConstObject* source)
    {
        if (m_Enabled && !m_Paused)
            Propagate(source);
    }

    void OnMemberBeginCapture(ConstObject* source)
    {
        if (!m_Paused && m_Enabled)
            MirrorBegin(source);
    }

    void MirrorBegin(ConstObject* source)
    {
        if (m_BeginGuard)
            return;
        m_BeginGuard = true;
        for (Object* target : m_Targets) {
            if (IsSame(target, source) || target->IsCaptured())
                continue;
            target->BeginCapture();
            if (std::find(m_Mirrored.begin(), m_Mirrored.end(), target) == m_Mirrored.end())
                m_Mirrored.push_back(target);
        }
        m_BeginGuard = false;
    }

    void OnMemberEndCapture(ConstObject* source)
    {
        if (m_Paused || !m_Enabled || m_EndGuard)
            return;
        m_EndGuard = true;
        for (Object* target : m_Targets) {
            if (IsSame(target, source) || !target->IsCaptured())
                continue;
            m_Mirrored.erase(std::remove(m_Mirrored.begin(), m_Mirrored.end(), target), m_Mirrored.end());
            target->EndCapture();
        }
        m_EndGuard = false;
    }

    void ReleaseMirroredTargets()
    {
        const bool guard = m_EndGuard;
        m_EndGuard = true;
        std::vector<Object*> mirrored;
        mirrored.swap(m_Mirrored);
        for (Object* target : mirrored)
            if (target->IsCaptured())
                target->EndCapture();
        m_EndGuard = guard;
    }

    bool m_Enabled;
    bool m_Paused;
    bool m_Propagating;
    bool m_BeginGuard;
    bool m_EndGuard;
    Core::CEventProvider m_EnableChanged;
    // Targets whose gesture the link began by mirroring and has not ended.
    std::vector<Object*> m_Mirrored;
};

} // namespace DataModel
} // namespace Veltis
