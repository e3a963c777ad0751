#pragma once

#include "Veltis/Audio/DSP/CLegacyPreset.h"
#include "Veltis/Audio/DSP/ILegacyPresets.h"

namespace Veltis {
namespace Audio {
namespace DSP {

// A list of owned copies of presets, fixed once built.
class CLegacyPresets : public ILegacyPresets {
public:
    // Without an array, or with a count of 0 or less, the list is empty.
    explicit CLegacyPresets(int count = 0, const CLegacyPreset* presets = nullptr);
    CLegacyPresets(const CLegacyPresets&) = delete;
    CLegacyPresets& operator=(const CLegacyPresets&) = delete;
    ~CLegacyPresets() override;

    int GetCount() const override { return m_Count; }
    int GetValuesPresetsCount() const override { return m_ValuesPresetsCount; }
    const ILegacyPreset& GetPreset(int index) const override { return *m_Presets[index]; }

private:
    CLegacyPreset** m_Presets;
    int m_Count;
    int m_ValuesPresetsCount;
};

} // namespace DSP
} // namespace Audio
} // namespace Veltis
