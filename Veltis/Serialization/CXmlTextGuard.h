#pragma once

#include <string>

namespace Veltis {
namespace Serialization {

// Decides, before an untrusted text reaches the XML parser, whether parsing it is bounded. The parser
// recurses once per nesting level and its work grows with the square of the depth, so a deep text
// would exhaust the stack or hang. Every text must be well-formed UTF-8, whatever its size, so that a
// document is refused or accepted by the same rule when it grows. A text with few possible elements
// cannot nest deeply; any other text must pass a strict scan of its markup (quoted attributes, known
// entities) in which the scanner and the parser cannot disagree about where an element starts or ends.
class CXmlTextGuard {
public:
    static constexpr int kMaxDepth = 256;
    static constexpr int kMaxAttributes = 1024;
    // Texts up to this size with few possible elements skip the strict scan of their markup.
    static constexpr size_t kSmallText = 65536;

    // A lower maxDepth lets a check against the parser catch a disagreement on a short text.
    static bool IsSafeToParse(const std::string& text, int maxDepth = kMaxDepth);

    static bool IsWellFormedUtf8(const std::string& text);
    // The length of the well-formed UTF-8 sequence at p (1 for ASCII), or 0 when the bytes there are
    // not one; never reads at or past end.
    static size_t SequenceLength(const char* p, const char* end);
};

} // namespace Serialization
} // namespace Veltis
