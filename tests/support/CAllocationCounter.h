#pragma once

// Counts calls of the global operator new made by the current thread while a counter is alive:
//   CAllocationCounter counter;  ...code under test...;  EXPECT_EQ(counter.Count(), 0);
// Linking this file replaces the global operator new and delete of the test program.
namespace VeltisTest {

class CAllocationCounter {
public:
    CAllocationCounter();
    ~CAllocationCounter();
    CAllocationCounter(const CAllocationCounter&) = delete;
    CAllocationCounter& operator=(const CAllocationCounter&) = delete;

    // Allocations since this counter was made.
    long Count() const;

private:
    long m_Start;
    bool m_WasCounting;
};

} // namespace VeltisTest
