#include "Veltis/Audio/DSP/Algorithm/CBiquad.h"

namespace Veltis {
namespace Audio {
namespace DSP {
namespace Algorithm {

float CBiquad::OnRareOutput(double x, float out)
{
    if (IsZeroOrSubnormal(out)) {
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = 0.0;
        return 0.0f;
    }
    ClearHistory();
    return out;
}

void ProcessBiquad(CBiquad& biquad, const float* input, int inputStep, float* output, int outputStep, int count)
{
    // A local copy lets the compiler keep the state in registers across the loop.
    CBiquad local = biquad;
    for (int k = 0; k < count; ++k) {
        const float x = *input;
        *output = local.ProcessSample(x);
        input += inputStep;
        output += outputStep;
    }
    biquad = local;
}

} // namespace Algorithm
} // namespace DSP
} // namespace Audio
} // namespace Veltis
