#pragma once

#include "Veltis/Audio/DSP/CLegacyPreset.h"
#include "Veltis/Audio/DSP/CParamsValues.h"
#include "Veltis/Audio/DSP/IFilter.h"

namespace PluginsFilters {

// The built-in preset "Flat": every parameter at its default.
class CFlatPreset {
public:
    explicit CFlatPreset(const Veltis::Audio::DSP::IFilter::IConstParamsInfo& params);

    const Veltis::Audio::DSP::CLegacyPreset& GetPreset() const { return m_preset; }

private:
    static const Veltis::Audio::DSP::CParamsValues& Fill(Veltis::Audio::DSP::CParamsValues& values,
                                                         const Veltis::Audio::DSP::IFilter::IConstParamsInfo& params);

    Veltis::Audio::DSP::CParamsValues m_values;
    Veltis::Audio::DSP::CLegacyPreset m_preset;
};

} // namespace PluginsFilters
