#include "Veltis/Serialization/CXmlDocHolder.h"

#include "Veltis/Serialization/CXmlTextGuard.h"

#include <tinyxml.h>

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

} // namespace

// A last guard for the recursive readers.
int CXmlDocHolder::MeasureDepth(const TiXmlNode& root)
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

    if (!CXmlTextGuard::IsSafeToParse(copy.substr(0, end))) {
        m_ByteOrderMark = false;
        return nullptr;
    }
    m_Document->Parse(copy.c_str(), nullptr, TIXML_DEFAULT_ENCODING);
    if (m_Document->Error() || !m_Document->RootElement() || MeasureDepth(*m_Document) > kMaxDepth) {
        DeleteNodes();
        return nullptr;
    }
    return m_Document->RootElement();
}

} // namespace Serialization
} // namespace Veltis
