#include "support/CAllocationCounter.h"

#include <dlfcn.h>

#include <new>

namespace VeltisTest {

namespace {

thread_local CAllocationCounter* t_Innermost = nullptr;
// The next operator new may call the plain one again (libstdc++'s array and nothrow forms do): count once.
thread_local bool t_Inside = false;

// Resolves the operator new that this file replaces (the sanitizer's or the C++ library's), so that
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

} // namespace VeltisTest

using VeltisTest::Forward;
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
