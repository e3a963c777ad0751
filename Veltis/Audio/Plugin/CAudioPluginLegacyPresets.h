#pragma once

#include "Veltis/Audio/Plugin/CAudioPluginLegacyPreset.h"
#include "Veltis/Containers/IVector.h"
#include "Veltis/Core/TDynamicVector.h"
#include "Veltis/CoreUtilities/TDynamicCollection.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

// The processor's legacy presets, used when there is no factory bank.
class CAudioPluginLegacyPresets
    : public CoreUtilities::TDynamicCollection<
          CAudioPluginLegacyPreset, IPreset, Containers::IVector<IPreset>,
          Core::TNCDynamicVector<CAudioPluginLegacyPreset, Core::CStepGrowthStrategy>> {
public:
    explicit CAudioPluginLegacyPresets(CAudioPluginInternalsBase* internals);
};

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
