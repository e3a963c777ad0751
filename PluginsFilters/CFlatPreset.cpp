#include "PluginsFilters/CFlatPreset.h"

#include "Veltis/DataModel/Objects/IConstParamInfo.h"

namespace PluginsFilters {

CFlatPreset::CFlatPreset(const Veltis::Audio::DSP::IFilter::IConstParamsInfo& params)
    : m_values(params.GetCount()), m_preset(0, Fill(m_values, params), "Flat", "")
{
}

const Veltis::Audio::DSP::CParamsValues& CFlatPreset::Fill(Veltis::Audio::DSP::CParamsValues& values,
                                                           const Veltis::Audio::DSP::IFilter::IConstParamsInfo& params)
{
    for (int i = 0; i < params.GetCount(); ++i)
        values.SetValue(i, params.GetAt(i).GetDefault());
    return values;
}

} // namespace PluginsFilters
