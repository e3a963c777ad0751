#pragma once

#include "Veltis/Containers/IConstVector.h"

namespace Veltis {
namespace DataModel {
namespace Objects {
class IConstParamInfo;
}
} // namespace DataModel

namespace Audio {
namespace Plugin {

class CAudioPluginDefaultSettings;
class IAudioPluginDataPath;

// The host-independent core of a plug-in instance. Declared here for the process-wide settings it
// reaches through IStaticSettings; the instance core itself is completed with the plug-in core.
class CAudioPluginInternalsBase {
public:
    // What every instance of the module shares: the global settings and the file paths.
    class IStaticSettings {
    public:
        // The first call sizes and loads the global settings for these descriptors; later calls do
        // nothing, whatever they pass.
        virtual void Init(const Containers::IConstVector<DataModel::Objects::IConstParamInfo>& inputs,
                          const Containers::IConstVector<DataModel::Objects::IConstParamInfo>& outputs) = 0;
        virtual CAudioPluginDefaultSettings& GetDefaultSettings() = 0;
        virtual IAudioPluginDataPath& GetDataPath() = 0;
        virtual ~IStaticSettings() {}
    };
};

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
