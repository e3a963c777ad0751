#include "Veltis/System/OpenDocument.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Veltis::System;

namespace {

// Records what would have been run instead of running it.
class CRecordingRunner : public IProcessRunner {
public:
    int Run(const char* const* arguments) override
    {
        m_Calls.emplace_back();
        for (const char* const* a = arguments; *a != nullptr; ++a)
            m_Calls.back().push_back(*a);
        return m_Status;
    }

    std::vector<std::vector<std::string>> m_Calls;
    int m_Status = 0;
};

class OpenDocumentTest : public testing::Test {
protected:
    void SetUp() override { m_Previous = SetDocumentOpenerRunner(&m_Runner); }
    void TearDown() override { SetDocumentOpenerRunner(m_Previous); }

    CRecordingRunner m_Runner;
    IProcessRunner* m_Previous = nullptr;
};

TEST_F(OpenDocumentTest, TextReachesTheOpenerAsOneArgument)
{
    struct Case { const char* text; const char* argument; };
    const Case kCases[] = {
        {"/tmp/a b.pdf", "/tmp/a b.pdf"},
        {"/tmp/it's \"quoted\"; rm -rf ~ $(touch x) `id` | cat > y & *", "/tmp/it's \"quoted\"; rm -rf ~ $(touch x) `id` | cat > y & *"},
        {"https://example.com/?a=1&b=2#top", "https://example.com/?a=1&b=2#top"},
        {"\"/tmp/a b.pdf\"", "/tmp/a b.pdf"},
        {"\"/tmp/half", "\"/tmp/half"},
        {"a\nb", "a\nb"},
        {"--help", "./--help"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.text);
        m_Runner.m_Calls.clear();
        EXPECT_TRUE(OpenDocument(c.text));
        ASSERT_EQ(m_Runner.m_Calls.size(), 1u);
        const std::vector<std::string> expected = {"xdg-open", c.argument};
        EXPECT_EQ(m_Runner.m_Calls[0], expected);
    }
}

TEST_F(OpenDocumentTest, ReportsTheOpenersFailureAndRunsNothingForNoText)
{
    m_Runner.m_Status = 3;
    EXPECT_FALSE(OpenDocument("/tmp/x.pdf"));
    EXPECT_EQ(m_Runner.m_Calls.size(), 1u);
    EXPECT_FALSE(OpenDocument(nullptr));
    EXPECT_FALSE(OpenDocument(""));
    EXPECT_FALSE(OpenDocument("\"\""));
    EXPECT_EQ(m_Runner.m_Calls.size(), 1u);
}

TEST_F(OpenDocumentTest, SetRunnerReturnsThePreviousOne)
{
    CRecordingRunner other;
    EXPECT_EQ(SetDocumentOpenerRunner(&other), &m_Runner);
    EXPECT_TRUE(OpenDocument("x"));
    EXPECT_EQ(other.m_Calls.size(), 1u);
    EXPECT_TRUE(m_Runner.m_Calls.empty());
    EXPECT_EQ(SetDocumentOpenerRunner(&m_Runner), &other);
}

} // namespace
