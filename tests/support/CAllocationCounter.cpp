#include "support/CAllocationCounter.h"

#include <cstdlib>
#include <new>

namespace {

// Per thread, so that other threads of the test program do not disturb the count. Plain data: no
// dynamic initialisation on first use from inside operator new.
thread_local long t_Allocations = 0;
thread_local bool t_Counting = false;

void* Allocate(std::size_t size, bool nothrow)
{
    if (t_Counting)
        ++t_Allocations;
    void* memory = std::malloc(size ? size : 1);
    if (!memory && !nothrow)
        throw std::bad_alloc();
    return memory;
}

void* AllocateAligned(std::size_t size, std::align_val_t alignment, bool nothrow)
{
    if (t_Counting)
        ++t_Allocations;
    const std::size_t align = static_cast<std::size_t>(alignment);
    const std::size_t rounded = ((size ? size : 1) + align - 1) / align * align;
    void* memory = std::aligned_alloc(align, rounded);
    if (!memory && !nothrow)
        throw std::bad_alloc();
    return memory;
}

} // namespace

namespace VeltisTest {

CAllocationCounter::CAllocationCounter() : m_Start(t_Allocations), m_WasCounting(t_Counting) { t_Counting = true; }

CAllocationCounter::~CAllocationCounter() { t_Counting = m_WasCounting; }

long CAllocationCounter::Count() const { return t_Allocations - m_Start; }

} // namespace VeltisTest

void* operator new(std::size_t size) { return Allocate(size, false); }
void* operator new[](std::size_t size) { return Allocate(size, false); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size, true); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size, true); }
void* operator new(std::size_t size, std::align_val_t alignment) { return AllocateAligned(size, alignment, false); }
void* operator new[](std::size_t size, std::align_val_t alignment) { return AllocateAligned(size, alignment, false); }
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    return AllocateAligned(size, alignment, true);
}
void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    return AllocateAligned(size, alignment, true);
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete(void* memory, std::align_val_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::align_val_t) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t, std::align_val_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t, std::align_val_t) noexcept { std::free(memory); }
void operator delete(void* memory, std::align_val_t, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, std::align_val_t, const std::nothrow_t&) noexcept { std::free(memory); }
