#include "Veltis/Core/CCharString.h"

#include "Veltis/CoreUtilities/StringUtilities.h"

#include <cctype>
#include <climits>
#include <cstdint>
#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <locale.h>

namespace Veltis {
namespace Core {

namespace {

const char kEmpty[] = "";

int Length(const char* text)
{
    return static_cast<int>(std::strlen(text));
}

} // namespace

void CCharString::CBuffer::SetSizeDiscarding(int count, bool freeMemory)
{
    Resize(count, freeMemory, false);
}

char* CCharString::CBuffer::Release()
{
    char* data = m_Data;
    m_Data = nullptr;
    m_Count = 0;
    m_Capacity = 0;
    return data;
}

void CCharString::CBuffer::Adopt(char* data, int count, int capacity)
{
    if (data != m_Data)
        delete[] m_Data;
    m_Data = data;
    m_Count = data ? count : 0;
    m_Capacity = data ? capacity : 0;
}

void CCharString::CBuffer::Free()
{
    delete[] Release();
}

CCharString::CCharString() {}

CCharString::CCharString(const char* text)
{
    if (text)
        AssignRange(text, Length(text), true);
}

CCharString::CCharString(const CCharString& other)
{
    if (other.GetLength() > 0)
        AssignRange(other.GetString(), other.GetLength(), true);
}

CCharString::CCharString(char* text, bool attach)
{
    if (attach)
        Attach(text);
    else if (text)
        AssignRange(text, Length(text), true);
}

CCharString::~CCharString() {}

CCharString& CCharString::operator=(const char* text)
{
    Assign(text, true);
    return *this;
}

CCharString& CCharString::operator=(const CCharString& other)
{
    Assign(other, true);
    return *this;
}

const char* CCharString::GetString() const
{
    return m_Buffer.GetCount() >= 2 ? m_Buffer.GetData() : kEmpty;
}

int CCharString::GetLength() const
{
    return m_Buffer.GetCount() > 0 ? m_Buffer.GetCount() - 1 : 0;
}

const char* CCharString::GetStringAt(int index) const
{
    if (index < 0 || index > GetLength())
        return nullptr;
    return GetString() + index;
}

char* CCharString::Duplicate() const
{
    const int length = GetLength();
    char* copy = new char[length + 1];
    std::memcpy(copy, GetString(), static_cast<size_t>(length) + 1);
    return copy;
}

bool CCharString::ToDouble(double& out) const
{
    return CoreUtilities::ParseDouble(GetString(), out) > 0;
}

bool CCharString::operator==(const CCharString& other) const
{
    return std::strcmp(GetString(), other.GetString()) == 0;
}

bool CCharString::operator==(const char* text) const
{
    return std::strcmp(GetString(), text ? text : kEmpty) == 0;
}

bool CCharString::operator!=(const CCharString& other) const
{
    return !(*this == other);
}

bool CCharString::operator!=(const char* text) const
{
    return !(*this == text);
}

bool CCharString::operator<(const CCharString& other) const
{
    return std::strcmp(GetString(), other.GetString()) < 0;
}

int CCharString::Find(const char* pattern, int start) const
{
    if (!pattern || start < 0 || start >= GetLength())
        return -1;
    const char* text = GetString();
    const char* found = std::strstr(text + start, pattern);
    return found ? static_cast<int>(found - text) : -1;
}

int CCharString::Find(char c, int start) const
{
    if (start < 0)
        start = 0;
    return CoreUtilities::FindChar(GetString(), c, start);
}

int CCharString::ReverseFind(char c, int start) const
{
    const int length = GetLength();
    if (start < 0 || start > length)
        start = length;
    const char* text = GetString();
    for (int i = start; i >= 0; --i) {
        if (text[i] == c)
            return i;
    }
    return -1;
}

int CCharString::CountOccurrences(const char* pattern) const
{
    if (!pattern || !*pattern)
        return 0;
    const size_t step = std::strlen(pattern);
    int count = 0;
    for (const char* at = std::strstr(GetString(), pattern); at; at = std::strstr(at + step, pattern))
        ++count;
    return count;
}

bool CCharString::Contains(const char* text) const
{
    const char* data = m_Buffer.GetData();
    return data && text >= data && text < data + m_Buffer.GetCapacity();
}

void CCharString::AssignRange(const char* text, int n, bool release)
{
    if (Contains(text)) {
        // The text is part of our own buffer: move it to the front before the buffer can change.
        std::memmove(m_Buffer.GetData(), text, static_cast<size_t>(n));
        m_Buffer.GetData()[n] = '\0';
        m_Buffer.SetSize(n + 1, release);
        return;
    }
    m_Buffer.SetSizeDiscarding(n + 1, release);
    std::memcpy(m_Buffer.GetData(), text, static_cast<size_t>(n));
    m_Buffer.GetData()[n] = '\0';
}

void CCharString::Assign(const char* text, bool release)
{
    if (!text) {
        m_Buffer.Free();
        return;
    }
    AssignRange(text, Length(text), release);
}

void CCharString::Assign(const CCharString& other, bool release)
{
    if (&other != this)
        AssignRange(other.GetString(), other.GetLength(), release);
}

void CCharString::Append(const char* text, bool release)
{
    if (text)
        Append(text, Length(text), release);
}

void CCharString::Append(const char* text, int n, bool release)
{
    if (!text || n <= 0)
        return;
    n = static_cast<int>(strnlen(text, static_cast<size_t>(n)));
    if (n == 0)
        return;
    // The copying resize keeps our old text, so a text taken from it is found again at its offset.
    const bool own = Contains(text);
    const std::ptrdiff_t offset = own ? text - m_Buffer.GetData() : 0;
    const int length = GetLength();
    m_Buffer.SetSize(length + n + 1, release);
    char* data = m_Buffer.GetData();
    std::memmove(data + length, own ? data + offset : text, static_cast<size_t>(n));
    data[length + n] = '\0';
}

void CCharString::Append(const CCharString& other, bool release)
{
    Append(other.GetString(), other.GetLength(), release);
}

void CCharString::AssignLeft(const CCharString& source, int n, bool release)
{
    if (n <= 0) {
        m_Buffer.Free();
        return;
    }
    const int length = source.GetLength();
    AssignRange(source.GetString(), n < length ? n : length, release);
}

void CCharString::AssignMid(const CCharString& source, int first, int last, bool release)
{
    if (first < 0)
        first = 0;
    const int length = source.GetLength();
    if (first >= length) {
        m_Buffer.Free();
        return;
    }
    if (last > length - 1)
        last = length - 1;
    if (last < first) {
        Clear(release);
        return;
    }
    AssignRange(source.GetString() + first, last - first + 1, release);
}

void CCharString::GetSubString(int first, int last, CCharString& out) const
{
    out.AssignMid(*this, first, last, true);
}

void CCharString::Insert(const char* text, int index)
{
    const int length = GetLength();
    if (!text || !*text || index < 0 || index > length)
        return;
    if (Contains(text)) {
        const CCharString copy(text);
        Insert(copy.GetString(), index);
        return;
    }
    const int n = Length(text);
    m_Buffer.SetSize(length + n + 1, false);
    char* data = m_Buffer.GetData();
    std::memmove(data + index + n, data + index, static_cast<size_t>(length - index));
    std::memcpy(data + index, text, static_cast<size_t>(n));
    data[length + n] = '\0';
}

int CCharString::Replace(const char* pattern, const char* replacement)
{
    const int count = CountOccurrences(pattern);
    if (count == 0)
        return 0;
    if (!replacement)
        replacement = kEmpty;
    const int patternLength = Length(pattern);
    const int replacementLength = Length(replacement);
    const int64_t grownLength =
        GetLength() + static_cast<int64_t>(count) * (static_cast<int64_t>(replacementLength) - patternLength);
    // A result beyond what an int counts would overflow the length.
    if (grownLength >= INT_MAX)
        return 0;
    const int newLength = static_cast<int>(grownLength);
    if (newLength == 0) {
        m_Buffer.Free();
        return count;
    }
    char* fresh = new char[newLength + 1];
    char* out = fresh;
    const char* rest = GetString();
    for (const char* at = std::strstr(rest, pattern); at; at = std::strstr(rest, pattern)) {
        std::memcpy(out, rest, static_cast<size_t>(at - rest));
        out += at - rest;
        std::memcpy(out, replacement, static_cast<size_t>(replacementLength));
        out += replacementLength;
        rest = at + patternLength;
    }
    std::memcpy(out, rest, std::strlen(rest) + 1);
    m_Buffer.Adopt(fresh, newLength + 1, newLength + 1);
    return count;
}

void CCharString::Truncate(int n, bool release)
{
    if (n < 0)
        n = 0;
    if (n >= GetLength())
        return;
    m_Buffer.SetSize(n + 1, release);
    m_Buffer.GetData()[n] = '\0';
}

void CCharString::Clear(bool release)
{
    if (release)
        m_Buffer.Free();
    else
        m_Buffer.SetSize(0, false);
}

void CCharString::Reserve(int n, bool release)
{
    const int oldCount = m_Buffer.GetCount();
    const int length = GetLength();
    m_Buffer.SetSize((n > length ? n : length) + 1, release);
    m_Buffer.SetSize(oldCount > 0 ? oldCount : 1, false);
    if (oldCount == 0)
        m_Buffer.GetData()[0] = '\0';
}

void CCharString::Format(const char* format, ...)
{
    if (!format) {
        Clear(false);
        return;
    }
    // Number text is "C" whatever the process locale; uselocale only affects this thread.
    const locale_t previous = uselocale(CoreUtilities::GetClassicLocale());
    va_list args;
    va_start(args, format);
    va_list retry;
    va_copy(retry, args);
    int written = std::vsnprintf(m_Buffer.GetData(), static_cast<size_t>(m_Buffer.GetCapacity()), format, args);
    if (written >= m_Buffer.GetCapacity()) {
        Reserve(written, false);
        written = std::vsnprintf(m_Buffer.GetData(), static_cast<size_t>(m_Buffer.GetCapacity()), format, retry);
    }
    va_end(retry);
    va_end(args);
    uselocale(previous);
    if (written < 0) {
        Clear(false);
        return;
    }
    m_Buffer.SetSize(written + 1, false);
}

void CCharString::MakeLower()
{
    char* data = m_Buffer.GetData();
    const int length = GetLength();
    for (int i = 0; i < length; ++i)
        data[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(data[i])));
}

char* CCharString::Detach()
{
    if (!m_Buffer.GetData())
        return Duplicate();
    // A kept buffer of an empty string may still hold an old text.
    if (m_Buffer.GetCount() == 0)
        m_Buffer.GetData()[0] = '\0';
    return m_Buffer.Release();
}

void CCharString::Attach(char* text)
{
    if (!text) {
        m_Buffer.Free();
        return;
    }
    const int count = Length(text) + 1;
    m_Buffer.Adopt(text, count, text == m_Buffer.GetData() && count <= m_Buffer.GetCapacity()
                                    ? m_Buffer.GetCapacity()
                                    : count);
}

} // namespace Core
} // namespace Veltis
