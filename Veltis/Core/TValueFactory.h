#pragma once

#include "Veltis/Core/TIValueFactory.h"
#include "Veltis/Core/TValue.h"

namespace Veltis {
namespace Core {

// A value source: keeps an observable value and hands out copies of it that the caller owns.
template <class V, class P = CEventProvider>
class TValueFactory : public virtual TIValueFactory<V> {
public:
    TValueFactory() {}
    explicit TValueFactory(V initial) : m_Value(initial) {}

    IEventProvider& GetValueChangedEvent() override { return m_Value.GetValueChangedEvent(); }
    typename TValueTraits<V>::Created CreateValue() const override { return m_Value.CreateCopy(); }
    void SetValue(V value) override { m_Value.SetValue(value); }

    // The held value itself, for an owner that reads or replaces it in place.
    TValue<V, P>& GetHeldValue() { return m_Value; }
    const TValue<V, P>& GetHeldValue() const { return m_Value; }

private:
    TValue<V, P> m_Value;
};

} // namespace Core
} // namespace Veltis
