#pragma once

#include "Veltis/Audio/Plugin/CAudioPluginDllFilePaths.h"
#include "Veltis/Audio/Plugin/TAudioPluginConfig.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

// The module's one configuration object, built on the first call (concurrent first calls build it
// once) and destroyed when the module is unloaded.
TAudioPluginConfig<CAudioPluginDllFilePaths>& GetAudioPluginConfig();

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
