#include "Veltis/DataModel/Objects/CParamValueToText.h"

#include <cfloat>
#include <cmath>
#include <cstring>

namespace Veltis {
namespace DataModel {
namespace Objects {

namespace {

const char kFallbackFormat[] = "%.2f";
const char kValuePlaceholder[] = "{value}";

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Skips at most two digits; false when a third follows.
bool SkipShortNumber(const char*& p)
{
    int digits = 0;
    while (IsDigit(*p)) {
        if (++digits > 2)
            return false;
        ++p;
    }
    return true;
}

// Rounds the magnitude to n significant digits, counting digits from the integer part of
// log10 + 1 truncated toward zero; a value the arithmetic cannot hold is left as it is.
float RoundToSignificantDigits(float value, int n)
{
    if (n <= 0 || value == 0.0f)
        return value;
    const double magnitude = std::fabs(static_cast<double>(value));
    const double digits = std::trunc(std::log10(magnitude) + 1.0);
    const double scale = std::pow(10.0, static_cast<double>(n) - digits);
    const double scaled = magnitude * scale;
    if (!std::isfinite(scaled) || scale == 0.0)
        return value;
    const double rounded = std::floor(scaled + 0.5) / scale;
    if (!(rounded <= FLT_MAX))
        return value;
    return static_cast<float>(value < 0.0f ? -rounded : rounded);
}

// The suffix of a positive value's band of thousands, and the value scaled into it.
const char* ApplyMetricSuffix(float& value)
{
    if (!(value > 0.0f))
        return "";
    const int exponent = static_cast<int>(std::trunc(std::log10(value)));
    const int band = exponent / 3;
    static const char* const kSuffixes[] = {"p", "\xC2\xB5", "m", "", "k", "M", "G", "T"};
    if (band == 0 || band < -3 || band > 4)
        return "";
    value *= std::pow(10.0f, static_cast<float>(-3 * band));
    return kSuffixes[band + 3];
}

} // namespace

CParamValueToText::CParamValueToText(const char* format, bool metricSuffix, const char* textTemplate)
    : m_Template(textTemplate), m_Format(format), m_MetricSuffix(metricSuffix), m_SignificantDigits(-1)
{
}

CParamValueToText::CParamValueToText(const CParamValueToText& other)
    : IParamValueToText(), m_Template(other.m_Template), m_Format(other.m_Format),
      m_MetricSuffix(other.m_MetricSuffix), m_SignificantDigits(other.m_SignificantDigits)
{
}

IParamValueToText* CParamValueToText::Clone() const
{
    return new CParamValueToText(*this);
}

void CParamValueToText::ToText(char** out, float value) const
{
    Core::CCharString text;
    const char* source = m_Template.GetString();
    const int length = m_Template.GetLength();
    // Once no closing brace follows some position, none follows any later one: the scan stays linear.
    bool closingBraceAhead = true;
    int i = 0;
    while (i < length && text.GetLength() < kMaxTextLength) {
        if (source[i] != '{') {
            const char* next = std::strchr(source + i, '{');
            const int end = next ? static_cast<int>(next - source) : length;
            text.Append(source + i, end - i, false);
            i = end;
            continue;
        }
        if (source[i + 1] == '{') {
            text.Append("{", false);
            i += 2;
            continue;
        }
        const char* close = closingBraceAhead ? std::strchr(source + i + 1, '}') : nullptr;
        if (!close) {
            closingBraceAhead = false;
            text.Append("{", false);
            ++i;
            continue;
        }
        const int placeholderLength = static_cast<int>(close - source) - i + 1;
        if (!AppendPlaceholder(text, source + i, placeholderLength, value))
            text.Append(source + i, placeholderLength, false);
        i += placeholderLength;
    }
    *out = text.Detach();
}

bool CParamValueToText::AppendPlaceholder(Core::CCharString& out, const char* name, int length, float value) const
{
    if (!IsPlaceholder(name, length, kValuePlaceholder))
        return false;
    FormatValue(out, value);
    return true;
}

bool CParamValueToText::IsPlaceholder(const char* name, int length, const char* placeholder)
{
    return static_cast<int>(std::strlen(placeholder)) == length && std::strncmp(name, placeholder, length) == 0;
}

void CParamValueToText::FormatValue(Core::CCharString& out, float value) const
{
    const char* suffix = "";
    if (std::isnan(value)) {
        value = std::fabs(value);
    } else if (std::isfinite(value)) {
        value = RoundToSignificantDigits(value, m_SignificantDigits);
        if (m_MetricSuffix)
            suffix = ApplyMetricSuffix(value);
    }
    const char* format = IsSafeFormat(m_Format.GetString()) ? m_Format.GetString() : kFallbackFormat;
    Core::CCharString number;
    number.Format(format, static_cast<double>(value));
    out.Append(number, false);
    out.Append(suffix, false);
}

bool CParamValueToText::IsSafeFormat(const char* format)
{
    if (!format)
        return false;
    int conversions = 0;
    const char* p = format;
    while (*p) {
        if (*p++ != '%')
            continue;
        if (*p == '%') {
            ++p;
            continue;
        }
        while (*p && std::strchr("-+ #0", *p))
            ++p;
        if (!SkipShortNumber(p))
            return false;
        if (*p == '.') {
            ++p;
            if (!SkipShortNumber(p))
                return false;
        }
        if (!*p || !std::strchr("fFeEgGaA", *p))
            return false;
        ++p;
        ++conversions;
    }
    return conversions == 1;
}

void CParamValueToText::SetFormat(const char* format)
{
    if (m_Format == format)
        return;
    m_Format = format;
    NotifyChanged();
}

void CParamValueToText::SetTemplate(const char* textTemplate)
{
    if (m_Template == textTemplate)
        return;
    m_Template = textTemplate;
    NotifyChanged();
}

void CParamValueToText::SetValueSuffix(bool metricSuffix)
{
    if (metricSuffix == m_MetricSuffix)
        return;
    m_MetricSuffix = metricSuffix;
    NotifyChanged();
}

void CParamValueToText::SetSignificantDigits(int digits)
{
    if (digits == m_SignificantDigits)
        return;
    m_SignificantDigits = digits;
    NotifyChanged();
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
