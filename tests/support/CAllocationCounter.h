#pragma once

#include <cstddef>

// Counts the operator new allocations and operator delete frees made on this thread while it lives:
// `CAllocationCounter counter; Work(); EXPECT_EQ(counter.GetCount(), 0);`. With a limit, the allocation
// past it throws std::bad_alloc, so a runaway allocation loop fails at once instead of running for ever;
// check the results after the counter went, since a failing check allocates too.
namespace VeltisTest {

class CAllocationCounter {
public:
    explicit CAllocationCounter(long limit = -1);
    ~CAllocationCounter();
    CAllocationCounter(const CAllocationCounter&) = delete;
    CAllocationCounter& operator=(const CAllocationCounter&) = delete;

    long GetCount() const { return m_Count; }
    long GetFreeCount() const { return m_Frees; }
    std::size_t GetBytes() const { return m_Bytes; }
    std::size_t GetLargest() const { return m_Largest; }
    // Whether an allocation was refused for going past the limit.
    bool IsLimitHit() const { return m_LimitHit; }

    // Called by the replaced operator new; false refuses the allocation.
    static bool Record(std::size_t size);
    // Called by the replaced operator delete for a pointer that is not null.
    static void RecordFree();

private:
    long m_Limit;
    long m_Count = 0;
    long m_Frees = 0;
    std::size_t m_Bytes = 0;
    std::size_t m_Largest = 0;
    bool m_LimitHit = false;
    CAllocationCounter* m_Outer;
};

// Hands a pointer through a barrier the optimiser cannot see into: a new whose result only meets its
// delete may otherwise be removed with it, and a test that counts them would count nothing.
template <class T>
T* Keep(T* pointer)
{
    asm volatile("" : "+r"(pointer) : : "memory");
    return pointer;
}

} // namespace VeltisTest
