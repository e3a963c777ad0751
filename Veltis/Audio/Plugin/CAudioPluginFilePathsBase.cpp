#include "Veltis/Audio/Plugin/CAudioPluginFilePathsBase.h"

#include "Veltis/CoreUtilities/CFilePath.h"

#include <initializer_list>

namespace Veltis {
namespace Audio {
namespace Plugin {

namespace {

void Join(Core::CCharString& path, const char* folder, std::initializer_list<const char*> components)
{
    CoreUtilities::CFilePath joined(folder);
    for (const char* component : components)
        joined.Append(component);
    path = joined.GetString();
}

} // namespace

void CAudioPluginFilePathsBase::SetFolders(const char* dataFolder, const char* userFolder)
{
    Join(m_ModelFilePath, dataFolder, {"Model", "model.model"});
    Join(m_SharedModelFilePath, dataFolder, {"Model", "shared.model"});
    Join(m_ManualFilePath, dataFolder, {"manual.pdf"});
    Join(m_LegalFolderPath, dataFolder, {"Legal"});
    Join(m_DefaultSkinFilePath, dataFolder, {"Skins", "default.xml"});
    Join(m_FactoryPresetsFilePath, dataFolder, {"Presets", "factory.presets"});
    Join(m_GlobalSettingsFilePath, userFolder, {"global.pref"});
}

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
