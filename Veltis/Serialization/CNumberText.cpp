#include "Veltis/Serialization/CNumberText.h"

#include <charconv>
#include <cstring>
#include <limits>
#include <system_error>

namespace Veltis {
namespace Serialization {

namespace {

bool IsClassicSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

const char* SkipSpaces(const char* p)
{
    while (IsClassicSpace(*p))
        ++p;
    return p;
}

const char* SkipDigits(const char* p)
{
    while (IsDigit(*p))
        ++p;
    return p;
}

// Finds the longest prefix of p that is a decimal floating number ([sign] digits [. digits]
// [e [sign] digits], at least one mantissa digit); returns its end, or p when there is none.
const char* ScanFloat(const char* p)
{
    const char* q = p;
    if (*q == '+' || *q == '-')
        ++q;
    const char* digits = q;
    q = SkipDigits(q);
    bool any = q != digits;
    if (*q == '.') {
        const char* fraction = q + 1;
        const char* afterFraction = SkipDigits(fraction);
        any = any || afterFraction != fraction;
        q = afterFraction;
    }
    if (!any)
        return p;
    if (*q == 'e' || *q == 'E') {
        const char* e = q + 1;
        if (*e == '+' || *e == '-')
            ++e;
        const char* exponentEnd = SkipDigits(e);
        if (exponentEnd != e)
            q = exponentEnd;
    }
    return q;
}

template <class T>
bool ParseFloating(const char* text, T& value)
{
    if (!text)
        return false;
    const char* start = SkipSpaces(text);
    const char* end = ScanFloat(start);
    if (end == start)
        return false;
    // from_chars takes no leading '+'; it is otherwise the locale-free strtod grammar.
    if (*start == '+')
        ++start;
    T parsed = 0;
    const std::from_chars_result result = std::from_chars(start, end, parsed, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != end)
        return false;
    value = parsed;
    return true;
}

void FormatGeneral(double value, int precision, char (&text)[CNumberText::kBufferSize])
{
    const std::to_chars_result result =
        std::to_chars(text, text + CNumberText::kBufferSize - 1, value, std::chars_format::general, precision);
    *(result.ec == std::errc() ? result.ptr : text) = '\0';
}

} // namespace

void CNumberText::FormatBool(bool value, char (&text)[kBufferSize])
{
    text[0] = value ? '1' : '0';
    text[1] = '\0';
}

void CNumberText::FormatInt(int value, char (&text)[kBufferSize])
{
    const std::to_chars_result result = std::to_chars(text, text + kBufferSize - 1, value);
    *result.ptr = '\0';
}

void CNumberText::FormatFloat(float value, char (&text)[kBufferSize])
{
    FormatGeneral(static_cast<double>(value), 11, text);
}

void CNumberText::FormatDouble(double value, char (&text)[kBufferSize])
{
    FormatGeneral(value, 20, text);
}

bool CNumberText::ParseBool(const char* text, bool& value)
{
    int parsed = 0;
    if (!ParseInt(text, parsed) || (parsed != 0 && parsed != 1))
        return false;
    value = parsed == 1;
    return true;
}

bool CNumberText::ParseInt(const char* text, int& value)
{
    if (!text)
        return false;
    const char* p = SkipSpaces(text);
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }
    if (!IsDigit(*p))
        return false;
    // A negative value may reach one more than the largest positive int.
    const long long limit = negative ? -static_cast<long long>(std::numeric_limits<int>::min())
                                     : static_cast<long long>(std::numeric_limits<int>::max());
    long long magnitude = 0;
    for (; IsDigit(*p); ++p) {
        magnitude = magnitude * 10 + (*p - '0');
        if (magnitude > limit)
            return false;
    }
    value = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

bool CNumberText::ParseFloat(const char* text, float& value) { return ParseFloating(text, value); }

bool CNumberText::ParseDouble(const char* text, double& value) { return ParseFloating(text, value); }

} // namespace Serialization
} // namespace Veltis
