#pragma once

#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Core/TIConnect.h"

namespace Veltis {
namespace Core {

// A pointer, not owned, whose changes are announced before (listeners still see the old pointer)
// and after.
template <class X>
class TConnectablePointer : public virtual TIConnect<X> {
public:
    explicit TConnectablePointer(X* pointer = nullptr) : m_Pointer(pointer) {}

    void Connect(X* pointer) override
    {
        m_BeforeChange.Notify();
        m_Pointer = pointer;
        m_AfterChange.Notify();
    }

    X* Get() const { return m_Pointer; }
    IEventProvider& GetBeforeChangeEvent() { return m_BeforeChange; }
    IEventProvider& GetAfterChangeEvent() { return m_AfterChange; }

private:
    X* m_Pointer;
    CEventProvider m_BeforeChange;
    CEventProvider m_AfterChange;
};

} // namespace Core
} // namespace Veltis
