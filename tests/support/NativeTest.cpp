#include "support/NativeTest.h"

#include "Native/CoreFoundation.h"

namespace VeltisTest {

namespace {

void FailTest(const std::string& message)
{
    ADD_FAILURE() << "native toolkit: " << message;
}

// Process-wide objects made on first use are made before the first Reset, so no test counts them.
class NativeEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        Native::NSApplicationLoad();
        Native::NSThread::currentThread();
        Native::CFBooleanGetValue(Native::kCFBooleanTrue);
    }
};

::testing::Environment* const kEnvironment = ::testing::AddGlobalTestEnvironment(new NativeEnvironment);

} // namespace

void NativeTest::SetUp()
{
    Native::Harness::SetPolicy(Native::Harness::EPolicy::Strict);
    Native::Harness::SetFailureHandler(&FailTest);
    Native::Harness::UseVirtualClock(true);
    Native::Harness::SetWatchdog(10.0);
    Native::Harness::Reset();
}

void NativeTest::TearDown()
{
    Native::Harness::CheckClean();
    Native::Harness::SetFailureHandler(&FailTest);
}

RecordedReports::RecordedReports()
{
    Native::Harness::SetFailureHandler([this](const std::string& message) {
        std::lock_guard<std::mutex> guard(m_Lock);
        m_Reports.push_back(message);
    });
}

RecordedReports::~RecordedReports()
{
    Native::Harness::SetFailureHandler(&FailTest);
}

std::vector<std::string> RecordedReports::Take()
{
    std::lock_guard<std::mutex> guard(m_Lock);
    std::vector<std::string> reports;
    reports.swap(m_Reports);
    return reports;
}

bool RecordedReports::Contains(const std::string& text) const
{
    std::lock_guard<std::mutex> guard(m_Lock);
    for (const std::string& report : m_Reports)
        if (report.find(text) != std::string::npos)
            return true;
    return false;
}

} // namespace VeltisTest
