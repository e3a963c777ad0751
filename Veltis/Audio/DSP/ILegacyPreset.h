#pragma once

#include "Veltis/Containers/IConstValueVector.h"

namespace Veltis {
namespace Audio {
namespace DSP {

// A built-in preset: a type (0 plain values, 1 randomisation), two texts and one value per parameter.
class ILegacyPreset {
public:
    virtual int GetType() const = 0;
    // May be null.
    virtual const char* GetName() const = 0;
    // May be null.
    virtual const char* GetComment() const = 0;
    virtual const Containers::IConstValueVector<float>& GetValues() const = 0;
    virtual ~ILegacyPreset() {}
};

} // namespace DSP
} // namespace Audio
} // namespace Veltis
