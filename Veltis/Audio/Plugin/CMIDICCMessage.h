#pragma once

#include "Veltis/Audio/Plugin/IMIDICCMessage.h"
#include "Veltis/System/CMTEventProvider.h"

#include <atomic>
#include <cstdint>

namespace Veltis {
namespace Audio {
namespace Plugin {

// The last Control Change message seen, written on the audio thread. Its event provider locks, as
// editor objects come and go on the GUI thread while it notifies: listeners run on the audio thread
// under that lock and must only record the change (see the timer proxy).
// Readers on other threads read the values as relaxed atomics.
class CMIDICCMessage : public virtual IMIDICCMessage {
public:
    CMIDICCMessage(int channel = 0, int cc = 0, int value = 0);
    CMIDICCMessage(const CMIDICCMessage&) = delete;
    CMIDICCMessage& operator=(const CMIDICCMessage&) = delete;

    int GetChannel() const override { return m_Channel.load(std::memory_order_relaxed); }
    int GetCC() const override { return m_CC.load(std::memory_order_relaxed); }
    int GetValue() const override { return m_Value.load(std::memory_order_relaxed); }
    Core::IEventProvider& GetChangedEvent() const override { return m_ChangedEvent; }

    void SetChannel(int channel) override;
    void SetCC(int cc) override;
    void SetValue(int value) override;
    void Set(const IConstMIDICCMessage& source, bool force) override;

private:
    void SetField(std::atomic<std::int32_t>& field, int value);

    std::atomic<std::int32_t> m_Channel;
    std::atomic<std::int32_t> m_CC;
    std::atomic<std::int32_t> m_Value;
    mutable System::CMTEventProvider m_ChangedEvent;
};

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
