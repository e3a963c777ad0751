#pragma once

#include "Veltis/Core/CEventProvider.h"
#include "Veltis/System/CCriticalSection.h"

namespace Veltis {
namespace System {

// An event provider for objects written on one thread and watched from another: registration and
// Notify are serialised by its recursive lock, which listeners run under. A listener may register
// on the same provider from the notifying thread; another thread's registration waits until the
// notification has finished, so a listener must never wait for such a thread.
class CMTEventProvider : public Core::CEventProvider {
public:
    CMTEventProvider() {}
    ~CMTEventProvider() override {}

    void AddListener(Core::ICommand* listener) override;
    void AddListener(Core::ICommand& listener) override;
    void RemoveListener(Core::ICommand*& listener, bool deleteIt) override;
    void RemoveListener(Core::ICommand* listener) override;
    void Notify() const override;
    int GetListenerCount() const override;

private:
    mutable CCriticalSection m_Lock;
};

} // namespace System
} // namespace Veltis
