#include "Veltis/CoreUtilities/CMemMessageLog.h"
#include "Veltis/SkinEngine/CSkinParser.h"
#include "support/SkinFiles.h"
#include "support/SkinLogMatcher.h"
#include "support/SkinTrace.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Veltis::CoreUtilities::CMemMessageLog;
using Veltis::SkinEngine::CSkinParser;
using VeltisTest::CSkinFiles;
using VeltisTest::CSkinTrace;
using VeltisTest::LoggedMessage;
using VeltisTest::LoggedMessages;

namespace {

class SkinParserTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        parser.SetRootElementName("SKIN");
        trace.Register(parser, {"SKIN", "W", "X", "Y"});
    }

    bool Parse(const std::string& text)
    {
        const std::string path = files.Write("skin.xml", text);
        return parser.ParseFile(path.c_str());
    }

    std::vector<LoggedMessage> Messages() const { return LoggedMessages(log); }

    CMemMessageLog log;
    CSkinParser parser{&log};
    CSkinTrace trace;
    CSkinFiles files;
};

} // namespace

TEST_F(SkinParserTest, PlainElementsReachTheirHandlers)
{
    EXPECT_TRUE(Parse("<?xml version=\"1.0\"?>\n<SKIN a=\"1\"><W b=\"x\"><X/></W>text<Y/></SKIN>"));
    EXPECT_EQ(trace.Text(), "<SKIN a=1><W b=x><X></X></W><Y></Y></SKIN>");
    EXPECT_EQ(Messages(), std::vector<LoggedMessage>{});
}
