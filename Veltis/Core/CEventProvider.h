#pragma once

#include "Veltis/Core/IEventProvider.h"
#include "Veltis/Core/INotify.h"
#include "Veltis/Core/TListenerList.h"

namespace Veltis {
namespace Core {

// Runs its listeners synchronously, in the order they were added, on the notifying thread; a
// listener still running further up the stack is skipped. Owns no listener. Single-threaded.
class CEventProvider : public virtual IEventProvider, public virtual INotify {
public:
    CEventProvider() {}
    ~CEventProvider() override {}

    CEventProvider(const CEventProvider&) = delete;
    CEventProvider& operator=(const CEventProvider&) = delete;

    void AddListener(ICommand* listener) override;
    void AddListener(ICommand& listener) override;
    void RemoveListener(ICommand*& listener, bool deleteIt) override;
    void RemoveListener(ICommand* listener) override;
    void Notify() const override;

    // Registrations still in place (a command added twice counts twice).
    virtual int GetListenerCount() const;

private:
    mutable TListenerList<ICommand> m_Listeners;
};

} // namespace Core
} // namespace Veltis
