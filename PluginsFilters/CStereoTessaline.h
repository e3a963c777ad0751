#pragma once

#include "PluginsFilters/CTessaline.h"
#include "Veltis/Audio/DSP/TFullStereoFromMonoFilter.h"

namespace PluginsFilters {

// The product's processor: two mono equalisers, left on channel 0 and right on channel 1. "Limiter",
// "Oversample", "Non Linear", "Comp-Dist" and "Clip Reset" are shared; the thirty others exist once per
// channel, " (L)" at 5 to 34 and " (R)" at 35 to 64.
class CStereoTessaline : public Veltis::Audio::DSP::TFullStereoFromMonoFilter<CTessaline> {
public:
    enum { kFirstChannelParam = 5, kParamsCount = 65 };

    CStereoTessaline();
    CStereoTessaline(const CStereoTessaline& other);
    CStereoTessaline& operator=(const CStereoTessaline&) = delete;
    ~CStereoTessaline() override;

    IFilter* Clone() const override { return new CStereoTessaline(*this); }
    const Veltis::DataModel::Objects::IConstProductInfo& GetObjectInfo() const override;
    const Veltis::Audio::DSP::ILegacyPresets& GetLegacyPresets() const override { return *m_legacyPresets; }

protected:
    void ProcessChannels(const Veltis::Audio::DSP::CProcessContext& left,
                         const Veltis::Audio::DSP::CProcessContext& right) override
    {
        CTessaline::ProcessPair(GetLeftFilter(), left, GetRightFilter(), right);
    }

private:
    void MakePresets();

    Veltis::Audio::DSP::CLegacyPresets* m_legacyPresets;
};

} // namespace PluginsFilters
