#pragma once

#include <stdint.h>

#include <vector>

#include "aax/AAX_CString.h"
#include "platform/aax/AAXChunkRecord.h"

// A list of typed, named values written to and read from a state chunk's data: a marker, then per
// entry a type letter, '_', the name and its value, big-endian and 4-byte aligned.
class AAX_CChunkDataParser {
public:
    enum EType { kUnknownType = 0, kFloat = 1, kInt32 = 2, kDouble = 3, kInt16 = 4, kString = 5 };

    struct ChunkEntry {
        int32_t m_Type = kUnknownType;
        AAX_CString m_Name;
        // The double's bits for kDouble; the float's bits or the integer in the low bits otherwise.
        uint64_t m_Value = 0;
        AAX_CString m_Text;
    };

    AAX_CChunkDataParser() = default;
    virtual ~AAX_CChunkDataParser() = default;

    void Clear();
    void AddDouble(const char* name, double value);
    void AddInt32(const char* name, int32_t value);
    void AddString(const char* name, const AAX_IString& text);

    bool FindDouble(const char* name, double* value);
    bool FindInt32(const char* name, int32_t* value);
    bool FindString(const char* name, AAX_IString* text);

    int32_t GetChunkDataSize() const;
    // The caller has set aside 56 + GetChunkDataSize() bytes; returns 0, or -333 when the data
    // cannot be represented.
    int32_t WriteChunk(AAXChunkRecord* chunk) const;
    // The record holds 56 + m_Size bytes (a negative size reads as empty). Reading never goes past
    // the declared size: a value cut off by it ends the list.
    void ReadChunk(const AAXChunkRecord* chunk);

    int32_t GetVersion() const { return m_Version; }
    const std::vector<ChunkEntry>& GetEntries() const { return m_Entries; }

private:
    int64_t ComputeDataSize() const;
    // Index of the entry named name, starting after the last one found; -1 when none.
    int32_t FindEntry(const char* name);

    int32_t m_LastFoundIndex = -1;
    int32_t m_Version = -1;
    std::vector<ChunkEntry> m_Entries;
};
