#include "Veltis/SkinEngine/CXMLNamedAttributes.h"

namespace Veltis {
namespace SkinEngine {

void CXMLNamedAttributes::AddXMLAttribute(const XMLCh* qualifiedName, const XMLCh* value)
{
    Core::CCharString name;
    Core::CCharString text;
    Transcode(qualifiedName, name);
    Transcode(value, text);
    SetValue(name.GetString(), text.GetString());
}

void CXMLNamedAttributes::Transcode(const XMLCh* text, Core::CCharString& out)
{
    // UTF-16 to UTF-8 by hand: the library's transcoders are made anew for every text, which costs more
    // than a whole element. A lone surrogate becomes U+FFFD.
    out.Clear();
    if (text == nullptr)
        return;
    char buffer[256];
    int used = 0;
    const auto put = [&](unsigned int byte) {
        if (used == static_cast<int>(sizeof(buffer))) {
            out.Append(buffer, used);
            used = 0;
        }
        buffer[used++] = static_cast<char>(byte);
    };
    for (const XMLCh* c = text; *c; ++c) {
        unsigned int code = *c;
        if (code >= 0xD800 && code <= 0xDBFF && c[1] >= 0xDC00 && c[1] <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (c[1] - 0xDC00);
            ++c;
        } else if (code >= 0xD800 && code <= 0xDFFF) {
            code = 0xFFFD;
        }
        if (code < 0x80) {
            put(code);
        } else if (code < 0x800) {
            put(0xC0 | (code >> 6));
            put(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            put(0xE0 | (code >> 12));
            put(0x80 | ((code >> 6) & 0x3F));
            put(0x80 | (code & 0x3F));
        } else {
            put(0xF0 | (code >> 18));
            put(0x80 | ((code >> 12) & 0x3F));
            put(0x80 | ((code >> 6) & 0x3F));
            put(0x80 | (code & 0x3F));
        }
    }
    out.Append(buffer, used);
}

} // namespace SkinEngine
} // namespace Veltis
