#include "PluginsFilters/CStereoTessaline.h"

#include "PluginsFilters/CFlatPreset.h"
#include "Veltis/Audio/DSP/CLegacyPresets.h"
#include "Veltis/DataModel/Objects/CProductInfo.h"

namespace PluginsFilters {

CStereoTessaline::CStereoTessaline()
    : TFullStereoFromMonoFilter<CTessaline>(kFirstChannelParam, -1), m_legacyPresets(nullptr)
{
    MakePresets();
}

CStereoTessaline::CStereoTessaline(const CStereoTessaline& other)
    : IFilter(), TFullStereoFromMonoFilter<CTessaline>(other), m_legacyPresets(nullptr)
{
    MakePresets();
}

CStereoTessaline::~CStereoTessaline() { delete m_legacyPresets; }

void CStereoTessaline::MakePresets()
{
    static const CFlatPreset flat(GetInputParamsInfo());
    m_legacyPresets = new Veltis::Audio::DSP::CLegacyPresets(1, &flat.GetPreset());
}

const Veltis::DataModel::Objects::IConstProductInfo& CStereoTessaline::GetObjectInfo() const
{
    static const Veltis::DataModel::Objects::CProductInfo info("Stereo Tessaline", "3.0", "Copyright Corvane",
                                                                "Stereo Parametric Equalizer");
    return info;
}

} // namespace PluginsFilters
