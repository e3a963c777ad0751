#pragma once

#include <vector>

#include "platform/aax/AAXMIDIPacket.h"
#include "platform/aax/host/CHostEnvironment.h"
#include "platform/aax/host/THostObject.h"
#include "platform/aax/host/TLockFreeQueue.h"

namespace Veltis {
namespace Platform {
namespace AAXHost {

// The MIDI input node of one instance: the packets of the next block, in preallocated storage.
class CHostMIDIInputNode : public THostObject<IAAXHostMIDIInputNode> {
public:
    static const size_t kCapacity = 1024;

    explicit CHostMIDIInputNode(CHostEnvironment& host);

    AAXMIDIPacketBuffer* GetPacketBuffer() override;
    // Set before the block that is to see them, never while it renders; packets beyond the capacity
    // are dropped (returns false).
    bool SetPackets(const AAXMIDIPacket* packets, size_t count);

protected:
    IACFUnknown* Find(const ACFIdentifier& iid) override;

private:
    CHostEnvironment& m_Host;
    std::vector<AAXMIDIPacket> m_Packets;
    AAXMIDIPacketBuffer m_Buffer;
};

// The MIDI output node of one instance: collects what the module sends, without blocking.
class CHostMIDIOutputNode : public THostObject<IAAXHostMIDIOutputNode> {
public:
    explicit CHostMIDIOutputNode(CHostEnvironment& host);

    int32_t SendPacket(const AAXMIDIPacket* packet) override;
    // Everything sent since the last call, in order.
    std::vector<AAXMIDIPacket> Take();
    size_t GetDropped() const { return m_Sent.GetDropped(); }

protected:
    IACFUnknown* Find(const ACFIdentifier& iid) override;

private:
    TLockFreeQueue<AAXMIDIPacket> m_Sent;
};

} // namespace AAXHost
} // namespace Platform
} // namespace Veltis
