#pragma once

#include <stddef.h>
#include <stdint.h>

// The header of a state chunk as exchanged with the host; the data follows at offset 56 and is
// m_Size bytes long. Whoever allocates a record allocates 56 + m_Size bytes at least.
struct AAXChunkRecord {
    int32_t m_Size;
    int32_t m_Version;
    uint32_t m_HostFields[3];
    uint32_t m_Identifier;
    char m_Name[32];
};
static_assert(sizeof(AAXChunkRecord) == 56, "chunk data starts at offset 56");
static_assert(offsetof(AAXChunkRecord, m_Size) == 0, "size at 0");
static_assert(offsetof(AAXChunkRecord, m_Version) == 4, "version at 4");
static_assert(offsetof(AAXChunkRecord, m_Identifier) == 20, "identifier at 20");
static_assert(offsetof(AAXChunkRecord, m_Name) == 24, "name at 24");

constexpr size_t kAAXChunkHeaderSize = sizeof(AAXChunkRecord);

inline unsigned char* AAXChunkData(AAXChunkRecord* chunk)
{
    return reinterpret_cast<unsigned char*>(chunk) + kAAXChunkHeaderSize;
}
inline const unsigned char* AAXChunkData(const AAXChunkRecord* chunk)
{
    return reinterpret_cast<const unsigned char*>(chunk) + kAAXChunkHeaderSize;
}

// Four-character codes: the first character is the most significant byte.
constexpr uint32_t AAXFourCharCode(const char (&code)[5])
{
    return (static_cast<uint32_t>(static_cast<unsigned char>(code[0])) << 24) |
           (static_cast<uint32_t>(static_cast<unsigned char>(code[1])) << 16) |
           (static_cast<uint32_t>(static_cast<unsigned char>(code[2])) << 8) |
           static_cast<uint32_t>(static_cast<unsigned char>(code[3]));
}
