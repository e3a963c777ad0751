#include "Veltis/Containers/CNamedAttributes.h"
#include "Veltis/CoreUtilities/CMemMessageLog.h"
#include "Veltis/Serialization/CMemDataObject.h"
#include "Veltis/SkinEngine/CSkinParser.h"
#include "Veltis/SkinEngine/IParsedTemplate.h"
#include "support/SkinFiles.h"
#include "support/SkinLogMatcher.h"
#include "support/SkinTrace.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using Veltis::Containers::CNamedAttributes;
using Veltis::CoreUtilities::CMemMessageLog;
using Veltis::Serialization::CMemDataObject;
using Veltis::SkinEngine::CSkinParser;
using VeltisTest::CSkinFiles;
using VeltisTest::CSkinTrace;
using VeltisTest::LoggedMessage;
using VeltisTest::LoggedMessages;

namespace {

CSkinParser::PartsList Parts(std::initializer_list<const char*> parts)
{
    CSkinParser::PartsList list;
    list.SetSize(static_cast<int>(parts.size()));
    int i = 0;
    for (const char* part : parts)
        list[i++] = part;
    return list;
}

// Gives the parser a root folder outside a parse, as a restored public state does.
void SetRootFolder(CSkinParser& parser, const std::string& folder)
{
    CMemDataObject state;
    state.WriteString("rootFilePath", folder.c_str());
    EXPECT_FALSE(parser.GetPublicState().DeSerialize(state));
    EXPECT_EQ(folder, parser.GetRootFolder());
}

std::string Take(char* path)
{
    std::unique_ptr<char[]> owned(path);
    return path ? std::string(path) : std::string("null");
}

} // namespace

TEST(CSkinParserLookups, FileAttributesAreResolvedBelowTheRootFolder)
{
    CSkinParser parser(nullptr);
    SetRootFolder(parser, "/skins/eq/");
    CNamedAttributes attributes;
    attributes.SetValue("font", "img/knob.png");
    attributes.SetValue("back", "\\img\\\\knob.png");
    attributes.SetValue("font_bold", "bold.ttf");
    struct Case {
        const char* name;
        const char* nameSuffix;
        const char* insertSuffix;
        std::string expected;
    };
    const Case kCases[] = {
        {"absent", nullptr, nullptr, "null"},
        {"font", nullptr, nullptr, "/skins/eq/img/knob.png"},
        {"back", nullptr, nullptr, "/skins/eq/img/knob.png"},
        {"font", "_bold", "_x", "/skins/eq/bold.ttf"},
        {"font", "_italic", "_i", "/skins/eq/img/knob_i.png"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.name) + (c.nameSuffix ? c.nameSuffix : ""));
        EXPECT_EQ(Take(parser.GetFileAttribute(attributes, c.name, c.nameSuffix, c.insertSuffix)), c.expected);
    }
    SetRootFolder(parser, "");
    EXPECT_EQ(Take(parser.GetFileAttribute(attributes, "back", nullptr, nullptr)), "/img/knob.png");
}

TEST(CSkinParserLookups, StateImagesFallBackToSimplerStatesWhoseFileExists)
{
    struct Case {
        const char* name;
        std::vector<std::pair<const char*, const char*>> attributes;
        std::vector<const char*> files;
        std::vector<const char*> parts;
        std::vector<const char*> suffixes;
        const char* expected;
    };
    const Case kCases[] = {
        {"nothing exists", {{"image", "k.png"}}, {}, {"image", "_pushed"}, {}, nullptr},
        {"state file first", {{"image", "k.png"}}, {"k_pushed.png", "k.png"}, {"image", "_pushed"}, {}, "k_pushed.png"},
        {"plain file last", {{"image", "k.png"}}, {"k.png"}, {"image", "_pushed"}, {}, "k.png"},
        {"full name untested", {{"image", "k.png"}, {"image_pushed", "gone.png"}}, {"k.png"}, {"image", "_pushed"}, {},
         "gone.png"},
        {"candidate order", {{"image", "a.png"}, {"image_pushed", "b.png"}}, {"a_pushed_mouse.png", "b.png"},
         {"image", "_pushed", "_mouse"}, {}, "a_pushed_mouse.png"},
        {"no dot inserts nothing", {{"image", "plain"}}, {"plain"}, {"image", "_pushed"}, {}, "plain"},
        {"mask of a state", {{"image", "k.png"}}, {"k_mask.png", "k.png"}, {"image", "_pushed"}, {"_mouse", "_mask"},
         "k_mask.png"},
        {"never without a suffix", {{"image", "k.png"}}, {"k.png", "k_pushed.png"}, {"image", "_pushed"},
         {"_mouse", "_mask"}, nullptr},
        {"full masked name", {{"image_pushed_mask", "m.png"}}, {}, {"image", "_pushed"}, {"_mask"}, "m.png"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        CSkinFiles files;
        for (const char* file : c.files)
            files.Write(file, "x");
        CSkinParser parser(nullptr);
        SetRootFolder(parser, files.Root());
        CNamedAttributes attributes;
        for (const auto& pair : c.attributes)
            attributes.SetValue(pair.first, pair.second);
        CSkinParser::PartsList parts;
        parts.SetSize(static_cast<int>(c.parts.size()));
        for (size_t i = 0; i < c.parts.size(); ++i)
            parts[static_cast<int>(i)] = c.parts[i];
        char* found;
        if (c.suffixes.empty()) {
            found = parser.GetStateFileAttribute(attributes, parts);
        } else {
            CSkinParser::PartsList suffixes;
            suffixes.SetSize(static_cast<int>(c.suffixes.size()));
            for (size_t i = 0; i < c.suffixes.size(); ++i)
                suffixes[static_cast<int>(i)] = c.suffixes[i];
            found = parser.GetStateFileAttributeWithSuffix(attributes, parts, suffixes);
        }
        EXPECT_EQ(Take(found), c.expected ? files.Root() + c.expected : std::string("null"));
    }
}

TEST(CSkinParserLookups, PartsJoinBetweenTwoIndexes)
{
    const CSkinParser::PartsList list = Parts({"a", nullptr, "c", "d"});
    struct Case {
        int first;
        int last;
        const char* expected;
    };
    const Case kCases[] = {{0, -1, "acd"}, {1, 2, "c"}, {2, 99, "cd"}, {4, -1, ""}, {3, 1, ""}};
    for (const Case& c : kCases) {
        Veltis::Core::CCharString out("old");
        CSkinParser::JoinParts(list, c.first, c.last, out);
        EXPECT_STREQ(out.GetString(), c.expected) << c.first << ".." << c.last;
    }
}

TEST(CSkinParserLookups, ExistenceAnswersAreCachedUntilCleared)
{
    CSkinFiles files;
    CSkinParser parser(nullptr);
    const std::string path = files.Path("late.png");
    EXPECT_FALSE(parser.FileExistsCached(path.c_str()));
    files.Write("late.png", "x");
    EXPECT_FALSE(parser.FileExistsCached(path.c_str()));
    files.Write("skin.xml", "<SKIN/>");
    parser.Reset();
    parser.ParseFile(files.Path("skin.xml").c_str());
    EXPECT_FALSE(parser.FileExistsCached(path.c_str()));
    parser.ClearFileCache();
    EXPECT_TRUE(parser.FileExistsCached(path.c_str()));
    EXPECT_FALSE(parser.FileExistsCached(""));
    EXPECT_FALSE(parser.FileExistsCached(nullptr));
}

TEST(CSkinParserReport, TheReportShowsWhatTheLogHolds)
{
    struct Case {
        const char* name;
        std::vector<LoggedMessage> messages;
        bool showWarnings;
        bool showInformation;
        bool shown;
        CSkinParser::EReportStyle style;
        const char* headline;
        std::string text;
        bool successAdded;
    };
    const std::vector<LoggedMessage> kAll = {{2, "i1"}, {0, "e1"}, {1, "w1"}, {0, "e2"}};
    const Case kCases[] = {
        {"errors with everything", kAll, true, true, true, CSkinParser::kReportError, "Skin Parsing Error",
         "There were errors while parsing the skin:\n- info: i1\n- error: e1\n- warning: w1\n- error: e2", false},
        {"errors only", kAll, false, false, true, CSkinParser::kReportError, "Skin Parsing Error",
         "There were errors while parsing the skin:\n- error: e1\n- error: e2", false},
        {"warnings", {{1, "w1"}, {2, "i1"}}, true, true, true, CSkinParser::kReportWarning, "Skin Parsing Warning",
         "There were warnings while parsing the skin:\n- warning: w1\n- info: i1", false},
        {"warnings not asked for", {{1, "w1"}, {2, "i1"}}, false, true, true, CSkinParser::kReportInformation,
         "Skin Parsing Info", "Information logged during skin parsing:\n- i1\n- Skin parsing successful", true},
        {"information hidden", {{2, "i1"}}, true, false, false, CSkinParser::kReportInformation, "", "", true},
        {"empty log", {}, true, true, true, CSkinParser::kReportInformation, "Skin Parsing Info",
         "Information logged during skin parsing:\n- Skin parsing successful", true},
    };
    struct CShown {
        bool called = false;
        CSkinParser::EReportStyle style = CSkinParser::kReportInformation;
        std::string headline;
        std::string text;
    };
    static CShown shown;
    const CSkinParser::ReportDisplay previous =
        CSkinParser::SetReportDisplay([](CSkinParser::EReportStyle style, const char* headline, const char* text) {
            shown.called = true;
            shown.style = style;
            shown.headline = headline;
            shown.text = text;
        });
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        CMemMessageLog log;
        for (const LoggedMessage& message : c.messages)
            log.AddMessage(message.type, message.text.c_str(), 0);
        shown = CShown();
        CSkinParser::ReportLog(log, nullptr, c.showWarnings, c.showInformation);
        EXPECT_EQ(shown.called, c.shown);
        if (c.shown) {
            EXPECT_EQ(shown.style, c.style);
            EXPECT_EQ(shown.headline, c.headline);
            EXPECT_EQ(shown.text, c.text);
        }
        std::vector<LoggedMessage> expected = c.messages;
        if (c.successAdded)
            expected.push_back({2, "Skin parsing successful"});
        EXPECT_EQ(LoggedMessages(log), expected);
    }
    CSkinParser::SetReportDisplay(previous);
}

TEST(CSkinParserPublicState, ARestoredParserReplaysRecordedContentWithWhatWasInForce)
{
    CSkinFiles files;
    files.Write("parts/part.xml", "<PART><MY/><T/></PART>");
    files.Write("skin.xml", "<SKIN><DEFINE><MY base_type=\"W\" d=\"1\"/></DEFINE><TEMPLATE id=\"T\"><Y/></TEMPLATE>"
                            "<COLLECTION><INCLUDE file=\"parts/part.xml\"/></COLLECTION></SKIN>");

    // The collection handler keeps its body and a snapshot of the parse position, as an item factory does.
    struct CCollection : CSkinParser::StartCommand {
        CSkinParser& parser;
        CMemDataObject state;
        bool written = false;
        explicit CCollection(CSkinParser& p) : parser(p) {}
        bool Execute(const Veltis::Containers::IConstNamedAttributes&) override
        {
            written = parser.GetPublicState().Serialize(state);
            parser.StartRecording(nullptr);
            return true;
        }
    };
    struct CCollectionEnd : CSkinParser::EndCommand {
        CSkinParser& parser;
        std::unique_ptr<Veltis::SkinEngine::IParsedTemplate> body;
        explicit CCollectionEnd(CSkinParser& p) : parser(p) {}
        bool Execute() override
        {
            const Veltis::Containers::IConstNamedAttributes* attributes = nullptr;
            body.reset(parser.StopRecording(attributes));
            return true;
        }
    };
    CMemMessageLog log;
    CSkinParser parser(&log);
    parser.SetRootElementName("SKIN");
    CCollection* start = new CCollection(parser);
    CCollectionEnd* end = new CCollectionEnd(parser);
    parser.SetStartElementHandler("COLLECTION", start);
    parser.SetEndElementHandler("COLLECTION", end);
    CSkinTrace first;
    first.Register(parser, {"SKIN", "W", "Y"});
    ASSERT_TRUE(parser.ParseFile(files.Path("skin.xml").c_str()));
    EXPECT_TRUE(start->written);
    ASSERT_NE(end->body, nullptr);
    EXPECT_EQ(first.Text(), "<SKIN></SKIN>");
    EXPECT_STREQ(parser.GetRootFolder(), "");

    char* rootFolder = nullptr;
    ASSERT_TRUE(start->state.ReadString("rootFilePath", rootFolder));
    EXPECT_EQ(Take(rootFolder), files.Root());

    CMemMessageLog replayLog;
    CSkinParser restored(&replayLog);
    CSkinTrace trace;
    trace.Register(restored, {"W", "Y"});
    EXPECT_TRUE(restored.GetPublicState().DeSerialize(start->state));
    EXPECT_EQ(end->body->Instantiate(CNamedAttributes(), restored), nullptr);
    EXPECT_EQ(trace.Text(), "<W base_type=W d=1></W><Y></Y>");
    EXPECT_EQ(LoggedMessages(replayLog), (std::vector<LoggedMessage>{{2, "Skipping 'PART': unknown tag"}}));

    CMemDataObject empty;
    CSkinParser other(nullptr);
    EXPECT_FALSE(other.GetPublicState().DeSerialize(empty));
}
