#include "aax/AAX_CChunkDataParser.h"

#include <limits.h>
#include <string.h>

#include "platform/aax/AAXResult.h"

namespace {

const unsigned char kMarker[4] = {1, 1, 1, 1};
// A name is read up to this many bytes, whatever the data holds.
const int64_t kMaxNameBytes = 255;

int64_t RoundUp4(int64_t n) { return (n + 3) & ~int64_t(3); }

void WriteBigEndian(unsigned char* out, uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out[i] = static_cast<unsigned char>(value >> (8 * (bytes - 1 - i)));
}

uint64_t ReadBigEndian(const unsigned char* in, int bytes)
{
    uint64_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value = (value << 8) | in[i];
    return value;
}

// Length of the text at data[pos] up to its NUL, looking at no more than limit bytes; -1 without a NUL.
int64_t TextLength(const unsigned char* data, int64_t pos, int64_t limit)
{
    const void* nul = memchr(data + pos, 0, static_cast<size_t>(limit));
    return nul ? static_cast<const unsigned char*>(nul) - (data + pos) : -1;
}

// The types whose value has a fixed size: letter, value bytes, bytes the value takes in the data.
struct SFixedType {
    char m_Letter;
    int32_t m_Type;
    int m_ValueBytes;
    int m_SlotBytes;
};
const SFixedType kFixedTypes[] = {{'f', AAX_CChunkDataParser::kFloat, 4, 4},
                                  {'l', AAX_CChunkDataParser::kInt32, 4, 4},
                                  {'d', AAX_CChunkDataParser::kDouble, 8, 8},
                                  {'s', AAX_CChunkDataParser::kInt16, 2, 4}};
const char kStringLetter = 'r';

const SFixedType* FixedTypeOf(int32_t type)
{
    for (const SFixedType& fixed : kFixedTypes)
        if (fixed.m_Type == type)
            return &fixed;
    return nullptr;
}

const SFixedType* FixedTypeOfLetter(char letter)
{
    for (const SFixedType& fixed : kFixedTypes)
        if (fixed.m_Letter == letter)
            return &fixed;
    return nullptr;
}

char TypeLetter(int32_t type)
{
    const SFixedType* fixed = FixedTypeOf(type);
    return fixed ? fixed->m_Letter : type == AAX_CChunkDataParser::kString ? kStringLetter : '?';
}

int64_t ValueSize(const AAX_CChunkDataParser::ChunkEntry& entry)
{
    if (const SFixedType* fixed = FixedTypeOf(entry.m_Type))
        return fixed->m_SlotBytes;
    return entry.m_Type == AAX_CChunkDataParser::kString ? RoundUp4(int64_t(entry.m_Text.Length()) + 1) : 0;
}

} // namespace

void AAX_CChunkDataParser::Clear()
{
    m_LastFoundIndex = -1;
    m_Version = -1;
    m_Entries.clear();
}

void AAX_CChunkDataParser::AddDouble(const char* name, double value)
{
    ChunkEntry entry;
    entry.m_Type = kDouble;
    entry.m_Name = name;
    memcpy(&entry.m_Value, &value, sizeof value);
    m_Entries.push_back(entry);
}

void AAX_CChunkDataParser::AddInt32(const char* name, int32_t value)
{
    ChunkEntry entry;
    entry.m_Type = kInt32;
    entry.m_Name = name;
    entry.m_Value = static_cast<uint32_t>(value);
    m_Entries.push_back(entry);
}

void AAX_CChunkDataParser::AddString(const char* name, const AAX_IString& text)
{
    ChunkEntry entry;
    entry.m_Type = kString;
    entry.m_Name = name;
    entry.m_Text = text.Get();
    m_Entries.push_back(entry);
}

int32_t AAX_CChunkDataParser::FindEntry(const char* name)
{
    if (!name)
        return -1;
    const int32_t count = static_cast<int32_t>(m_Entries.size());
    if (m_LastFoundIndex >= count - 1)
        m_LastFoundIndex = -1;
    for (int32_t i = m_LastFoundIndex + 1; i < count; ++i)
        if (strcmp(m_Entries[i].m_Name.Get(), name) == 0)
            return m_LastFoundIndex = i;
    for (int32_t i = 0; i <= m_LastFoundIndex; ++i)
        if (strcmp(m_Entries[i].m_Name.Get(), name) == 0)
            return m_LastFoundIndex = i;
    return -1;
}

bool AAX_CChunkDataParser::FindDouble(const char* name, double* value)
{
    const int32_t index = FindEntry(name);
    if (index < 0 || m_Entries[index].m_Type != kDouble)
        return false;
    memcpy(value, &m_Entries[index].m_Value, sizeof *value);
    return true;
}

bool AAX_CChunkDataParser::FindInt32(const char* name, int32_t* value)
{
    const int32_t index = FindEntry(name);
    if (index < 0 || m_Entries[index].m_Type != kInt32)
        return false;
    *value = static_cast<int32_t>(static_cast<uint32_t>(m_Entries[index].m_Value));
    return true;
}

bool AAX_CChunkDataParser::FindString(const char* name, AAX_IString* text)
{
    const int32_t index = FindEntry(name);
    if (index < 0 || m_Entries[index].m_Type != kString)
        return false;
    *text = m_Entries[index].m_Text;
    return true;
}

int64_t AAX_CChunkDataParser::ComputeDataSize() const
{
    int64_t size = sizeof kMarker;
    for (const ChunkEntry& entry : m_Entries)
        size += RoundUp4(int64_t(entry.m_Name.Length()) + 3) + ValueSize(entry);
    return size;
}

int32_t AAX_CChunkDataParser::GetChunkDataSize() const
{
    const int64_t size = ComputeDataSize();
    return size > INT32_MAX ? INT32_MAX : static_cast<int32_t>(size);
}

int32_t AAX_CChunkDataParser::WriteChunk(AAXChunkRecord* chunk) const
{
    const int64_t size = ComputeDataSize();
    if (size > INT32_MAX)
        return AAXResult::kChunkNotWritten;
    chunk->m_Size = static_cast<int32_t>(size);
    unsigned char* data = AAXChunkData(chunk);
    memset(data, 0, static_cast<size_t>(size));
    memcpy(data, kMarker, sizeof kMarker);
    int64_t pos = sizeof kMarker;
    for (const ChunkEntry& entry : m_Entries) {
        data[pos] = static_cast<unsigned char>(TypeLetter(entry.m_Type));
        data[pos + 1] = '_';
        memcpy(data + pos + 2, entry.m_Name.Get(), entry.m_Name.Length());
        pos += RoundUp4(int64_t(entry.m_Name.Length()) + 3);
        if (const SFixedType* fixed = FixedTypeOf(entry.m_Type))
            WriteBigEndian(data + pos, entry.m_Value, fixed->m_ValueBytes);
        else if (entry.m_Type == kString)
            memcpy(data + pos, entry.m_Text.Get(), entry.m_Text.Length());
        pos += ValueSize(entry);
    }
    return AAXResult::kSuccess;
}

void AAX_CChunkDataParser::ReadChunk(const AAXChunkRecord* chunk)
{
    Clear();
    m_Version = chunk->m_Version;
    const int64_t size = chunk->m_Size;
    const unsigned char* data = AAXChunkData(chunk);
    if (size < 5 || memcmp(data, kMarker, sizeof kMarker) != 0)
        return;

    int64_t pos = sizeof kMarker;
    while (pos < size) {
        const int64_t limit = size - pos < kMaxNameBytes ? size - pos : kMaxNameBytes;
        int64_t headerLength = TextLength(data, pos, limit);
        if (headerLength < 0)
            headerLength = limit;
        const char* header = reinterpret_cast<const char*>(data + pos);
        ChunkEntry entry;
        if (headerLength >= 2)
            entry.m_Name = std::string(header + 2, static_cast<size_t>(headerLength - 2)).c_str();
        const char letter = headerLength >= 1 ? header[0] : '\0';
        pos = RoundUp4(pos + headerLength + 1);

        const int64_t remaining = size - pos;
        if (const SFixedType* fixed = FixedTypeOfLetter(letter)) {
            if (remaining < fixed->m_SlotBytes)
                return;
            entry.m_Type = fixed->m_Type;
            entry.m_Value = ReadBigEndian(data + pos, fixed->m_ValueBytes);
            pos += fixed->m_SlotBytes;
        } else if (letter == kStringLetter) {
            const int64_t length = remaining > 0 ? TextLength(data, pos, remaining) : -1;
            if (length < 0)
                return;
            entry.m_Type = kString;
            entry.m_Text = reinterpret_cast<const char*>(data + pos);
            pos = RoundUp4(pos + length + 1);
        }
        m_Entries.push_back(entry);
    }
}
