#include "Veltis/Audio/Plugin/GetAudioPluginConfig.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

TAudioPluginConfig<CAudioPluginDllFilePaths>& GetAudioPluginConfig()
{
    static TAudioPluginConfig<CAudioPluginDllFilePaths> s_Config;
    return s_Config;
}

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
