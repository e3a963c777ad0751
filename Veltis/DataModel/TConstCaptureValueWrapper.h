#pragma once

#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Core/IEventProvider.h"
#include "Veltis/Core/TCommand.h"
#include "Veltis/DataModel/TIConstCaptureObjectWrapper.h"
#include "Veltis/DataModel/TWrappedValue.h"

#include <cstddef>
#include <functional>
#include <type_traits>

namespace Veltis {
namespace DataModel {

// Publishes one property of any object as a read-only model object (a parameter, or a text with a
// string info): reads go to the object's getter every time, and the object's change and gesture
// events, when given, are relayed as the wrapper's own. The object and its events must outlive the
// wrapper unless it is disconnected first. EventProvider names the kind of the object's providers
// (plain or locking); the wrapper reaches them only as IEventProvider.
template <class Object, class IInfo, class CInfo, class T, class EventProvider = Core::CEventProvider>
class TConstCaptureValueWrapper
    : public virtual TIConstCaptureObjectWrapper<typename TWrappedValue<T>::Published, IInfo> {
    typedef Core::TCommand<TConstCaptureValueWrapper> CListener;

public:
    typedef typename TWrappedValue<T>::Published Published;
    typedef std::function<T(Object&)> Getter;

    // The getter is a member function of Object or of one of its bases (virtual ones dispatch), const or
    // not; an overloaded member is named with a cast. Each event may be null.
    template <class G>
    TConstCaptureValueWrapper(Object* object, G getter, Core::IEventProvider* valueChanged,
                              Core::IEventProvider* beginCapture, Core::IEventProvider* endCapture)
        : m_Object(object),
          m_Getter([getter](Object& target) -> T { return static_cast<T>(std::invoke(getter, target)); }),
          m_SourceBeginCapture(beginCapture),
          m_SourceEndCapture(endCapture),
          m_SourceValueChanged(valueChanged),
          m_ValueListener(this, &TConstCaptureValueWrapper::OnSourceValueChanged),
          m_BeginListener(this, &TConstCaptureValueWrapper::OnSourceCaptureBegin),
          m_EndListener(this, &TConstCaptureValueWrapper::OnSourceCaptureEnd),
          m_Captured(false)
    {
        if (m_SourceBeginCapture)
            m_SourceBeginCapture->AddListener(&m_BeginListener);
        if (m_SourceEndCapture)
            m_SourceEndCapture->AddListener(&m_EndListener);
        if (m_SourceValueChanged)
            m_SourceValueChanged->AddListener(&m_ValueListener);
    }

    ~TConstCaptureValueWrapper() override { RemoveListeners(); }

    TConstCaptureValueWrapper(const TConstCaptureValueWrapper&) = delete;
    TConstCaptureValueWrapper& operator=(const TConstCaptureValueWrapper&) = delete;

    // Detaches from the object for good. A gesture in progress ends here, announced once, since no
    // object is left to end it.
    void Disconnect() override
    {
        RemoveListeners();
        m_Object = nullptr;
        m_SourceBeginCapture = nullptr;
        m_SourceEndCapture = nullptr;
        m_SourceValueChanged = nullptr;
        if (m_Captured) {
            m_Captured = false;
            m_EndCapture.Notify();
        }
    }

    const IInfo& GetInfo() const override { return m_Info; }
    const IInfo& GetInfo() override { return m_Info; }
    // The record creators fill with CopyFrom right after construction.
    CInfo& GetWritableInfo() { return m_Info; }

    // The info's default while no object is connected.
    Published GetValue() const override
    {
        if (!m_Object)
            return GetInfoDefault();
        return TWrappedValue<T>::ToPublished(m_Getter(*m_Object));
    }

    Core::IEventProvider& GetValueChangedEvent() override { return m_ValueChanged; }
    Core::IEventProvider& GetBeginCaptureEvent() override { return m_BeginCapture; }
    Core::IEventProvider& GetEndCaptureEvent() override { return m_EndCapture; }
    bool IsCaptured() override { return m_Captured; }

protected:
    Object* GetObject() const { return m_Object; }
    bool HasSourceValueChanged() const { return m_SourceValueChanged != nullptr; }
    bool HasSourceBeginCapture() const { return m_SourceBeginCapture != nullptr; }
    bool HasSourceEndCapture() const { return m_SourceEndCapture != nullptr; }
    void NotifyValueChanged() { m_ValueChanged.Notify(); }

    // The wrapper's own gesture state, for objects that report none; each edge is announced once.
    void BeginOwnCapture()
    {
        if (m_Captured)
            return;
        m_Captured = true;
        m_BeginCapture.Notify();
    }
    void EndOwnCapture()
    {
        if (!m_Captured)
            return;
        m_Captured = false;
        m_EndCapture.Notify();
    }

private:
    Published GetInfoDefault() const
    {
        if constexpr (std::is_same_v<Published, const char*>)
            return m_Info.GetDefaultValue();
        else
            return m_Info.GetDefault();
    }

    void RemoveListeners()
    {
        if (m_SourceBeginCapture)
            m_SourceBeginCapture->RemoveListener(&m_BeginListener);
        if (m_SourceEndCapture)
            m_SourceEndCapture->RemoveListener(&m_EndListener);
        if (m_SourceValueChanged)
            m_SourceValueChanged->RemoveListener(&m_ValueListener);
    }

    void OnSourceValueChanged() { m_ValueChanged.Notify(); }
    // Relayed as they come, also when they repeat the current state.
    void OnSourceCaptureBegin()
    {
        m_Captured = true;
        m_BeginCapture.Notify();
    }
    void OnSourceCaptureEnd()
    {
        m_Captured = false;
        m_EndCapture.Notify();
    }

    CInfo m_Info;
    Object* m_Object;
    Getter m_Getter;
    Core::IEventProvider* m_SourceBeginCapture;
    Core::IEventProvider* m_SourceEndCapture;
    Core::IEventProvider* m_SourceValueChanged;
    Core::CEventProvider m_ValueChanged;
    Core::CEventProvider m_BeginCapture;
    Core::CEventProvider m_EndCapture;
    CListener m_ValueListener;
    CListener m_BeginListener;
    CListener m_EndListener;
    bool m_Captured;
};

} // namespace DataModel
} // namespace Veltis
