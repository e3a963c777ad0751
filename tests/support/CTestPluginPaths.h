#pragma once

#include "Veltis/Audio/Plugin/CAudioPluginFilePathsBase.h"
#include "Veltis/Audio/Plugin/TAudioPluginConfig.h"

#include <string>

namespace VeltisTest {

// The data folder and the user folder of the next paths object built (set before building it).
class CTestPluginPaths : public Veltis::Audio::Plugin::CAudioPluginFilePathsBase {
public:
    CTestPluginPaths() { SetFolders(DataFolder().c_str(), UserFolder().c_str()); }
    static std::string& DataFolder()
    {
        static std::string folder;
        return folder;
    }
    static std::string& UserFolder()
    {
        static std::string folder;
        return folder;
    }
};

typedef Veltis::Audio::Plugin::TAudioPluginConfig<CTestPluginPaths> CTestPluginConfig;

// Declared before a CTestPluginConfig, points it at its folders.
class CTestPluginFolders {
public:
    CTestPluginFolders(const std::string& dataFolder, const std::string& userFolder)
    {
        CTestPluginPaths::DataFolder() = dataFolder;
        CTestPluginPaths::UserFolder() = userFolder;
    }
};

} // namespace VeltisTest
