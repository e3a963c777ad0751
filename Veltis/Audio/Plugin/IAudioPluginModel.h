#pragma once

namespace Veltis {
namespace Audio {
namespace Plugin {

// The plug-in model as the editor sees it.
class IAudioPluginModel {
public:
    virtual ~IAudioPluginModel() {}
};

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
