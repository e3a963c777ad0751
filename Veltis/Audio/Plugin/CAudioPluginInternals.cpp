#include "Veltis/Audio/Plugin/CAudioPluginInternals.h"

#include "Veltis/Audio/Plugin/GetAudioPluginConfig.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

CAudioPluginInternals::CAudioPluginInternals(DSP::IFilter* processor, IPluginGUI* gui,
                                             const DataModel::Objects::IConstProductInfo* productInfo,
                                             double defaultOutputRefreshRate)
    : CAudioPluginInternalsBase(processor, gui, productInfo, GetAudioPluginConfig(), defaultOutputRefreshRate)
{
}

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
