#pragma once

#include "Veltis/Audio/DSP/Algorithm/FloatClass.h"

namespace Veltis {
namespace Audio {
namespace DSP {
namespace Algorithm {

// Coefficients and history of a second-order section, y = b0 x + b1 x1 + b2 x2 + c1 y1 + c2 y2 (the
// output coefficients carry the sign that makes them add). Double history so that low-frequency
// sections keep their precision; the output is rounded to 32 bits.
class CBiquad {
public:
    void ClearHistory() { x1 = x2 = y1 = y2 = 0.0; }

    bool HasSameCoefficients(const CBiquad& other) const
    {
        return b0 == other.b0 && b1 == other.b1 && b2 == other.b2 && c1 == other.c1 && c2 == other.c2;
    }

    // The rare outputs are handled inline: a call that took the section's address would keep its state
    // in memory in every caller's loop. A zero or subnormal output is written as 0 and fed back as 0; a
    // non-finite one is written unchanged and restarts the whole history, or an infinity would keep
    // cycling through x1, x2 and y2. A finite output past the runaway bound (coefficients jumping at
    // every sample can drive the state there from a sane input) restarts the history too, and is
    // written as 0 so that it goes no further.
    float ProcessSample(float input)
    {
        const double x = input;
        double acc = (((x2 * b2 + x1 * b1) + y1 * c1) + y2 * c2) + x * b0;
        float out = static_cast<float>(acc);
        if (__builtin_expect(IsZeroSubnormalOrRunaway(out), 0)) {
            if (!IsZeroOrSubnormal(out)) {
                ClearHistory();
                return std::isfinite(out) ? 0.0f : out;
            }
            out = 0.0f;
            acc = 0.0;
        }
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = acc;
        return out;
    }

    double b0 = 0.0, b1 = 0.0, b2 = 0.0, c1 = 0.0, c2 = 0.0;
    double x1 = 0.0, x2 = 0.0, y1 = 0.0, y2 = 0.0;
};

// Runs count samples through the section with fixed coefficients. In and out may be the same memory:
// each sample is read before it is written.
void ProcessBiquad(CBiquad& biquad, const float* input, int inputStep, float* output, int outputStep, int count);

} // namespace Algorithm
} // namespace DSP
} // namespace Audio
} // namespace Veltis
