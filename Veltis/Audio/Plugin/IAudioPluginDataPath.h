#pragma once

namespace Veltis {
namespace Audio {
namespace Plugin {

// The files and folders a plug-in module uses: read-only data beside the module, settings in the user's
// folder. Every path is owned by the paths object and never changes.
class IAudioPluginDataPath {
public:
    virtual const char* GetModelFilePath() const = 0;
    virtual const char* GetSharedModelFilePath() const = 0;
    virtual const char* GetManualFilePath() const = 0;
    virtual const char* GetGlobalSettingsFilePath() const = 0;
    virtual const char* GetDefaultSkinFilePath() const = 0;
    virtual const char* GetFactoryPresetsFilePath() const = 0;
    virtual const char* GetLegalFolderPath() const = 0;
    virtual ~IAudioPluginDataPath() {}
};

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
