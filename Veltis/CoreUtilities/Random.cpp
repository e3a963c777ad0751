#include "Veltis/CoreUtilities/Random.h"

#include <cmath>
#include <cstdlib>
#include <ctime>

namespace Veltis {
namespace CoreUtilities {

void InitRandom()
{
    std::srand(static_cast<unsigned int>(std::clock()));
    std::srand(static_cast<unsigned int>(std::rand()));
    const int discarded = std::rand() % 10;
    for (int i = 0; i < discarded; ++i)
        std::rand();
}

float GetRandomValue(float min, float max)
{
    const float scale = (max - min) * (1.0f / 2147483648.0f);
    const float value = min + static_cast<float>(std::rand()) * scale;
    // rand() near 2^31 rounds up to 2^31 as a float, which would give max itself.
    if (min < max && value >= max)
        return std::nextafter(max, min);
    return value;
}

} // namespace CoreUtilities
} // namespace Veltis
