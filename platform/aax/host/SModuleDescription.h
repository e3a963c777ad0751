#pragma once

#include <stdint.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/aax/AAXRenderContext.h"

namespace Veltis {
namespace Platform {
namespace AAXHost {

typedef std::vector<std::pair<uint32_t, uint32_t>> PropertyList;

// One render-context field as a component declared it.
struct SFieldDescription {
    enum EKind { kPrivateData, kAudioIn, kAudioOut, kBufferLength, kMIDINode };
    uint32_t m_Field = 0;
    EKind m_Kind = kPrivateData;
    int32_t m_Size = 0;
    uint32_t m_Options = 0;
    uint32_t m_NodeType = 0;
    std::string m_NodeName;
    uint32_t m_ChannelMask = 0;
};

struct SComponentDescription {
    std::vector<SFieldDescription> m_Fields;
    // The properties of the map given with the render procedure, in the order they were added.
    PropertyList m_Properties;
    AAXRenderProcedure m_RenderProcedure = nullptr;

    const SFieldDescription* FindField(uint32_t field) const;
    // The value of property, or fallback.
    uint32_t GetProperty(uint32_t property, uint32_t fallback) const;
};

struct SEffectDescription {
    std::string m_EffectId;
    std::vector<std::string> m_Names;
    std::vector<std::pair<uint32_t, AAXCreationProcedure>> m_Procedures;
    std::vector<SComponentDescription> m_Components;
    PropertyList m_Properties;

    AAXCreationProcedure FindProcedure(uint32_t procedureId) const;
};

// Everything a module delivered during registration, copied during each call, in the order received.
struct SModuleDescription {
    std::string m_ManufacturerName;
    std::vector<std::string> m_PackageNames;
    uint32_t m_PackageVersion = 0;
    PropertyList m_CollectionProperties;
    std::vector<SEffectDescription> m_Effects;
    // One line per host call the module made during registration, e.g. "Effect.AddName(Gain)".
    std::vector<std::string> m_Calls;
};

} // namespace AAXHost
} // namespace Platform
} // namespace Veltis
