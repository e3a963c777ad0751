#pragma once

#include <stdint.h>

#include <string>

#include "Veltis/Audio/Plugin/CAudioPluginInternals.h"
#include "VeltisExt/AAXPlugin/CAAXPluginParamsAdapter.h"
#include "VeltisExt/AAXPlugin/CAAXPluginProcessing.h"
#include "aax/AAX_CEffectParameters.h"

namespace VeltisExt {
namespace AAXPlugin {

// One instance of the effect in the host: the plug-in core with the product's processor and editor,
// one host parameter per core parameter (through the adapters), the render road, and the complete
// state as the host chunk 'crvn' (56-byte header, then the "Preset" document's text and its NUL).
class CAAXPluginParameters : public AAX_CEffectParameters {
public:
    static constexpr uint32_t kStateChunkId = 0x6372766E;
    // A 'crvn' chunk whose text would be longer is ignored (states are a few hundred kilobytes at most).
    static constexpr int64_t kMaxChunkTextBytes = int64_t(1) << 24;

    // Creation procedure 0: a new object without a reference, or null when it cannot be made.
    static IACFUnknown* Create();

    CAAXPluginParameters();
    ~CAAXPluginParameters() override;

    int32_t GetChunkCount(int32_t* count) const override;
    int32_t GetChunkIDFromIndex(int32_t index, uint32_t* chunkId) const override;
    int32_t GetChunkSize(uint32_t chunkId, uint32_t* size) override;
    // Writes exactly the text GetChunkSize measured; -20008 without a preceding GetChunkSize.
    int32_t GetChunk(uint32_t chunkId, AAXChunkRecord* chunk) override;
    // -20004 when a state chunk restores nothing (no text, text that does not parse).
    int32_t SetChunk(uint32_t chunkId, const AAXChunkRecord* chunk) override;
    int32_t CompareActiveChunk(const AAXChunkRecord* chunk, bool* isEqual) override;
    int32_t GetCustomData(uint32_t type, uint32_t size, void* data, uint32_t* written) override;

    Veltis::Audio::Plugin::CAudioPluginInternals& GetInternals() { return m_Internals; }
    CAAXPluginProcessing& GetProcessing() { return m_Processing; }

protected:
    int32_t EffectInit() override;

private:
    struct SProductParts;
    explicit CAAXPluginParameters(SProductParts parts);
    // The current state's text; false when it cannot be written.
    bool WriteStateText(std::string& text) const;

    Veltis::Audio::Plugin::CAudioPluginInternals m_Internals;
    CAAXPluginParamsAdapter m_InputAdapters;
    CAAXPluginConstParamsAdapter m_OutputAdapters;
    CAAXPluginProcessing m_Processing;
    // The text measured by the last GetChunkSize, written by GetChunk.
    std::string m_MeasuredText;
    bool m_HasMeasuredText = false;
};

} // namespace AAXPlugin
} // namespace VeltisExt
