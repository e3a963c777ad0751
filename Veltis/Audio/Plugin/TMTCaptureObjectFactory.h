#pragma once

#include "Veltis/Core/CAutoLock.h"
#include "Veltis/Core/ILock.h"
#include "Veltis/Core/TValueFactory.h"
#include "Veltis/DataModel/TICaptureObjectFactory.h"
#include "Veltis/System/CMTEventProvider.h"

#include <atomic>

namespace Veltis {
namespace Audio {
namespace Plugin {

// The hand-over point of one output computed on the audio thread: holds the last published value and
// gives every reader its own copy under the plug-in core's shared lock. Its events may be watched from
// any thread. Until the owning collection sets the lock, locking does nothing.
template <class V, class IInfo>
class TMTCaptureObjectFactory : public virtual DataModel::TICaptureObjectFactory<V, IInfo>,
                                public virtual Core::ILock {
public:
    typedef Core::TValueFactory<V, Core::CEventProvider> CHeldValue;
    typedef typename Core::TValueTraits<V>::Created Created;

    TMTCaptureObjectFactory() : m_Lock(nullptr), m_Info(nullptr), m_Captured(false) {}
    ~TMTCaptureObjectFactory() override {}

    TMTCaptureObjectFactory(const TMTCaptureObjectFactory&) = delete;

    // What a growing array needs: the info, a fresh copy of the value and the lock; never the
    // listeners or the captured flag.
    TMTCaptureObjectFactory& operator=(const TMTCaptureObjectFactory& other)
    {
        if (this == &other)
            return *this;
        m_Info = other.m_Info;
        const Core::TValue<V, Core::CEventProvider>& held = other.m_Value.GetHeldValue();
        if (held.HasValue())
            m_Value.SetValue(held.GetValue());
        m_Lock = other.m_Lock;
        return *this;
    }

    Core::IEventProvider& GetValueChangedEvent() override { return m_ValueChangedEvent; }

    Created CreateValue() const override
    {
        Core::CAutoLock lock(const_cast<TMTCaptureObjectFactory*>(this));
        return m_Value.CreateValue();
    }

    const IInfo& GetInfo() const override { return *m_Info; }
    const IInfo& GetInfo() override { return *m_Info; }

    void Lock() override
    {
        if (m_Lock)
            m_Lock->Lock();
    }
    void Unlock() override
    {
        if (m_Lock)
            m_Lock->Unlock();
    }

    // Readers are told after the lock is released, also when an equal text was not stored.
    void SetValue(V value) override
    {
        {
            Core::CAutoLock lock(this);
            m_Value.SetValue(value);
        }
        m_ValueChangedEvent.Notify();
    }

    void BeginCapture() override
    {
        if (!m_Captured.exchange(true))
            m_BeginCaptureEvent.Notify();
    }
    void EndCapture() override
    {
        if (m_Captured.exchange(false))
            m_EndCaptureEvent.Notify();
    }
    bool IsCaptured() override { return m_Captured; }
    Core::IEventProvider& GetBeginCaptureEvent() override { return m_BeginCaptureEvent; }
    Core::IEventProvider& GetEndCaptureEvent() override { return m_EndCaptureEvent; }

    // Owner access. The collection gives each factory its info and the shared lock; the plug-in core's
    // publication replaces the held value in place while it holds the shared lock, and announces it
    // with NotifyValueChanged once every output of the pass is stored.
    void SetInfo(const IInfo* info) { m_Info = info; }
    void SetLock(Core::ILock* lock) { m_Lock = lock; }
    CHeldValue& GetHeldValue() { return m_Value; }
    void NotifyValueChanged() { m_ValueChangedEvent.Notify(); }

private:
    CHeldValue m_Value;
    Core::ILock* m_Lock;
    const IInfo* m_Info;
    System::CMTEventProvider m_ValueChangedEvent;
    System::CMTEventProvider m_BeginCaptureEvent;
    System::CMTEventProvider m_EndCaptureEvent;
    std::atomic<bool> m_Captured;
};

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
