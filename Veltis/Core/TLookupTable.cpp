#include "Veltis/Core/TLookupTable.h"

#include <cmath>

namespace Veltis {
namespace Core {

namespace {

// Evaluated in double and rounded once, so that every entry is the float nearest the exact decibel value.
float AmplitudeToDecibels(float amplitude)
{
    return static_cast<float>(20.0 * std::log10(static_cast<double>(amplitude)));
}

} // namespace

const TLookupTable<float, TLinearInterpolator<float, float>>& GetDecibelTable()
{
    static const TLookupTable<float, TLinearInterpolator<float, float>> table(2048, &AmplitudeToDecibels,
                                                                               0.001f, 1.0f);
    return table;
}

} // namespace Core
} // namespace Veltis
