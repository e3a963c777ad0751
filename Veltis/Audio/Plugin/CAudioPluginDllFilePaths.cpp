#include "Veltis/Audio/Plugin/CAudioPluginDllFilePaths.h"

#include "Veltis/Audio/Plugin/PluginFolders.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

CAudioPluginDllFilePaths::CAudioPluginDllFilePaths()
{
    char* dataFolder = nullptr;
    GetPluginDataFolder(dataFolder);
    char* userFolder = nullptr;
    GetUserSettingsFolder(kMakerFolderName, userFolder);
    SetFolders(dataFolder, userFolder);
    delete[] dataFolder;
    delete[] userFolder;
}

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
