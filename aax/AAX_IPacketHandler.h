#pragma once

#include <stdint.h>

struct AAX_CFieldPacket;

// Fills one private-data packet for a parameter identifier before the dispatcher posts it.
class AAX_IPacketHandler {
public:
    virtual ~AAX_IPacketHandler() = default;
    // A new handler owned by the caller.
    virtual AAX_IPacketHandler* Clone() const = 0;
    // 0 when the packet was filled and may be posted.
    virtual int32_t Fill(const char* parameterId, AAX_CFieldPacket& packet) const = 0;
};
