#include "platform/time/MonotonicClock.h"

#include <atomic>
#include <time.h>

namespace Veltis {
namespace Platform {

namespace {
std::atomic<MonotonicTickSource> s_TickSource{nullptr};
}

uint64_t GetMonotonicTicks()
{
    if (const MonotonicTickSource source = s_TickSource.load(std::memory_order_acquire))
        return source();
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<uint64_t>(now.tv_sec) * 1000000000ULL + static_cast<uint64_t>(now.tv_nsec);
}

void GetMonotonicTimebase(uint32_t& numerator, uint32_t& denominator)
{
    numerator = 1;
    denominator = 1;
}

MonotonicTickSource SetMonotonicTickSource(MonotonicTickSource source)
{
    return s_TickSource.exchange(source, std::memory_order_acq_rel);
}

} // namespace Platform
} // namespace Veltis
