#include "Veltis/Audio/Plugin/CMIDICCSetting.h"

#include "Veltis/Core/TValueTraits.h"
#include "Veltis/Runtime/CObjectsFactory.h"
#include "Veltis/Serialization/IReadDataStream.h"
#include "Veltis/Serialization/IWriteDataStream.h"

#include <cmath>

namespace Veltis {
namespace Audio {
namespace Plugin {

using DataModel::Objects::EParamValueCurve;

namespace {

const bool s_Registered = Runtime::RegisterObjectFactories<CMIDICCSetting>();

// A range bound read from a stream: only finite numbers count, so a damaged file cannot turn every
// mapped controller value into a NaN or infinite parameter value.
bool ReadBound(const Serialization::IReadDataStream& stream, const char* name, float& bound)
{
    float value = bound;
    if (!stream.ReadFloat(name, value))
        return false;
    if (std::isfinite(value))
        bound = value;
    return true;
}

} // namespace

CMIDICCSetting::CMIDICCSetting()
    : m_Channel(0), m_Number(0), m_Enabled(false), m_Min(0.0f), m_Max(0.0f),
      m_Curve(DataModel::Objects::eParamValueCurveLinear)
{
    (void)s_Registered;
}

CMIDICCSetting::CMIDICCSetting(const CMIDICCSetting& other) : CMIDICCSetting()
{
    Assign(other);
}

CMIDICCSetting::CMIDICCSetting(const IMIDICCSetting& other) : CMIDICCSetting()
{
    Assign(other);
}

CMIDICCSetting::~CMIDICCSetting() {}

CMIDICCSetting& CMIDICCSetting::operator=(const IMIDICCSetting& other)
{
    Assign(other);
    return *this;
}

CMIDICCSetting& CMIDICCSetting::operator=(const CMIDICCSetting& other)
{
    Assign(other);
    return *this;
}

void CMIDICCSetting::Assign(const IMIDICCSetting& other)
{
    Store(m_Channel, other.GetChannel());
    Store(m_Number, other.GetNumber());
    Store(m_Enabled, other.IsEnabled());
    Store(m_Curve, other.GetCurve());
    Store(m_Min, other.GetMin());
    Store(m_Max, other.GetMax());
}

template <class T>
void CMIDICCSetting::SetField(std::atomic<T>& field, T value)
{
    if (!Core::TValueTraits<T>::Differs(Load(field), value))
        return;
    Store(field, value);
    m_ChangedEvent.Notify();
}

void CMIDICCSetting::Enable(bool enabled)
{
    if (Load(m_Enabled) == enabled)
        return;
    Store(m_Enabled, enabled);
    m_EnableChangedEvent.Notify();
    m_ChangedEvent.Notify();
}

void CMIDICCSetting::SetChannel(int channel)
{
    SetField<std::int32_t>(m_Channel, channel);
}

void CMIDICCSetting::SetNumber(int number)
{
    SetField<std::int32_t>(m_Number, number);
}

void CMIDICCSetting::SetCurve(EParamValueCurve curve)
{
    SetField(m_Curve, curve);
}

void CMIDICCSetting::SetMin(float min)
{
    SetField(m_Min, min);
}

void CMIDICCSetting::SetMax(float max)
{
    SetField(m_Max, max);
}

bool CMIDICCSetting::Serialize(Serialization::IWriteDataStream& stream) const
{
    bool result = stream.WriteInt("channel", Load(m_Channel));
    result = stream.WriteInt("version", 1) && result;
    result = stream.WriteInt("number", Load(m_Number)) && result;
    result = stream.WriteBool("enabled", Load(m_Enabled)) && result;
    const char* curve = DataModel::Objects::GetParamValueCurveName(Load(m_Curve));
    result = (curve != nullptr && stream.WriteString("curve", curve)) && result;
    result = stream.WriteFloat("min", Load(m_Min)) && result;
    result = stream.WriteFloat("max", Load(m_Max)) && result;
    return result;
}

bool CMIDICCSetting::DeSerialize(const Serialization::IReadDataStream& stream)
{
    const CMIDICCSetting before(*this);

    int version = 1;
    bool result = stream.ReadInt("version", version);

    int channel = Load(m_Channel);
    result = stream.ReadInt("channel", channel) && result;
    Store(m_Channel, channel);
    int number = Load(m_Number);
    result = stream.ReadInt("number", number) && result;
    Store(m_Number, number);
    bool enabled = Load(m_Enabled);
    result = stream.ReadBool("enabled", enabled) && result;
    Store(m_Enabled, enabled);

    EParamValueCurve curve = DataModel::Objects::eParamValueCurveLinear;
    char* name = nullptr;
    const bool curveRead = stream.ReadString("curve", name);
    result = (curveRead && DataModel::Objects::FindParamValueCurve(name, curve)) && result;
    delete[] name;
    Store(m_Curve, curve);

    float min = Load(m_Min);
    result = ReadBound(stream, "min", min) && result;
    Store(m_Min, min);
    float max = Load(m_Max);
    result = ReadBound(stream, "max", max) && result;
    Store(m_Max, max);

    const bool enableChanged = before.IsEnabled() != enabled;
    const bool changed = enableChanged || before.GetChannel() != channel || before.GetNumber() != number ||
                         before.GetCurve() != curve || Core::TValueTraits<float>::Differs(before.GetMin(), min) ||
                         Core::TValueTraits<float>::Differs(before.GetMax(), max);
    if (enableChanged)
        m_EnableChangedEvent.Notify();
    if (changed)
        m_ChangedEvent.Notify();
    return result;
}

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
