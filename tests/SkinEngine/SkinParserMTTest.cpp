#include "Veltis/CoreUtilities/CMemMessageLog.h"
#include "Veltis/SkinEngine/CSkinParser.h"
#include "support/BoundedWait.h"
#include "support/DecimalCommaLocale.h"
#include "support/SkinFiles.h"
#include "support/SkinTrace.h"

#include <gtest/gtest.h>

#include <atomic>
#include <clocale>
#include <cstdlib>
#include <string>
#include <thread>

using Veltis::SkinEngine::CSkinParser;

namespace {

// Reads the number of attribute "v" with the C library, as widget and model handlers do.
class CNumberReader : public CSkinParser::StartCommand {
public:
    explicit CNumberReader(std::atomic<int>& wrong) : m_Wrong(wrong) {}
    bool Execute(const Veltis::Containers::IConstNamedAttributes& attributes) override
    {
        if (std::strtod(attributes.GetValue("v"), nullptr) != 0.5)
            ++m_Wrong;
        return true;
    }

private:
    std::atomic<int>& m_Wrong;
};

} // namespace

TEST(SkinParserThreads, TwoThreadsParseAtOnceAndEachReadsNumbersInTheCLocale)
{
    VeltisTest::CDecimalCommaLocale comma;
    if (!comma.IsActive())
        GTEST_SKIP() << "no locale with a decimal comma";
    VeltisTest::CSkinFiles files;
    const std::string skin = files.Write(
        "skin.xml", "<SKIN><VARIABLE id=\"h\" formula=\"1/2\"/><REPEAT count=\"20\"><N v=\"$h$\"/></REPEAT></SKIN>");
    const std::string model = files.Write(
        "model.xml", "<MODEL><TEMPLATE id=\"T\"><N v=\"0.5\"/></TEMPLATE><REPEAT count=\"20\"><T/></REPEAT></MODEL>");

    VeltisTest::CRaisedFlag go;
    VeltisTest::CRaisedFlag done[2];
    std::atomic<int> failedParses{0};
    std::atomic<int> wrongNumbers{0};
    const auto run = [&](const std::string& path, const char* root, int index) {
        Veltis::CoreUtilities::CMemMessageLog log;
        CSkinParser parser(&log);
        if (go.Wait(VeltisTest::kWaitMs)) {
            for (int i = 0; i < 50; ++i) {
                parser.Reset();
                parser.SetRootElementName(root);
                parser.SetStartElementHandler("N", new CNumberReader(wrongNumbers));
                if (!parser.ParseFile(path.c_str()))
                    ++failedParses;
            }
        }
        done[index].Raise();
    };
    std::thread first(run, skin, "SKIN", 0);
    std::thread second(run, model, "MODEL", 1);
    go.Raise();
    // A hundred parses under a sanitizer on a loaded machine take longer than the usual bound.
    const int kParsesMs = 100000;
    const bool finished = VeltisTest::WaitFor(done[0], "the skin thread", kParsesMs) &&
                          VeltisTest::WaitFor(done[1], "the model thread", kParsesMs);
    first.join();
    second.join();
    ASSERT_TRUE(finished);
    EXPECT_EQ(failedParses.load(), 0);
    EXPECT_EQ(wrongNumbers.load(), 0);
    EXPECT_STREQ(std::localeconv()->decimal_point, ",");
}
