#include "Veltis/CoreUtilities/CMemMessageLog.h"
#include "Veltis/SkinEngine/CSkinParser.h"
#include "Veltis/SkinEngine/IParsedTemplate.h"
#include "support/DecimalCommaLocale.h"
#include "support/SkinFiles.h"
#include "support/SkinLogMatcher.h"
#include "support/SkinTrace.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <memory>

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

TEST_F(SkinParserTest, RootChecksRefuseTheElementButReadItsChildren)
{
    struct Case {
        const char* name;
        const char* root;
        const char* skin;
        bool result;
        const char* trace;
        std::vector<LoggedMessage> messages;
    };
    const Case kCases[] = {
        {"wrong document element", "SKIN", "<MODEL><W/></MODEL>", false, "<W></W>",
         {{0, "Invalid file: root element must be 'SKIN'"}}},
        // The refused element's end handler does not run either.
        {"root name used again", "SKIN", "<SKIN><SKIN><W/></SKIN></SKIN>", false, "<SKIN><W></W></SKIN>",
         {{0, "Invalid file: 'SKIN' is reserved for root element"}}},
        {"no root check", "", "<W><SKIN/></W>", true, "<W><SKIN></SKIN></W>", {}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        log.Clear();
        trace.ClearEvents();
        parser.SetRootElementName(c.root);
        EXPECT_EQ(Parse(c.skin), c.result);
        EXPECT_EQ(trace.Text(), c.trace);
        EXPECT_EQ(Messages(), c.messages);
    }
}

TEST_F(SkinParserTest, IncludedDocumentElementMustNotCarryTheRootName)
{
    files.Write("part.xml", "<SKIN><W/></SKIN>");
    EXPECT_FALSE(Parse("<SKIN><INCLUDE file=\"part.xml\"/></SKIN>"));
    EXPECT_EQ(trace.Text(), "<SKIN><W></W></SKIN>");
    EXPECT_EQ(Messages(), (std::vector<LoggedMessage>{{0, "Invalid file: 'SKIN' is reserved for root element"}}));
}

TEST_F(SkinParserTest, UnknownTagsAreSkippedWithInformationAndTheirChildrenRead)
{
    EXPECT_TRUE(Parse("<SKIN><UNKNOWN><W/></UNKNOWN></SKIN>"));
    EXPECT_EQ(trace.Text(), "<SKIN><W></W></SKIN>");
    EXPECT_EQ(Messages(), (std::vector<LoggedMessage>{{2, "Skipping 'UNKNOWN': unknown tag"}}));
}

TEST_F(SkinParserTest, AFailingHandlerFailsTheParseButTheReadingGoesOn)
{
    trace.Fail("X");
    EXPECT_FALSE(Parse("<SKIN><X/><W/></SKIN>"));
    EXPECT_EQ(trace.Text(), "<SKIN><X></X><W></W></SKIN>");
}

TEST_F(SkinParserTest, HandlersAreReplacedAndResetLeavesOnlyTheDirectives)
{
    CSkinTrace other;
    other.Register(parser, {"W"});
    EXPECT_TRUE(Parse("<SKIN><W/></SKIN>"));
    EXPECT_EQ(other.Text(), "<W></W>");
    EXPECT_EQ(trace.Text(), "<SKIN></SKIN>");

    parser.Reset();
    trace.ClearEvents();
    log.Clear();
    EXPECT_TRUE(Parse("<SKIN><VARIABLE id=\"v\" value=\"1\"/><W/></SKIN>"));
    EXPECT_EQ(trace.Text(), "");
    EXPECT_EQ(Messages(), (std::vector<LoggedMessage>{{2, "Skipping 'SKIN': unknown tag"},
                                                      {2, "Skipping 'W': unknown tag"}}));
    EXPECT_FALSE(parser.SetStartElementHandler(nullptr, nullptr));
}

TEST_F(SkinParserTest, ReservedTagsCannotBeDefinedAndTheRefusedEndIsSkipped)
{
    // Running the end handler of the refused inner DEFINE would leave DEFINE mode before MYW is defined.
    EXPECT_FALSE(Parse("<SKIN><DEFINE><DEFINE/><MYW base_type=\"W\" k=\"1\"/><VARIABLE/></DEFINE><MYW/></SKIN>"));
    EXPECT_EQ(trace.Text(), "<SKIN><W base_type=W k=1></W></SKIN>");
    const std::string kReserved =
        ": you cannot redefine reserved elements. Please choose another name for your definition";
    EXPECT_EQ(Messages(), (std::vector<LoggedMessage>{{0, "DEFINE" + kReserved}, {0, "VARIABLE" + kReserved}}));
}

TEST_F(SkinParserTest, DefinedElementsExpandThroughChainsAndEndOnce)
{
    EXPECT_TRUE(Parse("<SKIN><VARIABLE id=\"v\" value=\"7\"/>"
                      "<DEFINE><A base_type=\"B\" a=\"A\" s=\"$v$\"/><B base_type=\"W\" a=\"B\" b=\"B\"/></DEFINE>"
                      "<A own=\"1\" a=\"mine\"><X/></A>"
                      "<UNDEFINE><A/></UNDEFINE><A/></SKIN>"));
    EXPECT_EQ(trace.Text(), "<SKIN><W a=mine b=B base_type=B own=1 s=7><X></X></W></SKIN>");
    EXPECT_EQ(Messages(), (std::vector<LoggedMessage>{{2, "Skipping 'A': unknown tag"}}));
}

TEST_F(SkinParserTest, ADefinitionCycleRefusesTheElement)
{
    EXPECT_FALSE(Parse("<SKIN><DEFINE><A base_type=\"B\"/><B base_type=\"A\"/></DEFINE><A><W/></A></SKIN>"));
    EXPECT_EQ(trace.Text(), "<SKIN><W></W></SKIN>");
    EXPECT_EQ(Messages(), (std::vector<LoggedMessage>{{0, "A: its definitions lead back to 'A', element refused"}}));
}

TEST_F(SkinParserTest, ModesDecideInTheirOrder)
{
    // REPEAT records a DEFINE body that runs per iteration; a TEMPLATE element inside DEFINE is reserved.
    EXPECT_FALSE(Parse("<SKIN><REPEAT count=\"2\"><DEFINE><D base_type=\"W\" i=\"$index$\"/></DEFINE><D/></REPEAT>"
                       "<DEFINE><TEMPLATE id=\"t\"/></DEFINE></SKIN>"));
    EXPECT_EQ(trace.Text(), "<SKIN><W base_type=W i=0></W><W base_type=W i=1></W></SKIN>");
    EXPECT_EQ(Messages(),
              (std::vector<LoggedMessage>{
                  {1, "D: this element has already been defined. The new definition overrides the previous one."},
                  {0, "TEMPLATE: you cannot redefine reserved elements. Please choose another name for your "
                      "definition"}}));
}

TEST_F(SkinParserTest, TemplatesReplayAroundTheInstanceContent)
{
    EXPECT_TRUE(Parse("<SKIN><TEMPLATE id=\"T\" p=\"def\"><W p=\"$p$\" i=\"$id$\"><TEMPLATE_INNER_CONTENT/></W><Y/>"
                      "</TEMPLATE><T id=\"one\"><X/></T><T p=\"given\"/></SKIN>"));
    EXPECT_EQ(trace.Text(), "<SKIN><W i=one p=def><X></X></W><Y></Y><W i=$id$ p=given></W><Y></Y></SKIN>");
    EXPECT_EQ(Messages(), std::vector<LoggedMessage>{});
}

TEST_F(SkinParserTest, TemplateRecursionStopsAfter256NestedReplays)
{
    EXPECT_FALSE(Parse("<SKIN><TEMPLATE id=\"T\"><W/><T/></TEMPLATE><T/></SKIN>"));
    int replays = 0;
    for (const std::string& event : trace.Events())
        replays += event == "<W>";
    EXPECT_EQ(replays, 256);
    EXPECT_EQ(Messages(), (std::vector<LoggedMessage>{
                              {1, "Recursion detected: 'T has been recursively instantiated more than 256 times."}}));
}

TEST_F(SkinParserTest, VariablesAreSubstitutedUnderTheFrameworkRule)
{
    struct Case {
        const char* value;
        const char* expected;
    };
    const Case kCases[] = {
        {"$A$$B$", "12"}, {"$A$B$", "12"}, {"x$A", "x$A"}, {"$$", "$$"}, {"$unknown$A$", "$unknown1"},
        {"Price $5 and $A$", "Price $5 and 1"}, {"$C$", "$A$"}, {"plain", "plain"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.value);
        trace.ClearEvents();
        parser.SetVariable("A", "1");
        parser.SetVariable("B", "2");
        parser.SetVariable("C", "$A$");
        EXPECT_TRUE(Parse(std::string("<SKIN><W v=\"") + c.value + "\"/></SKIN>"));
        EXPECT_EQ(trace.Text(), std::string("<SKIN><W v=") + c.expected + "></W></SKIN>");
    }
}

TEST_F(SkinParserTest, DirectivesBehaveAsTheLanguageSays)
{
    struct Case {
        const char* name;
        const char* body;
        bool result;
        const char* trace;
        std::vector<LoggedMessage> messages;
    };
    files.Write("inc.xml", "<PART><W from=\"inc\"/></PART>");
    const LoggedMessage kPartSkipped{2, "Skipping 'PART': unknown tag"};
    const Case kCases[] = {
        {"repeat count and start", "<REPEAT count=\"3\" start=\"5\"><W i=\"$index$\"/></REPEAT>", true,
         "<W i=5></W><W i=6></W><W i=7></W>", {}},
        {"repeat index list keeps empty pieces", "<REPEAT index_list=\"a;;b\" index_name=\"k\"><W i=\"$k$\"/></REPEAT>",
         true, "<W i=a></W><W i=></W><W i=b></W>", {}},
        {"repeat trailing separator", "<REPEAT index_list=\"x;\"><W i=\"$index$\"/></REPEAT>", true,
         "<W i=x></W><W i=></W>", {}},
        {"repeat index list overrides count", "<REPEAT count=\"4\" index_list=\"q\"><W i=\"$index$\"/></REPEAT>", true,
         "<W i=q></W>", {{1, "REPEAT: index_list attribute overrides count attribute"}}},
        {"repeat count as formula", "<REPEAT count=\"2.9\"><W/></REPEAT><REPEAT count=\"2*3\"><X/></REPEAT>", true,
         "<W></W><W></W><X></X><X></X><X></X><X></X><X></X><X></X>", {}},
        {"repeat invalid count", "\n<REPEAT count=\"12xyz\"><W/></REPEAT>", false, "",
         {{0, "Line 2:'12xyz' is an invalid formula."}}},
        {"repeat start saturates and never overflows",
         "<REPEAT count=\"2\" start=\"99999999999\"><W i=\"$index$\"/></REPEAT>", true,
         "<W i=2147483647></W><W i=2147483648></W>", {}},
        {"nested repeats with their own index names",
         "<REPEAT count=\"2\" index_name=\"o\"><REPEAT count=\"2\" index_name=\"n\"><W i=\"$o$$n$\"/></REPEAT></REPEAT>",
         true, "<W i=00></W><W i=01></W><W i=10></W><W i=11></W>", {}},
        {"variable formulas",
         "<VARIABLE id=\"a\" formula=\"6/2\"/><VARIABLE id=\"b\" formula=\"1/3\"/><VARIABLE id=\"c\" formula=\"1/10\"/>"
         "<VARIABLE id=\"d\" formula=\"100000*100000\"/><VARIABLE id=\"e\" formula=\"3/2\"/><W v=\"$a$ $b$ $c$ $d$ $e$\"/>",
         true, "<W v=3 0.33333334327 0.10000000149 10000000000 1.5></W>", {}},
        {"variable formula wins over value", "<VARIABLE id=\"a\" value=\"v\" formula=\"2\"/><W v=\"$a$\"/>", true,
         "<W v=2></W>", {}},
        {"variable invalid formulas", "<VARIABLE id=\"a\" formula=\"\"/><VARIABLE id=\"b\" formula=\"1/0\"/><W v=\"$a$\"/>",
         false, "<W v=$a$></W>",
         {{0, "a:'' is an invalid formula."}, {0, "b:'1/0' is an invalid formula."}}},
        {"variable without value", "<VARIABLE id=\"a\"/><W v=\"[$a$]\"/>", true, "<W v=[]></W>", {}},
        {"variable without id", "<VARIABLE value=\"1\"/><VARIABLE id=\"\"/>", false, "",
         {{0, "mandatory id for VARIABLE attribute empty or missing"},
          {0, "mandatory id for VARIABLE attribute empty or missing"}}},
        {"variable redefined", "<VARIABLE id=\"a\" value=\"1\"/><VARIABLE id=\"a\" value=\"2\"/>"
         "<VARIABLE id=\"a\" value=\"3\" override=\"true\"/><W v=\"$a$\"/>", true, "<W v=3></W>",
         {{1, "a variable already in use. New definition will overwrite previous one."}}},
        {"local variable scope",
         "<X><LOCAL_VARIABLE id=\"l\" value=\"in\"/><W v=\"$l$\"/></X><W v=\"$l$\"/>", true,
         "<X><W v=in></W></X><W v=$l$></W>", {}},
        {"local variable over an existing one stays",
         "<VARIABLE id=\"g\" value=\"out\"/><X><LOCAL_VARIABLE id=\"g\" value=\"in\"/></X><W v=\"$g$\"/>", true,
         "<X></X><W v=in></W>", {{1, "g variable already in use. New definition will overwrite previous one."}}},
        {"local variable in a repeat lives one iteration",
         "<REPEAT count=\"2\"><W v=\"[$l$]\"/><LOCAL_VARIABLE id=\"l\" value=\"$index$\"/></REPEAT><W v=\"[$l$]\"/>",
         true, "<W v=[$l$]></W><W v=[$l$]></W><W v=[$l$]></W>", {}},
        {"include once", "<INCLUDE_ONCE file=\"inc.xml\"/><INCLUDE_ONCE file=\"inc.xml\"/><INCLUDE file=\"inc.xml\"/>",
         true, "<W from=inc></W><W from=inc></W>", {kPartSkipped, kPartSkipped}},
        {"include without file", "<INCLUDE/>", false, "", {{0, ": file does not exist"}}},
        {"script", "<SCRIPT src=\"a.js\"/><SCRIPT/>", false, "",
         {{1, "SCRIPT: current engine does not supports scripts."}, {0, "SCRIPT: missing mandatory src attribute."}}},
        {"template without id", "<TEMPLATE p=\"1\"><W/></TEMPLATE><X/>", false, "<X></X>",
         {{0, "id attribute missing in template definition."}}},
        {"template defined twice", "<TEMPLATE id=\"T\"><W/></TEMPLATE><TEMPLATE id=\"T\"><X/></TEMPLATE><T/>", false,
         "<W></W>", {{0, "'T': template already defined."}}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        log.Clear();
        trace.ClearEvents();
        EXPECT_EQ(Parse(std::string("<SKIN>") + c.body + "</SKIN>"), c.result);
        EXPECT_EQ(trace.Text(), std::string("<SKIN>") + c.trace + "</SKIN>");
        EXPECT_EQ(Messages(), c.messages);
    }
}

TEST_F(SkinParserTest, RecordingKeepsTheExpandedElementsAndRunsDirectivesOnlyOnReplay)
{
    struct CRecorder : CSkinParser::StartCommand, CSkinParser::EndCommand {
        CSkinParser& parser;
        std::unique_ptr<Veltis::SkinEngine::IParsedTemplate> body;
        Veltis::Containers::CNamedAttributes kept;
        const Veltis::Containers::IConstNamedAttributes* returned = nullptr;
        explicit CRecorder(CSkinParser& p) : parser(p) {}
        bool Execute(const Veltis::Containers::IConstNamedAttributes&) override
        {
            parser.StartRecording(&kept);
            parser.StartRecording(nullptr);
            return true;
        }
        bool Execute() override
        {
            body.reset(parser.StopRecording(returned));
            return true;
        }
    };
    CRecorder* recorder = new CRecorder(parser);
    parser.SetStartElementHandler("COLLECTION", recorder);
    struct CEndForward : CSkinParser::EndCommand {
        CRecorder& target;
        explicit CEndForward(CRecorder& r) : target(r) {}
        bool Execute() override { return target.Execute(); }
    };
    parser.SetEndElementHandler("COLLECTION", new CEndForward(*recorder));

    EXPECT_TRUE(Parse("<SKIN><VARIABLE id=\"v\" value=\"1\"/><DEFINE><MY base_type=\"W\" d=\"$v$\"/></DEFINE>"
                      "<TEMPLATE id=\"T\"><Y t=\"$p$\"/></TEMPLATE>"
                      "<COLLECTION><MY/><T p=\"2\"/><VARIABLE id=\"r\" value=\"set\"/><X r=\"[$r$]\"/></COLLECTION>"
                      "<W r=\"[$r$]\"/></SKIN>"));
    EXPECT_EQ(trace.Text(), "<SKIN><W r=[$r$]></W></SKIN>");
    ASSERT_NE(recorder->body, nullptr);
    EXPECT_EQ(recorder->returned, &recorder->kept);

    CSkinTrace replay;
    EXPECT_EQ(recorder->body->Instantiate(Veltis::Containers::CNamedAttributes(), replay), nullptr);
    EXPECT_EQ(replay.Text(), "<W base_type=W d=1></W><Y t=2></Y><VARIABLE id=r value=set></VARIABLE><X r=[$r$]></X>");

    const Veltis::Containers::IConstNamedAttributes* none = &recorder->kept;
    EXPECT_EQ(parser.StopRecording(none), nullptr);
    EXPECT_EQ(none, nullptr);
}

TEST_F(SkinParserTest, MissingFilesAndXmlErrorsAreLoggedWithTheirPathBelowTheRoot)
{
    EXPECT_FALSE(parser.ParseFile(files.Path("absent.xml").c_str()));
    EXPECT_EQ(Messages(), (std::vector<LoggedMessage>{{0, files.Path("absent.xml") + ": file does not exist"}}));

    log.Clear();
    files.Write("parts/bad.xml", "<PART>\n\n\n\n\n\n\n\n\n\n\n<W></X></PART>");
    EXPECT_FALSE(Parse("<SKIN><INCLUDE file=\"parts/missing.xml\"/><INCLUDE file=\"parts\\bad.xml\"/><W/></SKIN>"));
    const std::vector<LoggedMessage> messages = Messages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0], (LoggedMessage{0, files.Path("parts/missing.xml") + ": file does not exist"}));
    EXPECT_EQ(messages[1], (LoggedMessage{2, "Skipping 'PART': unknown tag"}));
    EXPECT_EQ(messages[2].type, 0);
    EXPECT_EQ(messages[2].text.rfind("Fatal error line 12: ", 0), 0u) << messages[2].text;
    EXPECT_EQ(messages[2].text.substr(messages[2].text.size() - 16), " (parts/bad.xml)");
    // The including file goes on after the broken one, whose open elements never end.
    EXPECT_EQ(trace.Text(), "<SKIN><W><W></W></SKIN>");
}

TEST_F(SkinParserTest, NumbersReadTheSameUnderADecimalCommaLocaleWhichStays)
{
    VeltisTest::CDecimalCommaLocale comma;
    if (!comma.IsActive())
        GTEST_SKIP() << "no locale with a decimal comma";
    struct CNumberReader : CSkinParser::StartCommand {
        double read = 0.0;
        bool Execute(const Veltis::Containers::IConstNamedAttributes& attributes) override
        {
            read = std::strtod(attributes.GetValue("v"), nullptr);
            return true;
        }
    };
    CNumberReader* reader = new CNumberReader();
    parser.SetStartElementHandler("N", reader);
    EXPECT_TRUE(Parse("<SKIN><VARIABLE id=\"h\" formula=\"1/2\"/><N v=\"$h$\"/></SKIN>"));
    EXPECT_EQ(reader->read, 0.5);
    EXPECT_STREQ(std::localeconv()->decimal_point, ",");
}

TEST_F(SkinParserTest, UntrustedSkinsAreBounded)
{
    std::string deep;
    for (int i = 0; i < 1100; ++i)
        deep += "<X>";
    for (int i = 0; i < 1100; ++i)
        deep += "</X>";
    files.Write("self.xml", "<PART><W/><INCLUDE file=\"self.xml\"/></PART>");
    for (int i = 0; i < 20; ++i)
        files.Write("chain" + std::to_string(i) + ".xml",
                    "<PART><INCLUDE file=\"chain" + std::to_string(i + 1) + ".xml\"/></PART>");
    files.Write("chain20.xml", "<PART/>");

    struct Case {
        const char* name;
        std::string body;
        std::string message;
    };
    const Case kCases[] = {
        {"a file including itself", "<INCLUDE file=\"self.xml\"/>",
         files.Path("self.xml") + ": file is already being read, it cannot include itself"},
        {"includes nested too deep", "<INCLUDE file=\"chain0.xml\"/>",
         files.Path("chain15.xml") + ": includes are nested more than 16 files deep"},
        {"a body instantiating itself twice per level", "<TEMPLATE id=\"T\"><T/><T/></TEMPLATE><T/>",
         "Skin too large: more than 20000 elements handled in one parse"},
        {"a billion repeats", "<REPEAT count=\"1000000000\"><W/></REPEAT>",
         "Skin too large: more than 20000 elements handled in one parse"},
        {"empty repeats past the int range", "<REPEAT count=\"99999999999\"></REPEAT>",
         "Skin too large: more than 20000 elements handled in one parse"},
        {"elements nested too deep", deep, "Skin too deep: more than 1024 elements open at once"},
        {"attribute text doubling",
         "<VARIABLE id=\"v\" value=\"0123456789abcdef\"/>"
         "<REPEAT count=\"16\"><VARIABLE id=\"v\" override=\"true\" value=\"$v$$v$\"/></REPEAT>"
         "<REPEAT count=\"20\"><W a=\"$v$\" b=\"$v$\" c=\"$v$\"/></REPEAT>",
         "Skin too large: more than 8388608 bytes of attribute text in one parse"},
    };
    // Smaller budgets than a product parse has, so that the test reaches them quickly.
    CSkinParser::CLimits limits = parser.GetLimits();
    limits.maxElements = 20000;
    limits.maxAttributeBytes = 8 * 1024 * 1024;
    parser.SetLimits(limits);
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        log.Clear();
        EXPECT_FALSE(Parse("<SKIN>" + c.body + "</SKIN>"));
        int errors = 0;
        bool found = false;
        for (const LoggedMessage& message : Messages()) {
            errors += message.type == 0;
            found = found || message == LoggedMessage{0, c.message};
        }
        EXPECT_TRUE(found) << c.message;
        EXPECT_EQ(errors, 1);
    }
}

TEST_F(SkinParserTest, AFileThatStopsInsideATemplateInstanceLeavesNothingForTheNextParse)
{
    EXPECT_FALSE(Parse("<SKIN><TEMPLATE id=\"T\"><W><TEMPLATE_INNER_CONTENT/></W><Y/></TEMPLATE><T><X/>"));
    EXPECT_EQ(trace.Text(), "<SKIN><W><X></X>");
    trace.ClearEvents();
    log.Clear();
    EXPECT_TRUE(Parse("<SKIN><TEMPLATE id=\"T\"><Y/><TEMPLATE_INNER_CONTENT/></TEMPLATE><T><X/></T></SKIN>"));
    EXPECT_EQ(trace.Text(), "<SKIN><Y></Y><X></X></SKIN>");
    EXPECT_EQ(Messages(), std::vector<LoggedMessage>{});
}

TEST_F(SkinParserTest, NestedTemplatesCloseInTheirOwnOrder)
{
    // U's placeholder holds T's placeholder: the file's content lands inside both, and each end closes
    // what its own replay left open.
    EXPECT_TRUE(Parse("<SKIN><TEMPLATE id=\"U\"><X><TEMPLATE_INNER_CONTENT/></X></TEMPLATE>"
                      "<TEMPLATE id=\"T\"><U><Y><TEMPLATE_INNER_CONTENT/></Y></U><W/></TEMPLATE>"
                      "<T><W k=\"in\"/></T></SKIN>"));
    EXPECT_EQ(trace.Text(), "<SKIN><X><Y><W k=in></W></Y></X><W></W></SKIN>");
}

TEST_F(SkinParserTest, XmlEntitiesAreBoundedAndNothingExternalIsRead)
{
    files.Write("secret.txt", "TOPSECRET");
    struct Case {
        const char* name;
        std::string document;
        bool result;
        const char* trace;
        const char* error;
    };
    const Case kCases[] = {
        {"external entity",
         "<!DOCTYPE SKIN [<!ENTITY e SYSTEM \"" + files.Path("secret.txt") + "\">]><SKIN><W>&e;</W></SKIN>", false,
         "<SKIN><W>", "unable to open external entity"},
        {"network DTD", "<!DOCTYPE SKIN SYSTEM \"http://127.0.0.1:9/skin.dtd\"><SKIN><W/></SKIN>", true,
         "<SKIN><W></W></SKIN>", nullptr},
        {"nested entities",
         "<!DOCTYPE SKIN [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
         "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">]>"
         "<SKIN><W v=\"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\"/></SKIN>",
         false, "<SKIN>", "entity expansions"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        log.Clear();
        trace.ClearEvents();
        EXPECT_EQ(Parse(c.document), c.result);
        EXPECT_EQ(trace.Text(), c.trace);
        const std::vector<LoggedMessage> messages = Messages();
        ASSERT_EQ(messages.size(), c.error ? 1u : 0u);
        if (c.error) {
            EXPECT_EQ(messages[0].text.rfind("Fatal error line 1: ", 0), 0u) << messages[0].text;
            EXPECT_NE(messages[0].text.find(c.error), std::string::npos) << messages[0].text;
        }
    }
}
