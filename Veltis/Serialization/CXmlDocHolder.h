#pragma once

#include "Veltis/Serialization/CXmlTextGuard.h"

#include <cstddef>
#include <memory>

class TiXmlDocument;
class TiXmlElement;
class TiXmlNode;

namespace Veltis {
namespace Serialization {

// Owns the XML tree of a data document and guards its parsing: documents come from disk and from
// hosts, so their size and nesting are bounded before the tree reaches any recursive code.
class CXmlDocHolder {
public:
    // Larger texts are refused rather than read into memory.
    static constexpr size_t kMaxTextBytes = 16u << 20;
    // Deeper documents are refused; real documents nest a few levels.
    static constexpr int kMaxDepth = CXmlTextGuard::kMaxDepth;

    // An empty document, then a declaration (version "1.0", encoding "utf-8") and an empty root element.
    explicit CXmlDocHolder(const char* rootName);
    ~CXmlDocHolder();

    CXmlDocHolder(const CXmlDocHolder&) = delete;
    CXmlDocHolder& operator=(const CXmlDocHolder&) = delete;

    void CreateDocument(const char* rootName);

    // Element nesting below a node, walked without recursion.
    static int MeasureDepth(const TiXmlNode& root);

protected:
    // Deletes every node, then parses length bytes of text (stopping at a NUL). Returns the first
    // top-level element, or null (and an empty document) when the text is refused or malformed.
    TiXmlElement* ParseText(const char* text, size_t length);
    // Empties the document (declaration and root included).
    void DeleteNodes();

    TiXmlDocument& GetDocument() { return *m_Document; }
    const TiXmlDocument& GetDocument() const { return *m_Document; }
    bool HasByteOrderMark() const { return m_ByteOrderMark; }

private:
    std::unique_ptr<TiXmlDocument> m_Document;
    bool m_ByteOrderMark;
};

} // namespace Serialization
} // namespace Veltis
