#include "Veltis/Audio/Plugin/CAudioPluginXMLPresets.h"

#include "Veltis/Audio/Plugin/CAudioPluginInternalsBase.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

CAudioPluginXMLPresets::CAudioPluginXMLPresets(CAudioPluginInternalsBase* internals)
{
    int count = 0;
    if (!internals->GetFactoryPresetsData().ReadInt("PresetCount", count) || count < 0)
        count = 0;
    if (count > kMaxCount)
        count = kMaxCount;
    GetStorage().SetSize(count, true);
    for (int i = 0; i < count; ++i)
        GetStorage()[i] = CAudioPluginXMLPreset(internals, i);
}

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
