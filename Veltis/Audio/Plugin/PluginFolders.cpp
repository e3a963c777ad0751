#include "Veltis/Audio/Plugin/PluginFolders.h"

#include "Veltis/Core/CCharString.h"
#include "Veltis/CoreUtilities/CCodeModule.h"
#include "Veltis/CoreUtilities/CFilePath.h"
#include "Veltis/CoreUtilities/FileSystem.h"
#include "Veltis/System/PreferencesFolder.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

namespace {

// An address in this file, so that the module found is the one this code was linked into.
void ThisModuleMarker() {}

Core::CCharString ModuleNameOf(const char* modulePath)
{
    return Core::CCharString(CoreUtilities::CFilePath(modulePath).GetFileNameWithoutExtension(), true);
}

} // namespace

void GetPluginDataFolderOf(const char* modulePath, char*& folder)
{
    const CoreUtilities::CFilePath module(modulePath);
    Core::CCharString name(module.GetFileNameWithoutExtension(), true);
    name.Append(" data");
    CoreUtilities::CFilePath path(Core::CCharString(module.GetFolder(), true).GetString());
    path.Append(name.GetString());
    folder = path.Detach();
}

void GetPluginDataFolder(char*& folder)
{
    const CoreUtilities::CCodeModule module(&ThisModuleMarker);
    GetPluginDataFolderOf(module.GetPath(), folder);
}

void CreateFolderPath(const char* basePath, const char* firstFolder, const char* secondFolder, char*& path)
{
    CoreUtilities::CFilePath folder(basePath);
    CoreUtilities::CreateFolder(folder.GetString());
    folder.Append(firstFolder);
    CoreUtilities::CreateFolder(folder.GetString());
    folder.Append(secondFolder);
    CoreUtilities::CreateFolder(folder.GetString());
    path = folder.Detach();
}

void GetUserSettingsFolderOf(const char* modulePath, const char* preferencesFolder, const char* makerFolder,
                             char*& folder)
{
    CreateFolderPath(preferencesFolder, makerFolder, ModuleNameOf(modulePath).GetString(), folder);
}

void GetUserSettingsFolder(const char* makerFolder, char*& folder)
{
    const CoreUtilities::CCodeModule module(&ThisModuleMarker);
    char* preferences = nullptr;
    System::GetPreferencesFolder(preferences);
    GetUserSettingsFolderOf(module.GetPath(), preferences, makerFolder, folder);
    delete[] preferences;
}

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
