#pragma once

#include <stdint.h>

#include <map>
#include <string>
#include <utility>

#include "aax/AAX_CFieldPacket.h"
#include "aax/AAX_CMutex.h"
#include "aax/AAX_IPacketHandler.h"

class AAX_IController;
class AAX_IACFEffectParameters;

// Turns parameter changes into private-data packets: packets are registered per identifier and
// field, marked dirty by host value updates, filled by their handlers and posted through the
// controller. Registration, marking and posting are serialised by one mutex.
class AAX_CPacketDispatcher {
public:
    AAX_CPacketDispatcher() = default;
    ~AAX_CPacketDispatcher();
    AAX_CPacketDispatcher(const AAX_CPacketDispatcher&) = delete;
    AAX_CPacketDispatcher& operator=(const AAX_CPacketDispatcher&) = delete;

    // Either may be null (the controller is cleared when the effect is uninitialised).
    void Initialize(AAX_IController* controller, AAX_IACFEffectParameters* effectParameters);
    // The dispatcher keeps a clone of the handler; the caller keeps its own.
    int32_t RegisterPacket(const char* parameterId, int32_t fieldIndex, const AAX_IPacketHandler& handler);
    int32_t SetDirty(const char* parameterId, bool dirty);
    // The result of the last post, 0 when nothing was posted.
    int32_t PostDirtyPackets();
    // The parameter's value in native byte order: 4 bytes for a boolean (0 or 1), a float or an
    // integer, 8 for a double; -20004 without such a parameter or typed value.
    int32_t GenerateSingleValuePacket(const char* parameterId, AAX_CFieldPacket& packet);

private:
    class CScopedLock;
    typedef std::multimap<std::string, std::pair<AAX_CFieldPacket*, AAX_IPacketHandler*>> Registrations;

    std::map<int32_t, AAX_CFieldPacket*> m_Packets;
    Registrations m_Registrations;
    AAX_IController* m_Controller = nullptr;
    AAX_IACFEffectParameters* m_EffectParameters = nullptr;
    AAX_CMutex m_Mutex;
};
