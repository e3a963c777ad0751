#pragma once

#include "Veltis/Audio/Plugin/IConstMIDICCMessage.h"
#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Core/IRefreshTime.h"

#include <atomic>
#include <cstdint>

namespace Veltis {
namespace Core {
class ICommand;
}
namespace System {
class ITimerProvider;
}

namespace Audio {
namespace Plugin {

// A read-only view of a message written on the audio thread: the message's event only marks it dirty,
// and the next tick of the reader's timer announces the change on the timer's thread. The message and
// the timer provider must outlive the proxy.
class CConstMIDICCMessageTimerProxy : public virtual IConstMIDICCMessage, public virtual Core::IRefreshTime {
public:
    static constexpr int kDefaultRefreshTimeMs = 50;

    CConstMIDICCMessageTimerProxy(const IConstMIDICCMessage& message, System::ITimerProvider& timer);
    ~CConstMIDICCMessageTimerProxy() override;
    CConstMIDICCMessageTimerProxy(const CConstMIDICCMessageTimerProxy&) = delete;
    CConstMIDICCMessageTimerProxy& operator=(const CConstMIDICCMessageTimerProxy&) = delete;

    int GetChannel() const override { return m_pMessage->GetChannel(); }
    int GetCC() const override { return m_pMessage->GetCC(); }
    int GetValue() const override { return m_pMessage->GetValue(); }
    Core::IEventProvider& GetChangedEvent() const override { return m_ChangedEvent; }

    // Replaces the periodic command, also when the period is unchanged.
    void SetRefreshTime(int milliseconds) override;
    int GetRefreshTime() override { return m_RefreshTime; }

    virtual void OnTimer();

private:
    void OnMessageChanged();

    mutable Core::CEventProvider m_ChangedEvent;
    std::atomic<bool> m_Dirty;
    const IConstMIDICCMessage* m_pMessage;
    System::ITimerProvider* m_pTimerProvider;
    Core::ICommand* m_pListener;
    Core::ICommand* m_pTimerCommand;
    std::int32_t m_RefreshTime;
};

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
