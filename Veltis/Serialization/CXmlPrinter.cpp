#include "Veltis/Serialization/CXmlPrinter.h"

#include "Veltis/Serialization/CXmlTextGuard.h"

#include <tinyxml.h>

#include <cstring>

namespace Veltis {
namespace Serialization {

namespace {

void Indent(int depth, std::string& out) { out.append(static_cast<size_t>(depth) * 4, ' '); }

void AppendDeclaration(const TiXmlDeclaration& declaration, std::string& out)
{
    out += "<?xml ";
    const char* const names[] = {"version", "encoding", "standalone"};
    const char* const values[] = {declaration.Version(), declaration.Encoding(), declaration.Standalone()};
    for (int i = 0; i < 3; ++i) {
        if (values[i] && *values[i]) {
            out += names[i];
            out += "=\"";
            CXmlPrinter::AppendEscaped(values[i], out);
            out += "\" ";
        }
    }
    out += "?>";
}

void AppendText(const TiXmlText& text, std::string& out)
{
    if (text.CDATA()) {
        out += "<![CDATA[";
        CXmlPrinter::AppendRepaired(text.Value(), out);
        out += "]]>";
    } else {
        CXmlPrinter::AppendEscaped(text.Value(), out);
    }
}

// Comments, declarations, texts and unknown nodes print the same way in both forms.
void AppendLeaf(const TiXmlNode& node, std::string& out)
{
    switch (node.Type()) {
    case TiXmlNode::TINYXML_DECLARATION:
        AppendDeclaration(*node.ToDeclaration(), out);
        break;
    case TiXmlNode::TINYXML_COMMENT:
        out += "<!--";
        CXmlPrinter::AppendRepaired(node.Value(), out);
        out += "-->";
        break;
    case TiXmlNode::TINYXML_TEXT:
        AppendText(*node.ToText(), out);
        break;
    case TiXmlNode::TINYXML_UNKNOWN:
        out += "<";
        CXmlPrinter::AppendRepaired(node.Value(), out);
        out += ">";
        break;
    default:
        break;
    }
}

} // namespace

void CXmlPrinter::AppendEscaped(const char* text, std::string& out)
{
    static const char kHex[] = "0123456789ABCDEF";
    const char* const end = text + std::strlen(text);
    for (const char* p = text; p < end; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&apos;"; break;
        default:
            if (c < 32) {
                out += "&#x";
                out += kHex[c >> 4];
                out += kHex[c & 15];
                out += ';';
            } else {
                p = AppendCharacter(p, end, out) - 1;
            }
        }
    }
}

void CXmlPrinter::AppendRepaired(const char* text, std::string& out)
{
    const char* const end = text + std::strlen(text);
    for (const char* p = text; p < end;)
        p = AppendCharacter(p, end, out);
}

// A byte outside well-formed UTF-8 becomes U+FFFD: the reader refuses a document that holds one, and
// a string may reach the tree without passing the reader (a name the host gave).
const char* CXmlPrinter::AppendCharacter(const char* p, const char* end, std::string& out)
{
    const size_t length = CXmlTextGuard::SequenceLength(p, end);
    if (length == 0) {
        out += "\xEF\xBF\xBD";
        return p + 1;
    }
    out.append(p, length);
    return p + length;
}

void CXmlPrinter::PrintStartTag(const TiXmlNode& node, std::string& out)
{
    out += '<';
    AppendRepaired(node.Value(), out);
    for (const TiXmlAttribute* attribute = node.ToElement()->FirstAttribute(); attribute;
         attribute = attribute->Next()) {
        const char quote = std::string(attribute->Value()).find('"') == std::string::npos ? '"' : '\'';
        out += ' ';
        AppendRepaired(attribute->Name(), out);
        out += '=';
        out += quote;
        AppendEscaped(attribute->Value(), out);
        out += quote;
    }
}

void CXmlPrinter::PrintNode(const TiXmlNode& node, int depth, std::string& out)
{
    if (!node.ToElement()) {
        if (node.Type() == TiXmlNode::TINYXML_COMMENT || node.Type() == TiXmlNode::TINYXML_UNKNOWN)
            Indent(depth, out);
        AppendLeaf(node, out);
        return;
    }
    Indent(depth, out);
    PrintStartTag(node, out);
    const TiXmlNode* first = node.FirstChild();
    if (!first) {
        out += " />";
    } else if (first == node.LastChild() && first->ToText()) {
        out += '>';
        AppendText(*first->ToText(), out);
    } else {
        out += '>';
        for (const TiXmlNode* child = first; child; child = child->NextSibling()) {
            if (!child->ToText())
                out += '\n';
            PrintNode(*child, depth + 1, out);
        }
        out += '\n';
        Indent(depth, out);
    }
    if (first) {
        out += "</";
        AppendRepaired(node.Value(), out);
        out += '>';
    }
}

void CXmlPrinter::PrintCompactNode(const TiXmlNode& node, std::string& out)
{
    if (!node.ToElement()) {
        AppendLeaf(node, out);
        return;
    }
    PrintStartTag(node, out);
    if (!node.FirstChild()) {
        out += " />";
        return;
    }
    out += '>';
    for (const TiXmlNode* child = node.FirstChild(); child; child = child->NextSibling())
        PrintCompactNode(*child, out);
    out += "</";
    AppendRepaired(node.Value(), out);
    out += '>';
}

void CXmlPrinter::PrintFileForm(const TiXmlDocument& document, bool byteOrderMark, std::string& out)
{
    if (byteOrderMark)
        out += "\xEF\xBB\xBF";
    for (const TiXmlNode* node = document.FirstChild(); node; node = node->NextSibling()) {
        PrintNode(*node, 0, out);
        out += '\n';
    }
}

void CXmlPrinter::PrintCompactForm(const TiXmlDocument& document, std::string& out)
{
    for (const TiXmlNode* node = document.FirstChild(); node; node = node->NextSibling()) {
        PrintCompactNode(*node, out);
        if (node->ToElement())
            break;
    }
}

} // namespace Serialization
} // namespace Veltis
