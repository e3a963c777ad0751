#include "Veltis/Graphics/CHSVColorRange.h"

#include <algorithm>

namespace Veltis {
namespace Graphics {

namespace {

void ToHSV(const Core::CColor& color, float& hue, float& saturation, float& value)
{
    float r = color.r, g = color.g, b = color.b;
    float max = std::max(r, std::max(g, b));
    float min = std::min(r, std::min(g, b));
    hue = saturation = value = 0;
    if (max == 0)
        return;
    value = max;
    float delta = max - min;
    saturation = delta / max;
    // A grey would divide 0 by 0; its hue is never used between two greys.
    if (delta == 0)
        return;
    if (r == max)
        hue = (g - b) / delta;
    else if (g == max)
        hue = (b - r) / delta + 2;
    else
        hue = (r - g) / delta + 4;
    if (!(hue >= 0))
        hue += 6;
}

// A float component as a byte: truncated, and kept within 0..255 (NaN gives 0).
uint8_t ToByte(float component)
{
    if (!(component > 0))
        return 0;
    if (component >= 255)
        return 255;
    return static_cast<uint8_t>(static_cast<int>(component));
}

} // namespace

CHSVColorRange::CHSVColorRange()
    : m_LowHue(0), m_LowSaturation(0), m_LowValue(0), m_HighHue(0), m_HighSaturation(0), m_HighValue(255)
{
}

void CHSVColorRange::SetLowColor(const Core::CColor& color)
{
    ToHSV(color, m_LowHue, m_LowSaturation, m_LowValue);
}

void CHSVColorRange::SetHighColor(const Core::CColor& color)
{
    ToHSV(color, m_HighHue, m_HighSaturation, m_HighValue);
}

bool CHSVColorRange::Interpolate(float x, float valueScale, float (&rgb)[3]) const
{
    float s = m_LowSaturation + (m_HighSaturation - m_LowSaturation) * x;
    float v = (m_LowValue + (m_HighValue - m_LowValue) * x) * valueScale;
    if (s == 0) {
        rgb[0] = rgb[1] = rgb[2] = v;
        return true;
    }
    float h = m_LowHue + (m_HighHue - m_LowHue) * x;
    // (int)h truncates, so sector 0 starts above -1; the test also keeps NaN and huge hues out.
    if (!(h > -1 && h < 6))
        return false;
    float e = (1 - s) * v;
    float f = v - e;
    switch (static_cast<int>(h)) {
    case 0: rgb[0] = v, rgb[1] = f * h + e, rgb[2] = e; break;
    case 1: rgb[0] = f * (2 - h) + e, rgb[1] = v, rgb[2] = e; break;
    case 2: rgb[0] = e, rgb[1] = v, rgb[2] = f * (h - 2) + e; break;
    case 3: rgb[0] = e, rgb[1] = f * (4 - h) + e, rgb[2] = v; break;
    case 4: rgb[0] = f * (h - 4) + e, rgb[1] = e, rgb[2] = v; break;
    default: rgb[0] = v, rgb[1] = e, rgb[2] = f * (6 - h) + e; break;
    }
    return true;
}

void CHSVColorRange::GetColor(float position, Core::CColor& color) const
{
    float rgb[3];
    if (!Interpolate(position, 1, rgb))
        return;
    color = Core::CColor(ToByte(rgb[0]), ToByte(rgb[1]), ToByte(rgb[2]));
}

void CHSVColorRange::GetColorF(float position, float& r, float& g, float& b) const
{
    float rgb[3];
    if (!Interpolate(position, 0.003921569f, rgb))
        return;
    r = rgb[0];
    g = rgb[1];
    b = rgb[2];
}

} // namespace Graphics
} // namespace Veltis
