#include "Veltis/Serialization/CXmlDocHolder.h"

#include <tinyxml.h>

#include <pthread.h>

#include <string>

namespace Veltis {
namespace Serialization {

namespace {

// Whitespace condensing is one switch for the whole process; texts must keep their spaces.
void KeepWhitespace()
{
    static const bool kDone = [] {
        TiXmlBase::SetCondenseWhiteSpace(false);
        return true;
    }();
    (void)kDone;
}

// Every element the parser can open starts with '<' and a name byte, so their number bounds the
// depth the parser's recursion can reach.
size_t CountPossibleElements(const std::string& text)
{
    size_t count = 0;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        const unsigned char next = static_cast<unsigned char>(text[i + 1]);
        if (text[i] == '<' && next != '/' && next != '!' && next != '?')
            ++count;
    }
    return count;
}

// Depth of the element tree, walked without recursion.
int MeasureDepth(const TiXmlNode& root)
{
    int depth = 0;
    int deepest = 0;
    const TiXmlNode* node = root.FirstChild();
    while (node) {
        if (node->ToElement() && depth + 1 > deepest)
            deepest = depth + 1;
        if (node->FirstChild()) {
            node = node->FirstChild();
            ++depth;
            continue;
        }
        while (node && !node->NextSibling()) {
            node = node->Parent();
            --depth;
            if (node == &root)
                node = nullptr;
        }
        if (node)
            node = node->NextSibling();
    }
    return deepest;
}

struct ParseJob {
    TiXmlDocument* document;
    const char* text;
    bool accepted;
};

void ParseAndCheck(ParseJob& job)
{
    job.document->Parse(job.text, nullptr, TIXML_DEFAULT_ENCODING);
    job.accepted = !job.document->Error() && job.document->RootElement() &&
                   MeasureDepth(*job.document) <= CXmlDocHolder::kMaxDepth;
    // A refused tree is freed here too: freeing is as recursive as parsing.
    if (!job.accepted)
        job.document->Clear();
}

void* RunParseJob(void* argument)
{
    ParseAndCheck(*static_cast<ParseJob*>(argument));
    return nullptr;
}

// The parser recurses once per nesting level (measured at under 300 bytes a level); a text that could
// nest deeply is parsed on a thread whose stack fits the deepest nesting the text can hold.
bool ParseBounded(ParseJob& job, size_t possibleElements)
{
    const size_t kInlineElements = 512;
    if (possibleElements <= kInlineElements) {
        ParseAndCheck(job);
        return job.accepted;
    }
    pthread_attr_t attributes;
    if (pthread_attr_init(&attributes) != 0)
        return false;
    const size_t stackBytes = (size_t(1) << 20) + possibleElements * 512;
    pthread_t thread;
    bool started = pthread_attr_setstacksize(&attributes, stackBytes) == 0 &&
                   pthread_create(&thread, &attributes, RunParseJob, &job) == 0;
    pthread_attr_destroy(&attributes);
    if (!started)
        return false;
    pthread_join(thread, nullptr);
    return job.accepted;
}

} // namespace

CXmlDocHolder::CXmlDocHolder(const char* rootName) : m_Document(new TiXmlDocument()), m_ByteOrderMark(false)
{
    KeepWhitespace();
    CreateDocument(rootName);
}

CXmlDocHolder::~CXmlDocHolder() {}

void CXmlDocHolder::CreateDocument(const char* rootName)
{
    m_Document->LinkEndChild(new TiXmlDeclaration("1.0", "utf-8", ""));
    m_Document->LinkEndChild(new TiXmlElement(rootName ? rootName : ""));
}

void CXmlDocHolder::DeleteNodes()
{
    m_Document->Clear();
    m_Document->ClearError();
    m_ByteOrderMark = false;
}

TiXmlElement* CXmlDocHolder::ParseText(const char* text, size_t length)
{
    KeepWhitespace();
    DeleteNodes();
    if (!text || length > kMaxTextBytes)
        return nullptr;
    size_t end = 0;
    while (end < length && text[end] != '\0')
        ++end;
    // Padding: the parser steps over a multi-byte character's full length even when the text ends
    // inside it.
    std::string copy(text, end);
    copy.append(8, '\0');
    m_ByteOrderMark = end >= 3 && copy.compare(0, 3, "\xEF\xBB\xBF") == 0;

    ParseJob job = {m_Document.get(), copy.c_str(), false};
    if (!ParseBounded(job, CountPossibleElements(copy))) {
        m_Document->Clear();
        m_ByteOrderMark = false;
        return nullptr;
    }
    return m_Document->RootElement();
}

} // namespace Serialization
} // namespace Veltis
