#pragma once

#include "Veltis/DataModel/TConstCaptureValueWrapper.h"
#include "Veltis/DataModel/TICaptureObjectWrapper.h"

namespace Veltis {
namespace DataModel {

// Publishes one property of any object as a writable model parameter: writes go to the setter,
// unclamped and uncompared, and gestures to the object's begin and end members when it has them.
// Without a value event of the object, every write announces a change itself.
template <class Object, class IInfo, class CInfo, class T, class V, class EventProvider = Core::CEventProvider>
class TCaptureValueWrapper
    : public TConstCaptureValueWrapper<Object, IInfo, CInfo, T, EventProvider>,
      public virtual TICaptureObjectWrapper<typename TWrappedValue<T>::Published, IInfo> {
    typedef TConstCaptureValueWrapper<Object, IInfo, CInfo, T, EventProvider> Base;

public:
    typedef typename Base::Published Published;
    typedef std::function<void(Object&, V)> Setter;
    typedef std::function<void(Object&)> CaptureMember;

    // Setter and getter as for the read-only wrapper; the capture members may be nullptr.
    template <class G, class S, class B, class E>
    TCaptureValueWrapper(Object* object, G getter, S setter, B beginCapture, E endCapture,
                         Core::IEventProvider* valueChanged, Core::IEventProvider* beginCaptureEvent,
                         Core::IEventProvider* endCaptureEvent)
        : Base(object, getter, valueChanged, beginCaptureEvent, endCaptureEvent),
          m_Setter([setter](Object& target, V value) { std::invoke(setter, target, value); }),
          m_BeginCaptureMember(MakeCaptureMember(beginCapture)),
          m_EndCaptureMember(MakeCaptureMember(endCapture))
    {
    }

    void SetValue(Published value) override
    {
        if (Object* object = this->GetObject())
            m_Setter(*object, TWrappedValue<V>::FromPublished(value));
        if (!this->HasSourceValueChanged())
            this->NotifyValueChanged();
    }

    void BeginCapture() override
    {
        if (m_BeginCaptureMember && this->GetObject())
            m_BeginCaptureMember(*this->GetObject());
        // The object's own event reports the edge.
        if (m_BeginCaptureMember && this->HasSourceBeginCapture())
            return;
        this->BeginOwnCapture();
    }

    void EndCapture() override
    {
        if (m_EndCaptureMember && this->GetObject())
            m_EndCaptureMember(*this->GetObject());
        if (m_EndCaptureMember && this->HasSourceEndCapture())
            return;
        this->EndOwnCapture();
    }

private:
    static CaptureMember MakeCaptureMember(std::nullptr_t) { return CaptureMember(); }
    template <class M>
    static CaptureMember MakeCaptureMember(M member)
    {
        if (!member)
            return CaptureMember();
        return [member](Object& target) { std::invoke(member, target); };
    }

    Setter m_Setter;
    CaptureMember m_BeginCaptureMember;
    CaptureMember m_EndCaptureMember;
};

} // namespace DataModel
} // namespace Veltis
