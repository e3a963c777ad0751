#pragma once

#include <string>

namespace Veltis {
namespace Serialization {

// Decides, before an untrusted text reaches the XML parser, whether parsing it is bounded. The parser
// recurses once per nesting level and its work grows with the square of the depth, so a deep text
// would exhaust the stack or hang. A text with few possible elements cannot nest deeply; any other
// text must pass a strict scan of its markup (well-formed UTF-8, quoted attributes, known entities)
// in which the scanner and the parser cannot disagree about where an element starts or ends.
class CXmlTextGuard {
public:
    static constexpr int kMaxDepth = 256;
    static constexpr int kMaxAttributes = 1024;
    // Texts up to this size with few possible elements skip the strict scan.
    static constexpr size_t kSmallText = 65536;

    // A lower maxDepth lets a check against the parser catch a disagreement on a short text.
    static bool IsSafeToParse(const std::string& text, int maxDepth = kMaxDepth);

    // Texts that are not are refused by the strict scan.
    static bool IsWellFormedUtf8(const std::string& text);

private:
    static bool ScanStrictly(const std::string& text, int maxDepth);
};

} // namespace Serialization
} // namespace Veltis
