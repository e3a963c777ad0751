#include "Veltis/Serialization/CXmlDataObject.h"

#include "Veltis/CoreUtilities/FileSystem.h"
#include "Veltis/Serialization/CXmlPrinter.h"

#include <tinyxml.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace Veltis {
namespace Serialization {

namespace {

// Reads at most limit + 1 bytes, so that an oversized file is noticed without reading all of it.
bool ReadWholeFile(const char* path, size_t limit, std::string& text)
{
    if (!path)
        return false;
    FILE* file = std::fopen(path, "rb");
    if (!file)
        return false;
    char chunk[65536];
    bool ok = true;
    for (;;) {
        const size_t read = std::fread(chunk, 1, sizeof chunk, file);
        text.append(chunk, read);
        if (text.size() > limit) {
            ok = false;
            break;
        }
        if (read < sizeof chunk) {
            ok = !std::ferror(file);
            break;
        }
    }
    std::fclose(file);
    return ok;
}

// Line ends of any platform become line feeds before parsing.
void NormaliseLineEnds(std::string& text)
{
    size_t out = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            text[out++] = '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            text[out++] = text[i];
        }
    }
    text.resize(out);
}

} // namespace

CXmlDataObject::CXmlDataObject(const char* rootName, int layout)
    : CXmlDocHolder(rootName), CXmlBaseDataObject(GetDocument().RootElement(), layout)
{
}

CXmlDataObject::~CXmlDataObject() {}

bool CXmlDataObject::SaveFile(const char* path) const
{
    if (!path)
        return false;
    std::string text;
    CXmlPrinter::PrintFileForm(GetDocument(), HasByteOrderMark(), text);
    return CoreUtilities::ReplaceFile(path, text.data(), text.size());
}

bool CXmlDataObject::LoadFile(const char* path)
{
    DeleteNodes();
    SetCurrentElement(nullptr);
    std::string text;
    if (!ReadWholeFile(path, kMaxTextBytes, text))
        return false;
    // Only the text up to a NUL counts.
    const size_t nul = text.find('\0');
    if (nul != std::string::npos)
        text.resize(nul);
    NormaliseLineEnds(text);
    SetCurrentElement(ParseText(text.data(), text.size()));
    return GetCurrentElement() != nullptr;
}

bool CXmlDataObject::LoadFromMemory(const char* data, int length)
{
    DeleteNodes();
    SetCurrentElement(nullptr);
    if (!data || length <= 0)
        return false;
    SetCurrentElement(ParseText(data, static_cast<size_t>(length)));
    return GetCurrentElement() != nullptr;
}

bool CXmlDataObject::GetText(char*& text) const
{
    std::string printed;
    CXmlPrinter::PrintCompactForm(GetDocument(), printed);
    text = new char[printed.size() + 1];
    std::memcpy(text, printed.c_str(), printed.size() + 1);
    return true;
}

} // namespace Serialization
} // namespace Veltis
