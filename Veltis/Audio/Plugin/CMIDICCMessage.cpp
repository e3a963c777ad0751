#include "Veltis/Audio/Plugin/CMIDICCMessage.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

CMIDICCMessage::CMIDICCMessage(int channel, int cc, int value) : m_Channel(channel), m_CC(cc), m_Value(value) {}

void CMIDICCMessage::SetField(std::atomic<std::int32_t>& field, int value)
{
    if (field.load(std::memory_order_relaxed) == value)
        return;
    field.store(value, std::memory_order_relaxed);
    m_ChangedEvent.Notify();
}

void CMIDICCMessage::SetChannel(int channel)
{
    SetField(m_Channel, channel);
}

void CMIDICCMessage::SetCC(int cc)
{
    SetField(m_CC, cc);
}

void CMIDICCMessage::SetValue(int value)
{
    SetField(m_Value, value);
}

void CMIDICCMessage::Set(const IConstMIDICCMessage& source, bool force)
{
    const int value = source.GetValue();
    const int channel = source.GetChannel();
    const int cc = source.GetCC();
    if (!force && value == GetValue() && channel == GetChannel() && cc == GetCC())
        return;
    m_Value.store(value, std::memory_order_relaxed);
    m_Channel.store(channel, std::memory_order_relaxed);
    m_CC.store(cc, std::memory_order_relaxed);
    m_ChangedEvent.Notify();
}

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
