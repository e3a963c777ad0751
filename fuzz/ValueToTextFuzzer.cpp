// Runs the three value-to-text converters on untrusted settings. Input: a 4-byte float value, a
// significant-digits byte, a flags byte (bit 0 the metric suffix, bit 1 huge digits), then the format,
// the template and the enumeration list separated by newlines. Every text must come back terminated
// and bounded, never with a crash, a leak or undefined behaviour.
#include "Veltis/DataModel/Objects/CEnumToText.h"
#include "Veltis/DataModel/Objects/CParamDataToText.h"
#include "Veltis/DataModel/Objects/CParamInfo.h"
#include "Veltis/DataModel/Objects/CParamValueToText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

using namespace Veltis::DataModel::Objects;

namespace {

// Takes the text up to the next newline (or the end) and moves past it.
std::string NextField(const std::string& input, size_t& position)
{
    if (position >= input.size())
        return std::string();
    size_t end = input.find('\n', position);
    if (end == std::string::npos)
        end = input.size();
    const std::string field = input.substr(position, end - position);
    position = end + 1;
    return field;
}

// A value's text can be no longer than the format's own text, its padding and the longest number.
void CheckText(const IParamValueToText& converter, float value, size_t limit)
{
    char* text = nullptr;
    converter.ToText(&text, value);
    if (!text || std::strlen(text) > limit)
        std::abort();
    delete[] text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 6)
        return 0;
    float value = 0.0f;
    std::memcpy(&value, data, sizeof(value));
    const int digits = (data[5] & 2) ? 2147483520 + static_cast<int8_t>(data[4]) : static_cast<int8_t>(data[4]);
    const bool suffix = (data[5] & 1) != 0;
    const std::string input(reinterpret_cast<const char*>(data) + 6, size - 6);
    size_t position = 0;
    const std::string format = NextField(input, position);
    const std::string textTemplate = NextField(input, position);
    const std::string list = NextField(input, position);

    // Every placeholder of the template expands to at most a name, a unit, a comment or a value.
    const size_t perValue = format.size() + 400;
    const size_t perPlaceholder = perValue * 2 + list.size() + format.size();
    const size_t expanded = textTemplate.size() * perPlaceholder + 16;
    const size_t capped = CParamValueToText::kMaxTextLength + perPlaceholder;
    const size_t limit = expanded < capped ? expanded : capped;

    CParamValueToText plain(format.c_str(), suffix, textTemplate.c_str());
    plain.SetSignificantDigits(digits);
    CheckText(plain, value, limit);

    CParamDataToText described(format.c_str(), suffix, textTemplate.c_str());
    described.SetSignificantDigits(digits);
    described.SetParamInfo(CParamInfo(digits, list.c_str(), format.c_str(), list.c_str(),
                                      new CParamValueToText(format.c_str(), suffix, "{value}"), value, -value,
                                      value * 0.5f, true));
    CheckText(described, value, limit);
    std::unique_ptr<IParamValueToText> clone(described.Clone());
    CheckText(*clone, value, limit);

    const CEnumToText enumeration(list.c_str(), digits);
    CheckText(enumeration, value, list.size() + 16);
    return 0;
}
