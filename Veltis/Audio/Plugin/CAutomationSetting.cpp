#include "Veltis/Audio/Plugin/CAutomationSetting.h"

#include "Veltis/Serialization/IReadDataStream.h"
#include "Veltis/Serialization/IWriteDataStream.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

CAutomationSetting::CAutomationSetting() : m_Enabled(true) {}

CAutomationSetting::CAutomationSetting(const CAutomationSetting& other) : m_Enabled(other.IsEnabled()) {}

CAutomationSetting::CAutomationSetting(const IAutomationSetting& other) : m_Enabled(other.IsEnabled()) {}

CAutomationSetting::~CAutomationSetting() {}

CAutomationSetting& CAutomationSetting::operator=(const IAutomationSetting& other)
{
    Store(other.IsEnabled());
    return *this;
}

CAutomationSetting& CAutomationSetting::operator=(const CAutomationSetting& other)
{
    Store(other.IsEnabled());
    return *this;
}

void CAutomationSetting::Enable(bool enabled)
{
    if (IsEnabled() == enabled)
        return;
    Store(enabled);
    m_EnableChangedEvent.Notify();
    m_ChangedEvent.Notify();
}

bool CAutomationSetting::Serialize(Serialization::IWriteDataStream& stream) const
{
    const bool result = stream.WriteInt("version", 1);
    return stream.WriteBool("enabled", IsEnabled()) && result;
}

bool CAutomationSetting::DeSerialize(const Serialization::IReadDataStream& stream)
{
    const bool before = IsEnabled();
    int version = 0;
    bool result = stream.ReadInt("version", version);
    bool enabled = before;
    result = stream.ReadBool("enabled", enabled) && result;
    Store(enabled);
    if (enabled != before) {
        m_EnableChangedEvent.Notify();
        m_ChangedEvent.Notify();
    }
    return result;
}

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
