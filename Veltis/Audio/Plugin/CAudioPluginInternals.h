#pragma once

#include "Veltis/Audio/Plugin/CAudioPluginInternalsBase.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

// The plug-in core as a host adapter creates it: over the module's one configuration object.
class CAudioPluginInternals : public CAudioPluginInternalsBase {
public:
    CAudioPluginInternals(DSP::IFilter* processor, IPluginGUI* gui,
                          const DataModel::Objects::IConstProductInfo* productInfo, double defaultOutputRefreshRate);
};

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
