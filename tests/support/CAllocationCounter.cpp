#include "support/CAllocationCounter.h"

#include <dlfcn.h>

#include <new>

namespace VeltisTest {

namespace {

thread_local CAllocationCounter* t_Innermost = nullptr;
// The next operator new or delete may call the plain one again (libstdc++'s other forms do): count once.
thread_local bool t_Inside = false;

// Resolves the operator new or delete that this file replaces (the sanitizer's or the C++ library's), so that
// allocation and deallocation still pair up and the sanitizers keep their new/delete checks.
template <class TFunction>
TFunction Next(const char* symbol)
{
    return reinterpret_cast<TFunction>(dlsym(RTLD_NEXT, symbol));
}

template <class TFunction, class... TArgs>
void* Forward(TFunction next, bool nothrow, std::size_t size, TArgs... args)
{
    if (t_Inside)
        return next(size, args...);
    t_Inside = true;
    const bool allowed = CAllocationCounter::Record(size);
    void* result = nullptr;
    if (allowed) {
        try {
            result = next(size, args...);
        } catch (...) {
            t_Inside = false;
            throw;
        }
    }
    t_Inside = false;
    if (!allowed && !nothrow)
        throw std::bad_alloc();
    return result;
}

template <class TFunction, class... TArgs>
void ForwardFree(TFunction next, void* pointer, TArgs... args)
{
    if (t_Inside || !pointer) {
        next(pointer, args...);
        return;
    }
    t_Inside = true;
    CAllocationCounter::RecordFree();
    next(pointer, args...);
    t_Inside = false;
}

} // namespace

CAllocationCounter::CAllocationCounter(long limit) : m_Limit(limit), m_Outer(t_Innermost) { t_Innermost = this; }

CAllocationCounter::~CAllocationCounter() { t_Innermost = m_Outer; }

bool CAllocationCounter::Record(std::size_t size)
{
    bool allowed = true;
    for (CAllocationCounter* counter = t_Innermost; counter; counter = counter->m_Outer) {
        if (counter->m_Limit >= 0 && counter->m_Count >= counter->m_Limit) {
            counter->m_LimitHit = true;
            allowed = false;
            continue;
        }
        ++counter->m_Count;
        counter->m_Bytes += size;
        if (size > counter->m_Largest)
            counter->m_Largest = size;
    }
    return allowed;
}

void CAllocationCounter::RecordFree()
{
    for (CAllocationCounter* counter = t_Innermost; counter; counter = counter->m_Outer)
        ++counter->m_Frees;
}

} // namespace VeltisTest

using VeltisTest::Forward;
using VeltisTest::ForwardFree;
using VeltisTest::Next;

typedef void* (*PlainNew)(std::size_t);
typedef void* (*NothrowNew)(std::size_t, const std::nothrow_t&);
typedef void* (*AlignedNew)(std::size_t, std::align_val_t);
typedef void* (*AlignedNothrowNew)(std::size_t, std::align_val_t, const std::nothrow_t&);

void* operator new(std::size_t size)
{
    static const PlainNew next = Next<PlainNew>("_Znwm");
    return Forward(next, false, size);
}

void* operator new[](std::size_t size)
{
    static const PlainNew next = Next<PlainNew>("_Znam");
    return Forward(next, false, size);
}

void* operator new(std::size_t size, const std::nothrow_t& tag) noexcept
{
    static const NothrowNew next = Next<NothrowNew>("_ZnwmRKSt9nothrow_t");
    return Forward<NothrowNew, const std::nothrow_t&>(next, true, size, tag);
}

void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept
{
    static const NothrowNew next = Next<NothrowNew>("_ZnamRKSt9nothrow_t");
    return Forward<NothrowNew, const std::nothrow_t&>(next, true, size, tag);
}

void* operator new(std::size_t size, std::align_val_t alignment)
{
    static const AlignedNew next = Next<AlignedNew>("_ZnwmSt11align_val_t");
    return Forward(next, false, size, alignment);
}

void* operator new[](std::size_t size, std::align_val_t alignment)
{
    static const AlignedNew next = Next<AlignedNew>("_ZnamSt11align_val_t");
    return Forward(next, false, size, alignment);
}

void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t& tag) noexcept
{
    static const AlignedNothrowNew next = Next<AlignedNothrowNew>("_ZnwmSt11align_val_tRKSt9nothrow_t");
    return Forward<AlignedNothrowNew, std::align_val_t, const std::nothrow_t&>(next, true, size, alignment, tag);
}

void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t& tag) noexcept
{
    static const AlignedNothrowNew next = Next<AlignedNothrowNew>("_ZnamSt11align_val_tRKSt9nothrow_t");
    return Forward<AlignedNothrowNew, std::align_val_t, const std::nothrow_t&>(next, true, size, alignment, tag);
}


typedef void (*PlainDelete)(void*);
typedef void (*SizedDelete)(void*, std::size_t);
typedef void (*NothrowDelete)(void*, const std::nothrow_t&);
typedef void (*AlignedDelete)(void*, std::align_val_t);
typedef void (*SizedAlignedDelete)(void*, std::size_t, std::align_val_t);
typedef void (*AlignedNothrowDelete)(void*, std::align_val_t, const std::nothrow_t&);

void operator delete(void* pointer) noexcept
{
    static const PlainDelete next = Next<PlainDelete>("_ZdlPv");
    ForwardFree(next, pointer);
}

void operator delete[](void* pointer) noexcept
{
    static const PlainDelete next = Next<PlainDelete>("_ZdaPv");
    ForwardFree(next, pointer);
}

void operator delete(void* pointer, std::size_t size) noexcept
{
    static const SizedDelete next = Next<SizedDelete>("_ZdlPvm");
    ForwardFree(next, pointer, size);
}

void operator delete[](void* pointer, std::size_t size) noexcept
{
    static const SizedDelete next = Next<SizedDelete>("_ZdaPvm");
    ForwardFree(next, pointer, size);
}

void operator delete(void* pointer, const std::nothrow_t& tag) noexcept
{
    static const NothrowDelete next = Next<NothrowDelete>("_ZdlPvRKSt9nothrow_t");
    ForwardFree<NothrowDelete, const std::nothrow_t&>(next, pointer, tag);
}

void operator delete[](void* pointer, const std::nothrow_t& tag) noexcept
{
    static const NothrowDelete next = Next<NothrowDelete>("_ZdaPvRKSt9nothrow_t");
    ForwardFree<NothrowDelete, const std::nothrow_t&>(next, pointer, tag);
}

void operator delete(void* pointer, std::align_val_t alignment) noexcept
{
    static const AlignedDelete next = Next<AlignedDelete>("_ZdlPvSt11align_val_t");
    ForwardFree(next, pointer, alignment);
}

void operator delete[](void* pointer, std::align_val_t alignment) noexcept
{
    static const AlignedDelete next = Next<AlignedDelete>("_ZdaPvSt11align_val_t");
    ForwardFree(next, pointer, alignment);
}

void operator delete(void* pointer, std::size_t size, std::align_val_t alignment) noexcept
{
    static const SizedAlignedDelete next = Next<SizedAlignedDelete>("_ZdlPvmSt11align_val_t");
    ForwardFree(next, pointer, size, alignment);
}

void operator delete[](void* pointer, std::size_t size, std::align_val_t alignment) noexcept
{
    static const SizedAlignedDelete next = Next<SizedAlignedDelete>("_ZdaPvmSt11align_val_t");
    ForwardFree(next, pointer, size, alignment);
}

void operator delete(void* pointer, std::align_val_t alignment, const std::nothrow_t& tag) noexcept
{
    static const AlignedNothrowDelete next = Next<AlignedNothrowDelete>("_ZdlPvSt11align_val_tRKSt9nothrow_t");
    ForwardFree<AlignedNothrowDelete, std::align_val_t, const std::nothrow_t&>(next, pointer, alignment, tag);
}

void operator delete[](void* pointer, std::align_val_t alignment, const std::nothrow_t& tag) noexcept
{
    static const AlignedNothrowDelete next = Next<AlignedNothrowDelete>("_ZdaPvSt11align_val_tRKSt9nothrow_t");
    ForwardFree<AlignedNothrowDelete, std::align_val_t, const std::nothrow_t&>(next, pointer, alignment, tag);
}
