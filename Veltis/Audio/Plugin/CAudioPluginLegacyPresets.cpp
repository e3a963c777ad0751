#include "Veltis/Audio/Plugin/CAudioPluginLegacyPresets.h"

#include "Veltis/Audio/DSP/IFilter.h"
#include "Veltis/Audio/DSP/ILegacyPresets.h"
#include "Veltis/Audio/Plugin/CAudioPluginInternalsBase.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

CAudioPluginLegacyPresets::CAudioPluginLegacyPresets(CAudioPluginInternalsBase* internals)
{
    const DSP::ILegacyPresets* presets = CAudioPluginLegacyPreset::PresetsOf(internals);
    const int count = presets ? presets->GetCount() : 0;
    GetStorage().SetSize(count > 0 ? count : 0, true);
    for (int i = 0; i < count; ++i)
        GetStorage()[i] = CAudioPluginLegacyPreset(internals, i);
}

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
