#pragma once

#include "Veltis/Audio/Plugin/IMIDICCSetting.h"
#include "Veltis/Serialization/ITypeSerializable.h"
#include "Veltis/System/CMTEventProvider.h"

#include <atomic>
#include <cstdint>

namespace Veltis {
namespace Audio {
namespace Plugin {

// A MIDI CC setting that persists itself and is created by the object registry from its class
// identifier. The GUI thread writes it while the audio thread reads it, so each value is a relaxed
// atomic: a reader sees the old or the new value of each field.
class CMIDICCSetting : public virtual IMIDICCSetting, public virtual Serialization::ITypeSerializable {
public:
    static constexpr const char* kClassId = "{F6541269-6409-4db8-B203-22D1BA7AD106}";

    CMIDICCSetting();
    // Values only; the copy has its own, empty event providers.
    CMIDICCSetting(const CMIDICCSetting& other);
    explicit CMIDICCSetting(const IMIDICCSetting& other);
    ~CMIDICCSetting() override;

    // Stores the six values directly and notifies nothing (arrays use it when they reallocate).
    CMIDICCSetting& operator=(const IMIDICCSetting& other);
    CMIDICCSetting& operator=(const CMIDICCSetting& other);

    bool IsEnabled() override { return Load(m_Enabled); }
    bool IsEnabled() const override { return Load(m_Enabled); }
    Core::IEventProvider& GetEnableChangedEvent() override { return m_EnableChangedEvent; }
    void Enable(bool enabled) override;
    int GetChannel() const override { return Load(m_Channel); }
    void SetChannel(int channel) override;
    int GetNumber() const override { return Load(m_Number); }
    void SetNumber(int number) override;
    DataModel::Objects::EParamValueCurve GetCurve() const override { return Load(m_Curve); }
    void SetCurve(DataModel::Objects::EParamValueCurve curve) override;
    float GetMin() const override { return Load(m_Min); }
    void SetMin(float min) override;
    float GetMax() const override { return Load(m_Max); }
    void SetMax(float max) override;
    Core::IEventProvider& GetChangedEvent() const override { return m_ChangedEvent; }

    bool Serialize(Serialization::IWriteDataStream& stream) const override;
    bool DeSerialize(const Serialization::IReadDataStream& stream) override;
    const char* GetTypeId() const override { return kClassId; }

private:
    template <class T>
    static T Load(const std::atomic<T>& value)
    {
        return value.load(std::memory_order_relaxed);
    }
    template <class T>
    static void Store(std::atomic<T>& value, T stored)
    {
        value.store(stored, std::memory_order_relaxed);
    }
    template <class T>
    void SetField(std::atomic<T>& field, T value);
    void Assign(const IMIDICCSetting& other);

    std::atomic<std::int32_t> m_Channel;
    std::atomic<std::int32_t> m_Number;
    std::atomic<bool> m_Enabled;
    std::atomic<float> m_Min;
    std::atomic<float> m_Max;
    std::atomic<DataModel::Objects::EParamValueCurve> m_Curve;
    mutable System::CMTEventProvider m_EnableChangedEvent;
    mutable System::CMTEventProvider m_ChangedEvent;
};

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
