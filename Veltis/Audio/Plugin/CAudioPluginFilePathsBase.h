#pragma once

#include "Veltis/Audio/Plugin/IAudioPluginDataPath.h"
#include "Veltis/Core/CCharString.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

// The seven paths as strings, empty until a derived class fills them from its two folders.
class CAudioPluginFilePathsBase : public virtual IAudioPluginDataPath {
public:
    CAudioPluginFilePathsBase() {}
    ~CAudioPluginFilePathsBase() override {}
    CAudioPluginFilePathsBase(const CAudioPluginFilePathsBase&) = delete;
    CAudioPluginFilePathsBase& operator=(const CAudioPluginFilePathsBase&) = delete;

    const char* GetModelFilePath() const override { return m_ModelFilePath.GetString(); }
    const char* GetSharedModelFilePath() const override { return m_SharedModelFilePath.GetString(); }
    const char* GetManualFilePath() const override { return m_ManualFilePath.GetString(); }
    const char* GetGlobalSettingsFilePath() const override { return m_GlobalSettingsFilePath.GetString(); }
    const char* GetDefaultSkinFilePath() const override { return m_DefaultSkinFilePath.GetString(); }
    const char* GetFactoryPresetsFilePath() const override { return m_FactoryPresetsFilePath.GetString(); }
    const char* GetLegalFolderPath() const override { return m_LegalFolderPath.GetString(); }

protected:
    // Every data file lies in dataFolder, the settings file in userFolder.
    void SetFolders(const char* dataFolder, const char* userFolder);

private:
    Core::CCharString m_ModelFilePath;
    Core::CCharString m_SharedModelFilePath;
    Core::CCharString m_ManualFilePath;
    Core::CCharString m_GlobalSettingsFilePath;
    Core::CCharString m_DefaultSkinFilePath;
    Core::CCharString m_FactoryPresetsFilePath;
    Core::CCharString m_LegalFolderPath;
};

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
