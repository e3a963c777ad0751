#include "platform/time/MonotonicClock.h"

#include <time.h>

namespace Veltis {
namespace Platform {

uint64_t GetMonotonicTicks()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<uint64_t>(now.tv_sec) * 1000000000ULL + static_cast<uint64_t>(now.tv_nsec);
}

void GetMonotonicTimebase(uint32_t& numerator, uint32_t& denominator)
{
    numerator = 1;
    denominator = 1;
}

} // namespace Platform
} // namespace Veltis
