#include "platform/aax/host/CHostMIDINodes.h"

#include <string.h>

namespace Veltis {
namespace Platform {
namespace AAXHost {

CHostMIDIInputNode::CHostMIDIInputNode(CHostEnvironment& host)
    : THostObject(host.GetLedger(), host.NextName("MIDIInputNode")), m_Host(host), m_Packets(kCapacity)
{
    m_Buffer.m_Count = 0;
    m_Buffer.m_Packets = m_Packets.data();
}

AAXMIDIPacketBuffer* CHostMIDIInputNode::GetPacketBuffer()
{
    return m_Host.GetFaults().m_NullPacketBuffer ? nullptr : &m_Buffer;
}

bool CHostMIDIInputNode::SetPackets(const AAXMIDIPacket* packets, size_t count)
{
    const size_t kept = count < kCapacity ? count : kCapacity;
    if (kept)
        memcpy(m_Packets.data(), packets, kept * sizeof(AAXMIDIPacket));
    m_Buffer.m_Count = static_cast<uint32_t>(kept);
    return kept == count;
}

IACFUnknown* CHostMIDIInputNode::Find(const ACFIdentifier& iid)
{
    return iid == AAXIdentifiers::kUnknown ? static_cast<IAAXHostMIDIInputNode*>(this) : nullptr;
}

CHostMIDIOutputNode::CHostMIDIOutputNode(CHostEnvironment& host)
    : THostObject(host.GetLedger(), host.NextName("MIDIOutputNode")), m_Sent(4096)
{
}

int32_t CHostMIDIOutputNode::SendPacket(const AAXMIDIPacket* packet)
{
    if (!packet)
        return AAXResult::kHostObjectMissing;
    return m_Sent.Push(*packet) ? AAXResult::kSuccess : AAXResult::kHostObjectMissing;
}

std::vector<AAXMIDIPacket> CHostMIDIOutputNode::Take()
{
    std::vector<AAXMIDIPacket> packets;
    AAXMIDIPacket packet;
    while (m_Sent.Pop(packet))
        packets.push_back(packet);
    return packets;
}

IACFUnknown* CHostMIDIOutputNode::Find(const ACFIdentifier& iid)
{
    return iid == AAXIdentifiers::kUnknown ? static_cast<IAAXHostMIDIOutputNode*>(this) : nullptr;
}

} // namespace AAXHost
} // namespace Platform
} // namespace Veltis
