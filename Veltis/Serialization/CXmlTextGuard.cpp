#include "Veltis/Serialization/CXmlTextGuard.h"

#include <cstring>

namespace Veltis {
namespace Serialization {

namespace {

bool IsSpace(unsigned char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

bool IsLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

bool IsHexDigit(unsigned char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// The parser takes every byte from 127 up as a letter.
bool IsNameStart(unsigned char c) { return IsLetter(c) || c == '_' || c >= 127; }

bool IsNameChar(unsigned char c) { return IsNameStart(c) || IsDigit(c) || c == '-' || c == '.' || c == ':'; }

class CScanner {
public:
    CScanner(const std::string& text, int maxDepth) : m_P(text.c_str()), m_MaxDepth(maxDepth) {}

    // True when the text nests at most maxDepth levels in the parser's reading of it.
    bool Run()
    {
        int depth = 0;
        while (*m_P) {
            if (*m_P != '<') {
                if (!SkipCharacter())
                    return false;
                continue;
            }
            // As in the parser, a terminator is looked for after its opener only: "<!-->" is open.
            if (Starts("<!--")) {
                if (!SkipPast("<!--", "-->"))
                    return true;
            } else if (Starts("<![CDATA[")) {
                if (!SkipPast("<![CDATA[", "]]>"))
                    return true;
            } else if (Starts("<?")) {
                m_P += 2;
                if (!Name() || !Attributes() || !Starts("?>"))
                    return false;
                m_P += 2;
            } else if (Starts("<!")) {
                if (!SkipPast("<!", ">"))
                    return true;
            } else if (Starts("</")) {
                m_P += 2;
                if (!Name())
                    return false;
                SkipSpaces();
                if (*m_P != '>')
                    return false;
                ++m_P;
                if (depth > 0)
                    --depth;
            } else if (IsNameStart(static_cast<unsigned char>(m_P[1]))) {
                ++m_P;
                if (!Name() || !Attributes())
                    return false;
                if (Starts("/>")) {
                    m_P += 2;
                } else if (*m_P == '>') {
                    ++m_P;
                    if (++depth > m_MaxDepth)
                        return false;
                } else {
                    return false;
                }
            } else if (!SkipPast("<", ">")) {
                return true;
            }
        }
        return true;
    }

private:
    bool Starts(const char* prefix) const { return std::strncmp(m_P, prefix, std::strlen(prefix)) == 0; }

    // Steps over the opener, then past the first marker after it.
    bool SkipPast(const char* opener, const char* marker)
    {
        const char* found = std::strstr(m_P + std::strlen(opener), marker);
        if (!found)
            return false;
        m_P = found + std::strlen(marker);
        return true;
    }

    void SkipSpaces()
    {
        while (IsSpace(static_cast<unsigned char>(*m_P)))
            ++m_P;
    }

    bool Name()
    {
        if (!IsNameStart(static_cast<unsigned char>(*m_P)))
            return false;
        while (IsNameChar(static_cast<unsigned char>(*m_P)))
            ++m_P;
        return true;
    }

    // One character of text; an ampersand must open an entity the parser decodes without skipping.
    bool SkipCharacter()
    {
        if (*m_P != '&') {
            ++m_P;
            return true;
        }
        for (const char* entity : {"&amp;", "&lt;", "&gt;", "&quot;", "&apos;"}) {
            if (Starts(entity)) {
                m_P += std::strlen(entity);
                return true;
            }
        }
        const bool hex = Starts("&#x");
        if (!hex && !Starts("&#"))
            return false;
        m_P += hex ? 3 : 2;
        const char* digits = m_P;
        while (hex ? IsHexDigit(static_cast<unsigned char>(*m_P)) : IsDigit(static_cast<unsigned char>(*m_P)))
            ++m_P;
        if (m_P == digits || *m_P != ';')
            return false;
        ++m_P;
        return true;
    }

    // name = "value" pairs up to the end of a tag; values are quoted and hold no markup characters.
    bool Attributes()
    {
        for (int count = 0;; ++count) {
            SkipSpaces();
            if (!IsNameStart(static_cast<unsigned char>(*m_P)))
                return true;
            if (count == CXmlTextGuard::kMaxAttributes || !Name())
                return false;
            SkipSpaces();
            if (*m_P != '=')
                return false;
            ++m_P;
            SkipSpaces();
            const char quote = *m_P;
            if (quote != '"' && quote != '\'')
                return false;
            ++m_P;
            while (*m_P != quote) {
                if (*m_P == '\0' || *m_P == '<' || *m_P == '>' || !SkipCharacter())
                    return false;
            }
            ++m_P;
        }
    }

    const char* m_P;
    const int m_MaxDepth;
};

} // namespace

bool CXmlTextGuard::IsSafeToParse(const std::string& text, int maxDepth)
{
    if (!IsWellFormedUtf8(text))
        return false;
    size_t possibleElements = 0;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        const char next = text[i + 1];
        if (text[i] == '<' && next != '/' && next != '!' && next != '?')
            ++possibleElements;
    }
    if (maxDepth >= 0 && possibleElements <= static_cast<size_t>(maxDepth) && text.size() <= kSmallText)
        return true;
    return CScanner(text, maxDepth).Run();
}

size_t CXmlTextGuard::SequenceLength(const char* p, const char* end)
{
    if (p >= end)
        return 0;
    const unsigned char c = static_cast<unsigned char>(*p);
    size_t length = 1;
    if (c >= 0xC2 && c <= 0xDF)
        length = 2;
    else if (c >= 0xE0 && c <= 0xEF)
        length = 3;
    else if (c >= 0xF0 && c <= 0xF4)
        length = 4;
    else if (c >= 0x80)
        return 0;
    if (static_cast<size_t>(end - p) < length)
        return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(p[i]) & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

bool CXmlTextGuard::IsWellFormedUtf8(const std::string& text)
{
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end) {
        const size_t length = SequenceLength(p, end);
        if (length == 0)
            return false;
        p += length;
    }
    return true;
}

} // namespace Serialization
} // namespace Veltis
