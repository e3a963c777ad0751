#pragma once

#include "Veltis/Audio/DSP/ILegacyPreset.h"

namespace Veltis {
namespace Audio {
namespace DSP {

// A processor's built-in preset list.
class ILegacyPresets {
public:
    virtual int GetCount() const = 0;
    // Presets of type 0 (plain values).
    virtual int GetValuesPresetsCount() const = 0;
    // The index is not tested: 0 to GetCount() - 1.
    virtual const ILegacyPreset& GetPreset(int index) const = 0;
    virtual ~ILegacyPresets() {}
};

} // namespace DSP
} // namespace Audio
} // namespace Veltis
