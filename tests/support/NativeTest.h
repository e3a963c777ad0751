#pragma once

#include "Native/Harness.h"

#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

namespace VeltisTest {

// Every native test runs between Reset and CheckClean, with every toolkit report failing the test, on
// the virtual clock, with a perform that waits more than 10 s of real time failing the test.
class NativeTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// Collects the toolkit's reports instead of failing the test, for as long as it lives.
class RecordedReports {
public:
    RecordedReports();
    ~RecordedReports();
    RecordedReports(const RecordedReports&) = delete;
    RecordedReports& operator=(const RecordedReports&) = delete;

    std::vector<std::string> Take();
    // Whether one report so far contains the text.
    bool Contains(const std::string& text) const;

private:
    mutable std::mutex m_Lock;
    std::vector<std::string> m_Reports;
};

} // namespace VeltisTest
