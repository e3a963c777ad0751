#pragma once

#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Core/TIValue.h"
#include "Veltis/Core/TValueTraits.h"

namespace Veltis {
namespace Core {

// An observable value: SetValue stores and notifies only a real change (texts are compared by
// content, numbers by ordered comparison; a function is cloned and notified on every set).
// A function-valued object holds nothing until its first SetValue; GetValue needs one stored.
template <class V, class P = CEventProvider>
class TValue : public virtual TIValue<V> {
    typedef TValueTraits<V> Traits;

public:
    TValue() : m_Value(Traits::Empty()) {}
    explicit TValue(V initial) : m_Value(Traits::Make(initial)) {}
    ~TValue() override { Traits::Free(m_Value); }

    TValue(const TValue&) = delete;
    TValue& operator=(const TValue&) = delete;

    IEventProvider& GetValueChangedEvent() override { return m_ValueChangedEvent; }
    V GetValue() const override { return Traits::Get(m_Value); }

    void SetValue(V value) override
    {
        if (!Traits::Differs(m_Value, value))
            return;
        // Copy before freeing: the new value may be the stored one.
        typename Traits::Stored fresh = Traits::Make(value);
        Traits::Free(m_Value);
        m_Value = fresh;
        m_ValueChangedEvent.Notify();
    }

    // False only for a function-valued object before its first SetValue.
    bool HasValue() const { return Traits::Holds(m_Value); }

    // A new copy of the stored value that the caller owns.
    typename Traits::Created CreateCopy() const { return Traits::Copy(m_Value); }

private:
    typename Traits::Stored m_Value;
    P m_ValueChangedEvent;
};

} // namespace Core
} // namespace Veltis
