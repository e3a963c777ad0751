#include "aax/AAX_CPacketDispatcher.h"

#include <string.h>

#include "aax/AAX_IController.h"
#include "aax/AAX_IParameter.h"
#include "platform/aax/AAX_IACFEffectParameters.h"
#include "platform/aax/AAXResult.h"

// Takes the mutex unless this thread already holds it, and unlocks only what it took.
class AAX_CPacketDispatcher::CScopedLock {
public:
    explicit CScopedLock(AAX_CMutex& mutex) : m_Mutex(mutex), m_Locked(mutex.Lock()) {}
    ~CScopedLock()
    {
        if (m_Locked)
            m_Mutex.Unlock();
    }
    CScopedLock(const CScopedLock&) = delete;
    CScopedLock& operator=(const CScopedLock&) = delete;

private:
    AAX_CMutex& m_Mutex;
    bool m_Locked;
};

AAX_CPacketDispatcher::~AAX_CPacketDispatcher()
{
    CScopedLock lock(m_Mutex);
    for (auto& packet : m_Packets)
        delete packet.second;
    for (auto& registration : m_Registrations)
        delete registration.second.second;
    m_Packets.clear();
    m_Registrations.clear();
}

void AAX_CPacketDispatcher::Initialize(AAX_IController* controller, AAX_IACFEffectParameters* effectParameters)
{
    m_Controller = controller;
    m_EffectParameters = effectParameters;
}

int32_t AAX_CPacketDispatcher::RegisterPacket(const char* parameterId, int32_t fieldIndex,
                                              const AAX_IPacketHandler& handler)
{
    CScopedLock lock(m_Mutex);
    AAX_CFieldPacket*& packet = m_Packets[fieldIndex];
    if (!packet)
        packet = new AAX_CFieldPacket(fieldIndex);
    AAX_IPacketHandler* clone = handler.Clone();
    try {
        m_Registrations.emplace(parameterId ? parameterId : "", std::make_pair(packet, clone));
    } catch (...) {
        delete clone;
        throw;
    }
    return AAXResult::kSuccess;
}

int32_t AAX_CPacketDispatcher::SetDirty(const char* parameterId, bool dirty)
{
    if (!parameterId)
        return AAXResult::kSuccess;
    CScopedLock lock(m_Mutex);
    // equal_range with a C string would build a std::string; the comparison allocates nothing.
    for (auto& registration : m_Registrations)
        if (registration.first == parameterId)
            registration.second.first->m_Dirty = dirty;
    return AAXResult::kSuccess;
}

int32_t AAX_CPacketDispatcher::PostDirtyPackets()
{
    CScopedLock lock(m_Mutex);
    int32_t result = AAXResult::kSuccess;
    for (auto& registration : m_Registrations) {
        AAX_CFieldPacket& packet = *registration.second.first;
        if (!packet.m_Dirty)
            continue;
        if (registration.second.second->Fill(registration.first.c_str(), packet) == AAXResult::kSuccess &&
            m_Controller)
            result = m_Controller->PostPacket(static_cast<uint32_t>(packet.m_FieldIndex), packet.m_Data.data(),
                                              static_cast<uint32_t>(packet.m_Size));
        packet.m_Dirty = false;
    }
    return result;
}

namespace {

template <class T> void StoreValue(AAX_CFieldPacket& packet, const T& value)
{
    packet.Resize(static_cast<int32_t>(sizeof value));
    memcpy(packet.m_Data.data(), &value, sizeof value);
}

} // namespace

int32_t AAX_CPacketDispatcher::GenerateSingleValuePacket(const char* parameterId, AAX_CFieldPacket& packet)
{
    AAX_IParameter* parameter = nullptr;
    if (!m_EffectParameters || m_EffectParameters->GetParameter(parameterId, &parameter) != AAXResult::kSuccess ||
        !parameter)
        return AAXResult::kHostObjectMissing;
    bool boolValue = false;
    float floatValue = 0.0f;
    int32_t intValue = 0;
    double doubleValue = 0.0;
    if (parameter->GetValueAsBool(&boolValue))
        StoreValue(packet, static_cast<int32_t>(boolValue ? 1 : 0));
    else if (parameter->GetValueAsFloat(&floatValue))
        StoreValue(packet, floatValue);
    else if (parameter->GetValueAsInt32(&intValue))
        StoreValue(packet, intValue);
    else if (parameter->GetValueAsDouble(&doubleValue))
        StoreValue(packet, doubleValue);
    else
        return AAXResult::kHostObjectMissing;
    return AAXResult::kSuccess;
}
