#pragma once

#include <stdint.h>

#include "platform/aax/IACFUnknown.h"

namespace Veltis {
namespace Platform {
namespace AAXHost {

// Faults the stand-in host can play, to prove that the module answers each with its result code and
// leaks nothing. All off by default.
struct SHostFaults {
    // Start-up and registration receive a null host unknown.
    bool m_NullHostUnknown = false;
    // The host unknown offers no component factory.
    bool m_NoComponentFactory = false;
    // The host unknown answers the factory query with success and a null factory.
    bool m_NullComponentFactory = false;
    // The factory answers success but creates nothing for this class (m_Faulty* flags below).
    bool m_NullObjectForClass = false;
    // The factory refuses to create this class.
    bool m_RefuseClass = false;
    ACFIdentifier m_FaultyClass{};
    // Created objects and the controller unknown offer no second-version interfaces.
    bool m_NoSecondVersions = false;
    // AddEffect answers this result when not 0.
    int32_t m_AddEffectResult = 0;
    // The controller unknown offers no controller, or no automation delegate.
    bool m_NoController = false;
    bool m_NoAutomationDelegate = false;
    // The MIDI input node answers a null packet buffer.
    bool m_NullPacketBuffer = false;
};

} // namespace AAXHost
} // namespace Platform
} // namespace Veltis
