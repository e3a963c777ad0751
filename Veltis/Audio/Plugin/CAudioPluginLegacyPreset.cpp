#include "Veltis/Audio/Plugin/CAudioPluginLegacyPreset.h"

#include "Veltis/Audio/DSP/IFilter.h"
#include "Veltis/Audio/DSP/ILegacyPresets.h"
#include "Veltis/Audio/Plugin/CAudioPluginInternalsBase.h"
#include "Veltis/CoreUtilities/Random.h"
#include "Veltis/DataModel/Objects/IConstParamInfo.h"

#include <cmath>

namespace Veltis {
namespace Audio {
namespace Plugin {

const DSP::ILegacyPresets* CAudioPluginLegacyPreset::PresetsOf(CAudioPluginInternalsBase* internals)
{
    DSP::IFilter* processor = internals ? internals->GetProcessor() : nullptr;
    return processor ? &processor->GetLegacyPresets() : nullptr;
}

const char* CAudioPluginLegacyPreset::GetName()
{
    const DSP::ILegacyPresets* presets = PresetsOf(m_Internals);
    if (!presets || m_Index < 0 || m_Index >= presets->GetCount())
        return "";
    const char* name = presets->GetPreset(m_Index).GetName();
    return name ? name : "";
}

void CAudioPluginLegacyPreset::Load()
{
    const DSP::ILegacyPresets* presets = PresetsOf(m_Internals);
    if (!presets || m_Index < 0 || m_Index >= presets->GetCount())
        return;
    const DSP::ILegacyPreset& preset = presets->GetPreset(m_Index);
    IPluginGUIConnections::IInputParams* params = m_Internals->GetConnections().GetInputParams();
    if (params) {
        params->GetAt(0).SetValue(0.0f);
        const Containers::IConstValueVector<float>& values = preset.GetValues();
        // A preset shorter than the parameter list leaves the rest alone.
        int count = params->GetCount();
        if (count > values.GetCount() + 1)
            count = values.GetCount() + 1;
        if (preset.GetType() == 0) {
            for (int i = 1; i < count; ++i)
                params->GetAt(i).SetValue(values.GetValue(i - 1));
        } else if (preset.GetType() == 1) {
            CoreUtilities::InitRandom();
            for (int i = 1; i < count; ++i) {
                const float entry = values.GetValue(i - 1);
                if (entry == 0.0f || std::isnan(entry))
                    continue;
                const DataModel::Objects::IConstParamInfo& info = params->GetAt(i).GetInfo();
                params->GetAt(i).SetValue(CoreUtilities::GetRandomValue(info.GetMin(), info.GetMax()));
            }
        }
    }
    const char* name = preset.GetName();
    m_Internals->SetProgramName(name ? name : "");
}

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
