#pragma once

#include "Veltis/Audio/Plugin/IPreset.h"

namespace Veltis {
namespace Audio {
namespace DSP {
class ILegacyPresets;
}
namespace Plugin {

class CAudioPluginInternalsBase;

// Preset i of the processor's own legacy presets: fixed values (type 0) or a randomisation of the
// parameters whose entry is not 0 (type 1).
class CAudioPluginLegacyPreset : public virtual IPreset {
public:
    CAudioPluginLegacyPreset() : m_Internals(nullptr), m_Index(0) {}
    CAudioPluginLegacyPreset(CAudioPluginInternalsBase* internals, int index) : m_Internals(internals), m_Index(index)
    {
    }
    CAudioPluginLegacyPreset(const CAudioPluginLegacyPreset& other) = default;
    CAudioPluginLegacyPreset& operator=(const CAudioPluginLegacyPreset& other) = default;
    ~CAudioPluginLegacyPreset() override {}

    const char* GetName() override;
    // Switches bypass off and sets the parameters while the core is connected; renames the program
    // in any case.
    void Load() override;

    // The processor's list; null without a core or a processor.
    static const DSP::ILegacyPresets* PresetsOf(CAudioPluginInternalsBase* internals);

private:
    CAudioPluginInternalsBase* m_Internals;
    int m_Index;
};

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
