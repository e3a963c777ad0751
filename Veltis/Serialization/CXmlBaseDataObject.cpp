#include "Veltis/Serialization/CXmlBaseDataObject.h"

#include "Veltis/CoreUtilities/Base64.h"
#include "Veltis/Serialization/CNumberText.h"
#include "Veltis/Serialization/CXmlTextGuard.h"
#include "Veltis/Serialization/IDeSerialize.h"
#include "Veltis/Serialization/ISerialize.h"

#include <tinyxml.h>

#include <cstring>
#include <string>

namespace Veltis {
namespace Serialization {

namespace {

const char* TextOf(const TiXmlElement& element)
{
    const TiXmlNode* first = element.FirstChild();
    return first && first->ToText() ? first->Value() : nullptr;
}

char* DuplicateText(const char* text)
{
    const size_t length = text ? std::strlen(text) : 0;
    char* copy = new char[length + 1];
    if (length)
        std::memcpy(copy, text, length);
    copy[length] = '\0';
    return copy;
}

bool IsAsciiLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool IsUpperHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }

// Bytes from 0x80 on belong to names only in well-formed UTF-8: the text guard refuses any other.
bool IsNameByte(unsigned char c, bool first, bool utf8)
{
    if (IsAsciiLetter(c) || c == '_' || (c >= 0x80 && utf8))
        return true;
    return !first && ((c >= '0' && c <= '9') || c == '-' || c == '.' || c == ':');
}

// "_x" and two hex digits other than "00" followed by '_': the escape of one byte.
bool StartsEscape(const char* p)
{
    return p[0] == '_' && p[1] == 'x' && IsUpperHexDigit(p[2]) && IsUpperHexDigit(p[3]) && p[4] == '_' &&
           !(p[2] == '0' && p[3] == '0');
}

// An element or attribute name for a key. An XML name is its own name, so every stored document
// reads as before; in any other key each byte that cannot stand in a name becomes "_xHH_", and
// the empty key is "_x_". A '_' that would read as the start of an escape is escaped itself, so
// that no two keys share a name.
std::string EncodeName(const char* key)
{
    if (!*key)
        return "_x_";
    static const char kHex[] = "0123456789ABCDEF";
    const bool utf8 = CXmlTextGuard::IsWellFormedUtf8(key);
    std::string name;
    for (const char* p = key; *p; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        bool escape = !IsNameByte(c, p == key, utf8);
        if (c == '_' && !escape) {
            // "_xHH" before an escape would join it; "_x_" alone is the empty key.
            const bool joinsNext = p[1] == 'x' && IsUpperHexDigit(p[2]) && IsUpperHexDigit(p[3]) && p[4] &&
                                   !IsNameByte(static_cast<unsigned char>(p[4]), false, utf8);
            escape = StartsEscape(p) || joinsNext || std::strcmp(key, "_x_") == 0;
        }
        if (escape) {
            name += "_x";
            name += kHex[c >> 4];
            name += kHex[c & 15];
            name += '_';
        } else {
            name += *p;
        }
    }
    return name;
}

} // namespace

CXmlBaseDataObject::CXmlBaseDataObject(TiXmlElement* element, int layout)
    : m_Element(element), m_Layout(layout), m_Indexed(false)
{
}

CXmlBaseDataObject::~CXmlBaseDataObject() {}

const char* CXmlBaseDataObject::KeyOf(const TiXmlElement& child) const
{
    return m_Layout == 1 ? child.Attribute("name") : child.Value();
}

void CXmlBaseDataObject::AppendChild(TiXmlElement* child)
{
    m_Element->LinkEndChild(child);
    if (m_Indexed) {
        if (const char* key = KeyOf(*child))
            m_Index.emplace(key, child);
    }
}

void CXmlBaseDataObject::InvalidateIndex() const
{
    m_Index.clear();
    m_Indexed = false;
}

TiXmlElement* CXmlBaseDataObject::FindChild(const char* name) const
{
    if (!m_Element || !name)
        return nullptr;
    if (m_Indexed) {
        const auto found = m_Index.find(name);
        return found == m_Index.end() ? nullptr : found->second;
    }
    // A reader usually asks for every child in turn, so a long walk is a sign of many more to come,
    // whether or not it ends in a match.
    const int kLinearSteps = 32;
    int steps = 0;
    for (TiXmlElement* child = m_Element->FirstChildElement(); child; child = child->NextSiblingElement()) {
        const char* key = KeyOf(*child);
        if (key && std::strcmp(key, name) == 0)
            return child;
        if (++steps > kLinearSteps) {
            BuildIndex();
            const auto found = m_Index.find(name);
            return found == m_Index.end() ? nullptr : found->second;
        }
    }
    return nullptr;
}

void CXmlBaseDataObject::BuildIndex() const
{
    for (TiXmlElement* child = m_Element->FirstChildElement(); child; child = child->NextSiblingElement()) {
        if (const char* key = KeyOf(*child))
            m_Index.emplace(key, child);
    }
    m_Indexed = true;
}

// Layout 1 keeps a key as its "name" attribute, unless it is not UTF-8, which no document may hold,
// or holds "_x", which an escaped key would: such keys are stored as the other layouts store them.
std::string CXmlBaseDataObject::StoredName(const char* name) const
{
    if (m_Layout == 1 && CXmlTextGuard::IsWellFormedUtf8(name) && !std::strstr(name, "_x"))
        return name;
    return EncodeName(name);
}

const char* CXmlBaseDataObject::FindText(const char* name) const
{
    if (!m_Element || !name)
        return nullptr;
    const std::string stored = StoredName(name);
    if (m_Layout == 2)
        return m_Element->Attribute(stored.c_str());
    const TiXmlElement* child = FindChild(stored.c_str());
    return child ? TextOf(*child) : nullptr;
}

bool CXmlBaseDataObject::ReadBool(const char* name, bool& value) const
{
    const char* text = FindText(name);
    if (!text)
        return false;
    CNumberText::ParseBool(text, value);
    return true;
}

bool CXmlBaseDataObject::ReadInt(const char* name, int& value) const
{
    const char* text = FindText(name);
    if (!text)
        return false;
    CNumberText::ParseInt(text, value);
    return true;
}

bool CXmlBaseDataObject::ReadFloat(const char* name, float& value) const
{
    const char* text = FindText(name);
    if (!text)
        return false;
    CNumberText::ParseFloat(text, value);
    return true;
}

bool CXmlBaseDataObject::ReadDouble(const char* name, double& value) const
{
    const char* text = FindText(name);
    if (!text)
        return false;
    CNumberText::ParseDouble(text, value);
    return true;
}

bool CXmlBaseDataObject::ReadString(const char* name, char*& value) const
{
    if (!Exists(name))
        return false;
    value = DuplicateText(FindText(name));
    return true;
}

bool CXmlBaseDataObject::ReadData(const char* name, void*& data, int& size) const
{
    if (!Exists(name))
        return false;
    const char* text = FindText(name);
    data = text ? CoreUtilities::Base64Decode(text, size) : nullptr;
    return true;
}

bool CXmlBaseDataObject::ReadObject(const char* name, IDeSerialize& object) const
{
    if (!name)
        return false;
    TiXmlElement* child = FindChild(StoredName(name).c_str());
    if (!child)
        return false;
    CXmlBaseDataObject stream(child, m_Layout);
    return object.DeSerialize(stream);
}

bool CXmlBaseDataObject::Exists(const char* name) const
{
    if (!m_Element || !name)
        return false;
    const std::string stored = StoredName(name);
    if (m_Layout == 2 && m_Element->Attribute(stored.c_str()))
        return true;
    return FindChild(stored.c_str()) != nullptr;
}

bool CXmlBaseDataObject::WriteText(const char* name, const char* kindTag, const char* text)
{
    if (!Remove(name) || !text)
        return false;
    const std::string stored = StoredName(name);
    if (m_Layout == 2) {
        m_Element->SetAttribute(stored.c_str(), text);
        return true;
    }
    TiXmlElement* child = new TiXmlElement(m_Layout == 1 ? kindTag : stored.c_str());
    if (m_Layout == 1)
        child->SetAttribute("name", stored.c_str());
    child->LinkEndChild(new TiXmlText(text));
    AppendChild(child);
    return true;
}

bool CXmlBaseDataObject::WriteBool(const char* name, const bool& value)
{
    char text[CNumberText::kBufferSize];
    CNumberText::FormatBool(value, text);
    return WriteText(name, "BOOL", text);
}

bool CXmlBaseDataObject::WriteInt(const char* name, const int& value)
{
    char text[CNumberText::kBufferSize];
    CNumberText::FormatInt(value, text);
    return WriteText(name, "INTEGER", text);
}

bool CXmlBaseDataObject::WriteFloat(const char* name, const float& value)
{
    char text[CNumberText::kBufferSize];
    CNumberText::FormatFloat(value, text);
    return WriteText(name, "FLOAT", text);
}

bool CXmlBaseDataObject::WriteDouble(const char* name, const double& value)
{
    char text[CNumberText::kBufferSize];
    CNumberText::FormatDouble(value, text);
    return WriteText(name, "DOUBLE", text);
}

bool CXmlBaseDataObject::WriteString(const char* name, const char* value)
{
    return WriteText(name, "STRING", value);
}

bool CXmlBaseDataObject::WriteData(const char* name, const void* data, int size)
{
    if (size < 0 || (size > 0 && !data))
        return false;
    char* text = CoreUtilities::Base64Encode(static_cast<const unsigned char*>(data), static_cast<unsigned long>(size));
    const bool written = text && WriteText(name, "DATA", text);
    delete[] text;
    return written;
}

bool CXmlBaseDataObject::WriteObject(const char* name, const ISerialize& object)
{
    if (!Remove(name))
        return false;
    const std::string stored = StoredName(name);
    TiXmlElement* child = new TiXmlElement(m_Layout == 1 ? "OBJECT" : stored.c_str());
    if (m_Layout == 1)
        child->SetAttribute("name", stored.c_str());
    AppendChild(child);
    CXmlBaseDataObject stream(child, m_Layout);
    return object.Serialize(stream);
}

bool CXmlBaseDataObject::Remove(const char* name)
{
    if (!m_Element || !name)
        return false;
    const std::string stored = StoredName(name);
    if (m_Layout == 2)
        m_Element->RemoveAttribute(stored.c_str());
    if (TiXmlElement* child = FindChild(stored.c_str())) {
        if (m_Indexed) {
            // The next element of that name, if any, becomes the first.
            m_Index.erase(stored);
            for (TiXmlElement* later = child->NextSiblingElement(); later; later = later->NextSiblingElement()) {
                const char* key = KeyOf(*later);
                if (key && stored == key) {
                    m_Index.emplace(stored, later);
                    break;
                }
            }
        }
        m_Element->RemoveChild(child);
    }
    return true;
}

void CXmlBaseDataObject::Clear()
{
    if (!m_Element)
        return;
    m_Element->Clear();
    InvalidateIndex();
    if (m_Layout == 2) {
        while (const TiXmlAttribute* attribute = m_Element->FirstAttribute()) {
            const std::string name = attribute->Name();
            m_Element->RemoveAttribute(name.c_str());
        }
    }
}

int CXmlBaseDataObject::GetValueCount() const
{
    if (!m_Element)
        return 0;
    int count = 0;
    for (const TiXmlElement* child = m_Element->FirstChildElement(); child; child = child->NextSiblingElement())
        ++count;
    if (m_Layout == 2) {
        for (const TiXmlAttribute* attribute = m_Element->FirstAttribute(); attribute; attribute = attribute->Next())
            ++count;
    }
    return count;
}

} // namespace Serialization
} // namespace Veltis
