#pragma once

#include <malloc.h>

#include <cstddef>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define VELTIS_TEST_SANITIZER_HEAP 1
// The sanitizer runtimes' allocator statistics (their header is not installed with every compiler).
extern "C" size_t __sanitizer_get_current_allocated_bytes(void);
#endif

namespace VeltisTest {

// The bytes the process has allocated and not yet freed, from the allocator's own statistics (the
// sanitizer's allocator when one replaces the C library's).
inline size_t HeapInUse()
{
#ifdef VELTIS_TEST_SANITIZER_HEAP
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

} // namespace VeltisTest
