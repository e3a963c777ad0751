#pragma once

#include "Veltis/Audio/Plugin/CAudioPluginXMLPreset.h"
#include "Veltis/Containers/IVector.h"
#include "Veltis/Core/TDynamicVector.h"
#include "Veltis/CoreUtilities/TDynamicCollection.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

// The presets of the core's factory bank, as many as its "PresetCount" says, up to kMaxCount.
class CAudioPluginXMLPresets
    : public CoreUtilities::TDynamicCollection<CAudioPluginXMLPreset, IPreset, Containers::IVector<IPreset>,
                                               Core::TNCDynamicVector<CAudioPluginXMLPreset, Core::CStepGrowthStrategy>> {
public:
    // A damaged bank cannot demand more; a negative count gives no preset.
    static constexpr int kMaxCount = 4096;

    explicit CAudioPluginXMLPresets(CAudioPluginInternalsBase* internals);
};

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
