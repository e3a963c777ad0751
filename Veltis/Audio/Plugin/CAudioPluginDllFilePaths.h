#pragma once

#include "Veltis/Audio/Plugin/CAudioPluginFilePathsBase.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

// The paths of the module that holds this code, computed once: its data folder and its user folder
// (created on the way).
class CAudioPluginDllFilePaths : public CAudioPluginFilePathsBase {
public:
    CAudioPluginDllFilePaths();
    ~CAudioPluginDllFilePaths() override {}
};

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
