#pragma once

#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <vector>

#include "aax/AAX_VCollection.h"
#include "aax/Exports/GetEffectDescriptions.h"
#include "platform/aax/AAXChunkRecord.h"
#include "platform/aax/AAXResult.h"
#include "platform/aax/host/CHostEnvironment.h"
#include "platform/aax/host/CHostInstance.h"

// One initialised instance of the product, hosted in process for the whole fuzzing run, with the
// user's folder in a temporary one. It is never destroyed: the module's shared configuration goes at
// exit before a later-made static would.
namespace VeltisFuzz {

inline Veltis::Platform::AAXHost::CHostInstance& StereoTessalineInstance()
{
    static Veltis::Platform::AAXHost::CHostEnvironment* host = nullptr;
    static Veltis::Platform::AAXHost::CHostInstance* instance = nullptr;
    if (!instance) {
        char folder[] = "/tmp/veltis-fuzz-XXXXXX";
        if (mkdtemp(folder))
            setenv("XDG_CONFIG_HOME", folder, 1);
        host = new Veltis::Platform::AAXHost::CHostEnvironment;
        AAX_VCollection collection(host->GetHostUnknown());
        if (VeltisExt::AAXPlugin::GetEffectDescriptions(&collection) != 0)
            abort();
        const auto& effect = host->GetDescription().m_Effects.at(0);
        instance = new Veltis::Platform::AAXHost::CHostInstance(*host, effect, effect.m_Components.at(0));
        if (!instance->Create() || instance->Initialize({}) != 0)
            abort();
    }
    return *instance;
}

// A chunk record of the given identifier whose data are the bytes and whose size field is their count.
inline std::vector<uint64_t> ChunkRecord(uint32_t identifier, const uint8_t* data, size_t size)
{
    std::vector<uint64_t> record((kAAXChunkHeaderSize + size + 7) / 8, 0);
    AAXChunkRecord* chunk = reinterpret_cast<AAXChunkRecord*>(record.data());
    chunk->m_Size = static_cast<int32_t>(size);
    chunk->m_Identifier = identifier;
    if (size)
        memcpy(AAXChunkData(chunk), data, size);
    return record;
}

inline int FuzzChunk(uint32_t identifier, const uint8_t* data, size_t size)
{
    if (size > (1u << 20))
        return 0;
    AAX_IACFEffectParameters* effect = StereoTessalineInstance().GetEffect();
    std::vector<uint64_t> record = ChunkRecord(identifier, data, size);
    const AAXChunkRecord* chunk = reinterpret_cast<const AAXChunkRecord*>(record.data());
    bool equal = false;
    effect->CompareActiveChunk(chunk, &equal);
    // A chunk that restores nothing is refused as an invalid request, any other result is a fault.
    const int32_t result = effect->SetChunk(identifier, chunk);
    if (result != AAXResult::kSuccess && result != AAXResult::kHostObjectMissing)
        abort();
    effect->CompareActiveChunk(chunk, &equal);
    // The host's requests are left unanswered: its queue is bounded, its answer history is not.
    return 0;
}

} // namespace VeltisFuzz
