#pragma once

#include "Veltis/Core/CColor.h"

namespace Veltis {
namespace Graphics {

// Colours between a low and a high end, interpolated separately in hue (a sector position in [0, 6),
// without wrapping round), saturation ([0, 1]) and value ([0, 255]). Black to white at first.
class CHSVColorRange {
public:
    CHSVColorRange();

    // A grey (all three bytes equal) gets hue 0.
    void SetLowColor(const Core::CColor& color);
    void SetHighColor(const Core::CColor& color);
    // Position 0 is the low end, 1 the high end; positions are not clamped, but components are kept
    // within a byte. A hue outside [0, 6) leaves the colour as it was.
    void GetColor(float position, Core::CColor& color) const;
    // Components in [0, 1].
    void GetColorF(float position, float& r, float& g, float& b) const;

private:
    // The colour at x with the value scaled; false when the hue's sector is not 0 to 5.
    bool Interpolate(float x, float valueScale, float (&rgb)[3]) const;

    float m_LowHue;
    float m_LowSaturation;
    float m_LowValue;
    float m_HighHue;
    float m_HighSaturation;
    float m_HighValue;
};

} // namespace Graphics
} // namespace Veltis
