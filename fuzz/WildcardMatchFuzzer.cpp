// Matches untrusted text against an untrusted pattern (skin identifiers): no crash, no read past
// either string, and a pattern always matches itself when it holds no separator.
#include "Veltis/CoreUtilities/StringUtilities.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace Veltis::CoreUtilities;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The matcher's work is at most text length times pattern length.
    if (size < 2 || size > (1u << 16))
        return 0;
    const char separator = static_cast<char>(data[0]);
    const bool caseSensitive = data[1] & 1;
    const std::string rest(reinterpret_cast<const char*>(data + 2), size - 2);
    const size_t split = rest.find('\0');
    const std::string text = rest.substr(0, split);
    const std::string pattern = split == std::string::npos ? std::string() : rest.substr(split + 1);
    WildcardMatch(text.c_str(), pattern.c_str(), caseSensitive, separator);
    if (separator == '\0' && !WildcardMatch(pattern.c_str(), pattern.c_str(), caseSensitive, separator))
        std::abort();
    if (!WildcardMatch(text.c_str(), "*", caseSensitive, separator))
        std::abort();
    return 0;
}
