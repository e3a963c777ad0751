#include "Veltis/Audio/DSP/Algorithm/CBiquad.h"

namespace Veltis {
namespace Audio {
namespace DSP {
namespace Algorithm {

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
