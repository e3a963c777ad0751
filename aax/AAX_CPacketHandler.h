#pragma once

#include "aax/AAX_IPacketHandler.h"
#include "platform/aax/AAXResult.h"

// A packet handler calling a member function of its owner: the form taking the identifier and the
// packet when present, else the packet-only form; without either it fills nothing.
template <class Owner> class AAX_CPacketHandler : public AAX_IPacketHandler {
public:
    typedef int32_t (Owner::*PacketFunction)(AAX_CFieldPacket& packet);
    typedef int32_t (Owner::*IdPacketFunction)(const char* parameterId, AAX_CFieldPacket& packet);

    AAX_CPacketHandler(Owner* owner, PacketFunction function) : m_Owner(owner), m_PacketFunction(function) {}
    AAX_CPacketHandler(Owner* owner, IdPacketFunction function) : m_Owner(owner), m_IdPacketFunction(function) {}

    AAX_IPacketHandler* Clone() const override { return new AAX_CPacketHandler(*this); }

    int32_t Fill(const char* parameterId, AAX_CFieldPacket& packet) const override
    {
        if (m_Owner && m_IdPacketFunction)
            return (m_Owner->*m_IdPacketFunction)(parameterId, packet);
        if (m_Owner && m_PacketFunction)
            return (m_Owner->*m_PacketFunction)(packet);
        return AAXResult::kHostObjectMissing;
    }

private:
    Owner* m_Owner = nullptr;
    PacketFunction m_PacketFunction = nullptr;
    IdPacketFunction m_IdPacketFunction = nullptr;
};
