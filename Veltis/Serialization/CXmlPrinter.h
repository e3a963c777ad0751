#pragma once

#include <string>

class TiXmlDocument;
class TiXmlNode;

namespace Veltis {
namespace Serialization {

// Prints an XML tree in the two forms of the data documents: the indented file form and the compact
// one-line form. Texts and attribute values are escaped; an ampersand always becomes "&amp;" so that
// user text such as "&#x41;" reads back unchanged. Every byte that is not part of well-formed UTF-8
// is written as U+FFFD, so that whatever the tree holds, the printed text reads back.
class CXmlPrinter {
public:
    // Every top-level node on its own line; a byte order mark first when asked.
    static void PrintFileForm(const TiXmlDocument& document, bool byteOrderMark, std::string& out);
    // No indentation and no line feeds; stops after the first top-level element.
    static void PrintCompactForm(const TiXmlDocument& document, std::string& out);

    static void AppendEscaped(const char* text, std::string& out);
    // Unescaped: names, comments and CDATA sections.
    static void AppendRepaired(const char* text, std::string& out);

private:
    static const char* AppendCharacter(const char* p, const char* end, std::string& out);
    static void PrintNode(const TiXmlNode& node, int depth, std::string& out);
    static void PrintCompactNode(const TiXmlNode& node, std::string& out);
    static void PrintStartTag(const TiXmlNode& node, std::string& out);
};

} // namespace Serialization
} // namespace Veltis
