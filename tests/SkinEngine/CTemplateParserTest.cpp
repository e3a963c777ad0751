#include "Veltis/Containers/CNamedAttributes.h"
#include "Veltis/CoreUtilities/CMemMessageLog.h"
#include "Veltis/Serialization/CMemDataObject.h"
#include "Veltis/SkinEngine/CTemplateParser.h"
#include "Veltis/SkinEngine/CTemplateRootNode.h"
#include "Veltis/SkinEngine/IParsedTemplateInstance.h"
#include "support/SkinLogMatcher.h"
#include "support/SkinTrace.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

using Veltis::Containers::CNamedAttributes;
using Veltis::CoreUtilities::CMemMessageLog;
using Veltis::SkinEngine::CTemplateNode;
using Veltis::SkinEngine::CTemplateParser;
using Veltis::SkinEngine::CTemplateRootNode;
using Veltis::SkinEngine::IParsedTemplate;
using Veltis::SkinEngine::IParsedTemplateInstance;
using VeltisTest::CSkinTrace;
using VeltisTest::LoggedMessage;
using VeltisTest::LoggedMessages;

namespace {

// "A x=1 y=2" as an attribute set (the tag is skipped).
CNamedAttributes Attributes(const std::string& element)
{
    CNamedAttributes attributes;
    std::istringstream words(element);
    std::string word;
    words >> word;
    while (words >> word) {
        const size_t equals = word.find('=');
        attributes.SetValue(word.substr(0, equals).c_str(), word.substr(equals + 1).c_str());
    }
    return attributes;
}

// Feeds a recorder: "A x=1" starts A, "/A" ends it.
void Record(CTemplateParser& recorder, const std::vector<std::string>& events)
{
    for (const std::string& event : events) {
        if (event[0] == '/') {
            recorder.RecordEndElement(event.c_str() + 1);
        } else {
            const std::string tag = event.substr(0, event.find(' '));
            recorder.RecordStartElement(tag.c_str(), Attributes(event));
        }
    }
}

void Define(CTemplateParser& recorder, const std::string& templateElement, const std::vector<std::string>& body)
{
    EXPECT_TRUE(recorder.StartTemplate(Attributes(templateElement)));
    Record(recorder, body);
    recorder.EndTemplate();
}

} // namespace

TEST(CTemplateParser, ReplayStopsAtThePlaceholderAndContinueClosesWhatWasLeftOpen)
{
    CMemMessageLog log;
    CTemplateParser recorder("TEMPLATE", "TEMPLATE_INNER_CONTENT", &log);
    Define(recorder, "TEMPLATE id=T p=1 q=d",
           {"A x=$p$ y=$q$ z=$id$ w=$none$", "B", "/B", "TEMPLATE_INNER_CONTENT", "/TEMPLATE_INNER_CONTENT", "C", "/C",
            "/A", "D", "/D"});
    IParsedTemplate* found = recorder.GetTemplates().Find("T");
    ASSERT_NE(found, nullptr);

    CSkinTrace trace;
    std::unique_ptr<IParsedTemplateInstance> pending(found->Instantiate(Attributes("T p=2 id=i1"), trace));
    ASSERT_NE(pending, nullptr);
    EXPECT_EQ(trace.Text(), "<A w=$none$ x=2 y=d z=i1><B></B>");
    EXPECT_EQ(found->GetInstancesCount(), 0);

    trace.ClearEvents();
    EXPECT_TRUE(pending->Continue());
    EXPECT_EQ(trace.Text(), "<C></C></A><D></D>");
    EXPECT_TRUE(LoggedMessages(log).empty());
}

TEST(CTemplateParser, TemplateWithoutPlaceholderIsReplayedWhole)
{
    CTemplateParser recorder("TEMPLATE", "TEMPLATE_INNER_CONTENT", nullptr);
    Define(recorder, "TEMPLATE id=T", {"A", "B", "/B", "/A"});
    CSkinTrace trace;
    EXPECT_EQ(recorder.GetTemplates().Find("T")->Instantiate(CNamedAttributes(), trace), nullptr);
    EXPECT_EQ(trace.Text(), "<A><B></B></A>");
}

TEST(CTemplateParser, ReplayCountsRunningInstancesOfTheTemplate)
{
    CTemplateParser recorder("TEMPLATE", "TEMPLATE_INNER_CONTENT", nullptr);
    Define(recorder, "TEMPLATE id=T", {"A", "/A"});
    IParsedTemplate* found = recorder.GetTemplates().Find("T");

    struct CCountingTrace : CSkinTrace {
        IParsedTemplate* tmpl = nullptr;
        int seen = -1;
        bool StartElement(const char* name, const Veltis::Containers::IConstNamedAttributes& attributes) override
        {
            seen = tmpl->GetInstancesCount();
            return CSkinTrace::StartElement(name, attributes);
        }
    } trace;
    trace.tmpl = found;
    found->Instantiate(CNamedAttributes(), trace);
    EXPECT_EQ(trace.seen, 1);
    EXPECT_EQ(found->GetInstancesCount(), 0);
}

TEST(CTemplateParser, SecondPlaceholderIsAnOrdinaryElementWithAWarning)
{
    for (bool withLog : {true, false}) {
        SCOPED_TRACE(withLog);
        CMemMessageLog log;
        CTemplateParser recorder("TEMPLATE", "TEMPLATE_INNER_CONTENT", withLog ? &log : nullptr);
        Define(recorder, "TEMPLATE id=T",
               {"TEMPLATE_INNER_CONTENT", "/TEMPLATE_INNER_CONTENT", "TEMPLATE_INNER_CONTENT k=v",
                "/TEMPLATE_INNER_CONTENT"});
        CSkinTrace trace;
        std::unique_ptr<IParsedTemplateInstance> pending(
            recorder.GetTemplates().Find("T")->Instantiate(CNamedAttributes(), trace));
        ASSERT_NE(pending, nullptr);
        EXPECT_EQ(trace.Text(), "");
        EXPECT_TRUE(pending->Continue());
        EXPECT_EQ(trace.Text(), "<TEMPLATE_INNER_CONTENT k=v></TEMPLATE_INNER_CONTENT>");
        if (withLog) {
            EXPECT_EQ(LoggedMessages(log),
                      (std::vector<LoggedMessage>{{1, "TEMPLATE_INNER_CONTENT: cannot be used multiple times within a TEMPLATE"}}));
        }
    }
}

TEST(CTemplateParser, PlaceholderOfANestedTemplateBelongsToIt)
{
    CTemplateParser recorder("TEMPLATE", "TEMPLATE_INNER_CONTENT", nullptr);
    Define(recorder, "TEMPLATE id=T",
           {"TEMPLATE id=U", "TEMPLATE_INNER_CONTENT", "/TEMPLATE_INNER_CONTENT", "/TEMPLATE", "A", "/A"});
    EXPECT_EQ(recorder.GetNestingCount(), 0);
    CSkinTrace trace;
    EXPECT_EQ(recorder.GetTemplates().Find("T")->Instantiate(CNamedAttributes(), trace), nullptr);
    EXPECT_EQ(trace.Text(), "<TEMPLATE id=U><TEMPLATE_INNER_CONTENT></TEMPLATE_INNER_CONTENT></TEMPLATE><A></A>");
}

TEST(CTemplateParser, MissingOrDuplicateIdIsRefusedOnlyWithALog)
{
    struct Case {
        const char* element;
        bool withLog;
        bool result;
        std::vector<LoggedMessage> messages;
    };
    const Case kCases[] = {
        {"TEMPLATE p=1", true, false, {{0, "id attribute missing in template definition."}}},
        {"TEMPLATE p=1", false, true, {}},
        {"TEMPLATE id=T", true, false, {{0, "'T': template already defined."}}},
        {"TEMPLATE id=T", false, true, {}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.element) + (c.withLog ? " with log" : " without log"));
        CMemMessageLog log;
        CTemplateParser recorder("TEMPLATE", "TEMPLATE_INNER_CONTENT", c.withLog ? &log : nullptr);
        Define(recorder, "TEMPLATE id=T", {"FIRST", "/FIRST"});
        log.Clear();
        EXPECT_EQ(recorder.StartTemplate(Attributes(c.element)), c.result);
        // The refused body goes nowhere; the first definition stays.
        Record(recorder, {"SECOND", "/SECOND"});
        recorder.EndTemplate();
        EXPECT_EQ(LoggedMessages(log), c.messages);
        CSkinTrace trace;
        recorder.GetTemplates().Find("T")->Instantiate(CNamedAttributes(), trace);
        EXPECT_EQ(trace.Text(), "<FIRST></FIRST>");
    }
}

TEST(CTemplateParser, DetachHandsTheTemplateOverAndUnknownIdsGiveNull)
{
    CTemplateParser recorder("REPEAT", "", nullptr);
    Define(recorder, "REPEAT id=RepeatTemplate", {"A", "REPEAT", "/REPEAT", "/A"});
    EXPECT_EQ(recorder.GetTemplates().Detach("other"), nullptr);
    std::unique_ptr<IParsedTemplate> detached(recorder.GetTemplates().Detach("RepeatTemplate"));
    ASSERT_NE(detached, nullptr);
    EXPECT_EQ(recorder.GetTemplates().Find("RepeatTemplate"), nullptr);
    CSkinTrace trace;
    EXPECT_EQ(detached->Instantiate(CNamedAttributes(), trace), nullptr);
    EXPECT_EQ(trace.Text(), "<A><REPEAT></REPEAT></A>");
}

TEST(CTemplateParser, PersistedTemplatesReplayTheSameAndThePlaceholderReadsBackOrdinary)
{
    CTemplateParser recorder("TEMPLATE", "TEMPLATE_INNER_CONTENT", nullptr);
    Define(recorder, "TEMPLATE id=T p=1", {"A x=$p$", "TEMPLATE_INNER_CONTENT", "/TEMPLATE_INNER_CONTENT", "/A"});
    Define(recorder, "TEMPLATE id=U", {"B", "C", "/C", "/B"});

    Veltis::Serialization::CMemDataObject stream;
    EXPECT_TRUE(recorder.GetTemplates().Serialize(stream));
    int count = 0;
    EXPECT_TRUE(stream.ReadInt("itemsCount", count));
    EXPECT_EQ(count, 2);

    CTemplateParser::CTemplatesMap restored;
    EXPECT_TRUE(restored.DeSerialize(stream));
    ASSERT_EQ(restored.GetCount(), 2);
    CSkinTrace trace;
    EXPECT_EQ(restored.Find("T")->Instantiate(Attributes("T p=5"), trace), nullptr);
    EXPECT_EQ(trace.Text(), "<A x=5><TEMPLATE_INNER_CONTENT></TEMPLATE_INNER_CONTENT></A>");
    trace.ClearEvents();
    restored.Find("U")->Instantiate(CNamedAttributes(), trace);
    EXPECT_EQ(trace.Text(), "<B><C></C></B>");
}

TEST(CTemplateParser, ReadingRefusesBadCountsAndKeepsTemplatesAlreadyThere)
{
    CTemplateParser recorder("TEMPLATE", "", nullptr);
    Define(recorder, "TEMPLATE id=T", {"NEW", "/NEW"});
    Veltis::Serialization::CMemDataObject stream;
    recorder.GetTemplates().Serialize(stream);

    CTemplateParser::CTemplatesMap kept;
    CTemplateRootNode* old = new CTemplateRootNode("T", nullptr);
    old->AddChild(new CTemplateNode("OLD", nullptr));
    kept.Add(old);
    EXPECT_TRUE(kept.DeSerialize(stream));
    CSkinTrace trace;
    kept.Find("T")->Instantiate(CNamedAttributes(), trace);
    EXPECT_EQ(trace.Text(), "<OLD></OLD>");

    for (int bad : {-1, 1000000}) {
        Veltis::Serialization::CMemDataObject broken;
        broken.WriteInt("itemsCount", bad);
        CTemplateParser::CTemplatesMap map;
        EXPECT_FALSE(map.DeSerialize(broken));
        EXPECT_EQ(map.GetCount(), 0);
    }
}

TEST(CTemplateNode, AVeryDeepTreeIsDestroyedWithoutExhaustingTheStack)
{
    CTemplateNode* root = new CTemplateNode("root", nullptr);
    CTemplateNode* node = root;
    for (int i = 0; i < 150000; ++i) {
        CTemplateNode* child = new CTemplateNode("n", nullptr);
        node->AddChild(child);
        node = child;
    }
    delete root;
}
