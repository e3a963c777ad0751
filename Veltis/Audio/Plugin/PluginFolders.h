#pragma once

namespace Veltis {
namespace Audio {
namespace Plugin {

// The maker's folder in the user's preferences folder.
inline constexpr const char* kMakerFolderName = "Corvane Audio";

// Each function hands out a new array-new path that the caller deletes with delete[].

// The module's data folder: the folder of the module file that holds this code, then the module's
// file name without its extension and " data". Creates nothing.
void GetPluginDataFolder(char*& folder);
// The same for a given module file path.
void GetPluginDataFolderOf(const char* modulePath, char*& folder);

// The module's user folder: the preferences folder, the maker's folder, then the module's file name
// without its extension; every folder of the chain is created when missing (mode 0700).
void GetUserSettingsFolder(const char* makerFolder, char*& folder);
// The same for a given module file path and preferences folder (null: relative to the current folder).
void GetUserSettingsFolderOf(const char* modulePath, const char* preferencesFolder, const char* makerFolder,
                             char*& folder);

// basePath (null reads as empty), then the two folder names; each step is created when missing and a
// failure is ignored: later opens of files inside fail where they are used.
void CreateFolderPath(const char* basePath, const char* firstFolder, const char* secondFolder, char*& path);

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
