#pragma once

#include "Veltis/Serialization/CXmlBaseDataObject.h"
#include "Veltis/Serialization/CXmlDocHolder.h"

namespace Veltis {
namespace Serialization {

// An XML data document seen as a data stream over its root element: presets, banks, settings files
// and the text of host chunks. Saved in the indented file form, printed in the compact form.
class CXmlDataObject : private CXmlDocHolder, public CXmlBaseDataObject {
public:
    CXmlDataObject(const char* rootName, int layout = 0);
    ~CXmlDataObject() override;

    // False when the file cannot be written in full; the file it would replace is then left as it was.
    bool SaveFile(const char* path) const;
    // Replaces the document with the file's; the current element becomes its first top-level element,
    // whatever its tag. False, with an empty document, for a missing, unreadable or malformed file.
    bool LoadFile(const char* path);
    // As LoadFile, from length bytes of memory (a terminating NUL and what follows it are ignored).
    bool LoadFromMemory(const char* data, int length);
    // The compact form with a terminating NUL in a new[] buffer that the caller deletes.
    bool GetText(char*& text) const;
};

} // namespace Serialization
} // namespace Veltis
