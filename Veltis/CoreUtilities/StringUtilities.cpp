#include "Veltis/CoreUtilities/StringUtilities.h"

#include "Veltis/Core/CCharString.h"

#include <cstdlib>
#include <cstring>
#include <locale>
#include <sstream>
#include <stdlib.h>

namespace Veltis {
namespace CoreUtilities {

namespace {

class CWildcardMatcher {
public:
    CWildcardMatcher(bool caseSensitive, char separator) : m_CaseSensitive(caseSensitive), m_Separator(separator) {}

    // Each '*' is first tried empty; a mismatch widens the last '*' by one character and retries
    // from there, so the work is at most text length times pattern length.
    bool Match(const char* text, const char* pattern) const
    {
        const char* t = text;
        const char* p = pattern;
        const char* star = nullptr;  // pattern position just after the last '*' met
        const char* retry = nullptr; // text position that the last '*' swallows next
        while (!IsEnd(*t)) {
            // A '*' in the pattern is a wildcard even where the text holds a '*': taken as an
            // ordinary character it would lose the retry point (pattern "*" would not match text "*x").
            if (*p == '*') {
                ++p;
                if (IsEnd(*p))
                    return true;
                star = p;
                retry = t;
                continue;
            }
            if (!IsEnd(*p) && Fold(*t) == Fold(*p)) {
                ++t;
                ++p;
                continue;
            }
            if (!star)
                return false;
            // Widening an earlier '*' cannot help: the last one already absorbs any such shift.
            p = star;
            t = ++retry;
        }
        // Text that ran out also runs out for a wider '*': only trailing stars can still match.
        while (*p == '*')
            ++p;
        return IsEnd(*p);
    }

private:
    bool IsEnd(char c) const { return c == '\0' || c == m_Separator; }

    char Fold(char c) const
    {
        if (!m_CaseSensitive && c >= 'A' && c <= 'Z')
            return static_cast<char>(c - 'A' + 'a');
        return c;
    }

    bool m_CaseSensitive;
    char m_Separator;
};

} // namespace

bool WildcardMatch(const char* text, const char* pattern, bool caseSensitive, char separator)
{
    if (!text || !pattern)
        return false;
    return CWildcardMatcher(caseSensitive, separator).Match(text, pattern);
}

bool HasWildcard(const char* text)
{
    return text && std::strchr(text, '*');
}

int ParseDouble(const char* text, double& out)
{
    if (!text)
        return 0;
    char* end = nullptr;
    out = strtod_l(text, &end, GetClassicLocale());
    return static_cast<int>(end - text);
}

int ParseInt(const char* text, int& out, int base)
{
    if (!text)
        return 0;
    char* end = nullptr;
    const long value = strtol_l(text, &end, base, GetClassicLocale());
    if (!end)
        end = const_cast<char*>(text);
    out = static_cast<int>(static_cast<unsigned int>(static_cast<unsigned long>(value)));
    return static_cast<int>(end - text);
}

bool StringsEqual(const char* first, const char* second)
{
    if (!first || !second)
        return first == second;
    return std::strcmp(first, second) == 0;
}

int GetStringLength(const char* text)
{
    return text ? static_cast<int>(std::strlen(text)) : 0;
}

int FindChar(const char* text, char c, int start)
{
    if (!text)
        return -1;
    if (start < 0)
        start = 0;
    const int length = GetStringLength(text);
    if (start > length)
        return -1;
    const void* found = std::memchr(text + start, c, static_cast<size_t>(length - start) + 1);
    return found ? static_cast<int>(static_cast<const char*>(found) - text) : -1;
}

int ReverseFindChar(const char* text, char c, int start)
{
    if (!text)
        return -1;
    const int length = GetStringLength(text);
    if (start <= 0 || start > length)
        start = length;
    for (int i = start; i >= 0; --i) {
        if (text[i] == c)
            return i;
    }
    return -1;
}

int FindFirstOf(const char* text, const char* characters, int start)
{
    if (!text)
        return -1;
    if (start < 0)
        start = 0;
    if (start >= GetStringLength(text))
        return -1;
    return static_cast<int>(std::strcspn(text + start, characters ? characters : ""));
}

void ValueToString(const int& value, Core::CCharString& out, bool release)
{
    std::ostringstream stream;
    stream.imbue(std::locale::classic());
    stream << value;
    out.Assign(stream.str().c_str(), release);
}

locale_t GetClassicLocale()
{
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return classic;
}

} // namespace CoreUtilities
} // namespace Veltis
