#pragma once

#include <stddef.h>
#include <stdint.h>

#include "platform/aax/IACFUnknown.h"

// One MIDI message as the host delivers and accepts it.
struct AAXMIDIPacket {
    uint32_t m_Timestamp;
    uint32_t m_Length;
    uint8_t m_Message[4];
    uint8_t m_Flag;
    uint8_t m_Padding[3];
};
static_assert(sizeof(AAXMIDIPacket) == 16, "packets are 16 bytes");
static_assert(offsetof(AAXMIDIPacket, m_Length) == 4, "length at 4");
static_assert(offsetof(AAXMIDIPacket, m_Message) == 8, "message bytes at 8 to 11");
static_assert(offsetof(AAXMIDIPacket, m_Flag) == 12, "flag at 12");

// The packets of one block: a count, then the array pointer at the next 8-byte boundary.
struct AAXMIDIPacketBuffer {
    uint32_t m_Count;
    alignas(8) AAXMIDIPacket* m_Packets;
};
static_assert(offsetof(AAXMIDIPacketBuffer, m_Packets) == 8, "packet array at the next 8-byte boundary");

// The host's MIDI input node of a render context: the packets of the current block, or null.
class IAAXHostMIDIInputNode : public IACFUnknown {
public:
    virtual AAXMIDIPacketBuffer* GetPacketBuffer() = 0;

protected:
    ~IAAXHostMIDIInputNode() = default;
};

// The host's MIDI output node of a render context: takes one packet at a time, copied by the host.
class IAAXHostMIDIOutputNode : public IACFUnknown {
public:
    virtual int32_t SendPacket(const AAXMIDIPacket* packet) = 0;

protected:
    ~IAAXHostMIDIOutputNode() = default;
};
