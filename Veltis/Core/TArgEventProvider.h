#pragma once

#include "Veltis/Core/TIArgEventProvider.h"
#include "Veltis/Core/TIArgNotify.h"
#include "Veltis/Core/TListenerList.h"

namespace Veltis {
namespace Core {

// CEventProvider for events that pass an argument, unchanged, to every listener.
template <class A>
class TArgEventProvider : public virtual TIArgEventProvider<A>, public virtual TIArgNotify<A> {
public:
    typedef TIArgCommand<A> Listener;

    TArgEventProvider() {}
    ~TArgEventProvider() override {}

    TArgEventProvider(const TArgEventProvider&) = delete;
    TArgEventProvider& operator=(const TArgEventProvider&) = delete;

    void AddListener(Listener* listener) override { m_Listeners.Add(listener); }
    void AddListener(Listener& listener) override { AddListener(&listener); }

    void RemoveListener(Listener*& listener, bool deleteIt) override { m_Listeners.Remove(listener, deleteIt); }

    void RemoveListener(Listener* listener) override { m_Listeners.Remove(listener); }

    void Notify(A argument) const override
    {
        m_Listeners.Notify([&argument](Listener& listener) { listener.Execute(argument); });
    }

    int GetListenerCount() const { return m_Listeners.GetCount(); }

private:
    mutable TListenerList<Listener> m_Listeners;
};

} // namespace Core
} // namespace Veltis
