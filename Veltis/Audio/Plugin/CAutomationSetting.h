#pragma once

#include "Veltis/Audio/Plugin/IAutomationSetting.h"
#include "Veltis/Serialization/ISerializable.h"
#include "Veltis/System/CMTEventProvider.h"

#include <atomic>

namespace Veltis {
namespace Audio {
namespace Plugin {

// An automation output setting that persists itself; enabled when new. The flag is a relaxed atomic:
// the GUI thread writes it while the audio thread reads it at each output refresh.
class CAutomationSetting : public virtual IAutomationSetting, public virtual Serialization::ISerializable {
public:
    CAutomationSetting();
    // The flag only; the copy has its own, empty event providers.
    CAutomationSetting(const CAutomationSetting& other);
    explicit CAutomationSetting(const IAutomationSetting& other);
    ~CAutomationSetting() override;

    // Stores the flag and notifies nothing (arrays use it when they reallocate).
    CAutomationSetting& operator=(const IAutomationSetting& other);
    CAutomationSetting& operator=(const CAutomationSetting& other);

    bool IsEnabled() override { return m_Enabled.load(std::memory_order_relaxed); }
    bool IsEnabled() const override { return m_Enabled.load(std::memory_order_relaxed); }
    Core::IEventProvider& GetEnableChangedEvent() override { return m_EnableChangedEvent; }
    void Enable(bool enabled) override;
    Core::IEventProvider& GetChangedEvent() const override { return m_ChangedEvent; }

    bool Serialize(Serialization::IWriteDataStream& stream) const override;
    bool DeSerialize(const Serialization::IReadDataStream& stream) override;

private:
    void Store(bool enabled) { m_Enabled.store(enabled, std::memory_order_relaxed); }

    std::atomic<bool> m_Enabled;
    mutable System::CMTEventProvider m_EnableChangedEvent;
    mutable System::CMTEventProvider m_ChangedEvent;
};

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
