#include "Veltis/Audio/Plugin/CAudioPluginDllFilePaths.h"
#include "Veltis/Audio/Plugin/GetAudioPluginConfig.h"
#include "Veltis/Audio/Plugin/PluginFolders.h"
#include "Veltis/CoreUtilities/CCodeModule.h"
#include "Veltis/DataModel/Objects/CParamInfo.h"

#include "support/CEnvironmentVariable.h"
#include "support/CTemporaryFolder.h"
#include "support/OutputSources.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <dlfcn.h>
#include <fstream>
#include <memory>
#include <string>
#include <sys/stat.h>

using namespace Veltis::Audio::Plugin;
using Veltis::DataModel::Objects::CParamInfo;
using Veltis::DataModel::Objects::IConstParamInfo;

namespace {

std::string Take(char* text)
{
    const std::string result = text ? text : "(null)";
    delete[] text;
    return result;
}

std::string DataFolderOf(const char* modulePath)
{
    char* folder = nullptr;
    GetPluginDataFolderOf(modulePath, folder);
    return Take(folder);
}

mode_t FolderMode(const std::string& path)
{
    struct stat info;
    if (stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return 0;
    return info.st_mode & 07777;
}

// Points the user's settings folder at a temporary folder for the test's duration.
class CConfigHome {
public:
    std::string Preferences() const { return m_Folder.Join("Preferences"); }

private:
    VeltisTest::CTemporaryFolder m_Folder;
    VeltisTest::CEnvironmentVariable m_Variable{"XDG_CONFIG_HOME", m_Folder.GetPath().c_str()};
};

std::string ModuleName()
{
    const Veltis::CoreUtilities::CCodeModule module;
    const std::string name = module.GetFileName();
    return name.substr(0, name.rfind('.') == std::string::npos ? name.size() : name.rfind('.'));
}

} // namespace

TEST(PluginFolders, DataFolderIsTheModuleNameWithoutExtensionBesideTheModule)
{
    struct Case {
        const char* module;
        const char* folder;
    };
    const Case kCases[] = {
        {"/A/B/EQ.bundle/Contents/MacOS/EQ", "/A/B/EQ.bundle/Contents/MacOS/EQ data"},
        {"/usr/lib/My.Plug.in", "/usr/lib/My.Plug data"},
        {"/usr/lib/libEQ.so", "/usr/lib/libEQ data"},
        {"/a.b/EQ", "/a.b/EQ data"},
        {"EQ", "EQ data"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.module);
        EXPECT_EQ(DataFolderOf(c.module), c.folder);
    }
}

TEST(PluginFolders, UserFolderChainIsCreatedPrivateAndAgainWithoutError)
{
    VeltisTest::CTemporaryFolder temporary;
    const std::string preferences = temporary.Join("Preferences");
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        char* folder = nullptr;
        GetUserSettingsFolderOf("/A/B/EQ.bundle/Contents/MacOS/EQ", preferences.c_str(), "Corvane Audio", folder);
        const std::string path = Take(folder);
        EXPECT_EQ(path, preferences + "/Corvane Audio/EQ");
        EXPECT_EQ(FolderMode(preferences), 0700u);
        EXPECT_EQ(FolderMode(preferences + "/Corvane Audio"), 0700u);
        EXPECT_EQ(FolderMode(path), 0700u);
    }

    // A file in the way: the path is still given, the failure shows where the file is opened.
    std::ofstream(temporary.Join("blocked")).put('x');
    char* blocked = nullptr;
    CreateFolderPath(temporary.Join("blocked").c_str(), "Corvane Audio", "EQ", blocked);
    EXPECT_EQ(Take(blocked), temporary.Join("blocked") + "/Corvane Audio/EQ");
}

TEST(PluginFolders, ModulePathsNameEveryFileAndCreateOnlyTheUserFolder)
{
    CConfigHome home;
    const CAudioPluginDllFilePaths paths;
    char* dataFolder = nullptr;
    GetPluginDataFolder(dataFolder);
    const std::string data = Take(dataFolder);
    const std::string user = home.Preferences() + "/Corvane Audio/" + ModuleName();

    EXPECT_EQ(data, DataFolderOf(Veltis::CoreUtilities::CCodeModule().GetPath()));
    EXPECT_EQ(paths.GetModelFilePath(), data + "/Model/model.model");
    EXPECT_EQ(paths.GetSharedModelFilePath(), data + "/Model/shared.model");
    EXPECT_EQ(paths.GetManualFilePath(), data + "/manual.pdf");
    EXPECT_EQ(paths.GetLegalFolderPath(), data + "/Legal");
    EXPECT_EQ(paths.GetDefaultSkinFilePath(), data + "/Skins/default.xml");
    EXPECT_EQ(paths.GetFactoryPresetsFilePath(), data + "/Presets/factory.presets");
    EXPECT_EQ(paths.GetGlobalSettingsFilePath(), user + "/global.pref");
    EXPECT_EQ(FolderMode(user), 0700u);
    EXPECT_EQ(FolderMode(data), 0u);
}

TEST(PluginFolders, FoldersFollowTheModuleThatHoldsTheCode)
{
    void* probe = dlopen(VELTIS_PLUGIN_PATHS_PROBE_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(probe, nullptr) << dlerror();
    typedef char* (*CProbe)();
    const CProbe function = reinterpret_cast<CProbe>(dlsym(probe, "VeltisPluginDataFolderProbe"));
    ASSERT_NE(function, nullptr);
    const std::string module = VELTIS_PLUGIN_PATHS_PROBE_PATH;
    const std::string expected =
        module.substr(0, module.rfind('/') + 1) + "libVeltisPluginPathsProbe data";
    EXPECT_EQ(Take(function()), expected);
    dlclose(probe);
}

TEST(PluginFolders, OneConfigurationPerProcessInitialisedOnce)
{
    CConfigHome home;
    TAudioPluginConfig<CAudioPluginDllFilePaths>& config = GetAudioPluginConfig();
    EXPECT_EQ(&GetAudioPluginConfig(), &config);
    EXPECT_EQ(&config.GetDefaultSettings(), &GetAudioPluginConfig().GetDefaultSettings());

    CParamInfo first(2, "a", "", "", nullptr, -1.0f, 1.0f), second(2, "b", "", "", nullptr, 0.0f, 5.0f);
    VeltisTest::TLentVector<IConstParamInfo> inputs({&first, &second}), outputs({&second});
    CAudioPluginInternalsBase::IStaticSettings& settings = config;
    settings.Init(inputs, outputs);
    CMIDICCSettings copy(3);
    config.GetDefaultSettings().CopyInputCCSettingsTo(copy);
    EXPECT_EQ(copy.GetAt(0).GetMin(), -1.0f);
    EXPECT_EQ(copy.GetAt(1).GetMax(), 5.0f);
    EXPECT_EQ(copy.GetAt(2).GetMax(), 0.0f);

    VeltisTest::TLentVector<IConstParamInfo> more({&second, &second, &second});
    settings.Init(more, more);
    CMIDICCSettings again(3);
    config.GetDefaultSettings().CopyInputCCSettingsTo(again);
    EXPECT_EQ(again.GetAt(0).GetMin(), -1.0f);
    EXPECT_EQ(again.GetAt(2).GetMax(), 0.0f);
    EXPECT_STREQ(settings.GetDataPath().GetDefaultSkinFilePath(), config.GetDataPath().GetDefaultSkinFilePath());
}
