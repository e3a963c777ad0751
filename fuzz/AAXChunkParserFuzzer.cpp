// Arbitrary bytes as the data of a chunk record whose size field never exceeds the buffer: the parser
// reads them, every finder runs, and what was read must write and read back to the same entries.
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <vector>

#include "aax/AAX_CChunkDataParser.h"

namespace {

std::vector<uint64_t> Record(const uint8_t* data, size_t size, int32_t declared)
{
    std::vector<uint64_t> record((kAAXChunkHeaderSize + size + 7) / 8 + 1, 0);
    AAXChunkRecord* chunk = reinterpret_cast<AAXChunkRecord*>(record.data());
    chunk->m_Size = declared;
    chunk->m_Version = 7;
    if (size)
        memcpy(AAXChunkData(chunk), data, size);
    return record;
}

void RunFinders(AAX_CChunkDataParser& parser)
{
    std::vector<AAX_CString> names;
    for (const AAX_CChunkDataParser::ChunkEntry& entry : parser.GetEntries())
        names.push_back(entry.m_Name);
    names.push_back(AAX_CString("missing"));
    for (const AAX_CString& name : names) {
        double d = 0;
        int32_t i = 0;
        AAX_CString s;
        parser.FindDouble(name.Get(), &d);
        parser.FindInt32(name.Get(), &i);
        parser.FindString(name.Get(), &s);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4)
        return 0;
    int32_t declared = 0;
    memcpy(&declared, data, 4);
    data += 4;
    size -= 4;
    if (declared > static_cast<int64_t>(size))
        declared = static_cast<int32_t>(size);

    std::vector<uint64_t> record = Record(data, size, declared);
    AAX_CChunkDataParser parser;
    parser.ReadChunk(reinterpret_cast<const AAXChunkRecord*>(record.data()));
    RunFinders(parser);

    const int32_t written = parser.GetChunkDataSize();
    std::vector<uint64_t> copy((kAAXChunkHeaderSize + static_cast<size_t>(written) + 7) / 8, 0);
    AAXChunkRecord* rewritten = reinterpret_cast<AAXChunkRecord*>(copy.data());
    if (parser.WriteChunk(rewritten) != 0)
        abort();
    AAX_CChunkDataParser again;
    again.ReadChunk(rewritten);
    if (again.GetEntries().size() != parser.GetEntries().size())
        abort();
    for (size_t i = 0; i < parser.GetEntries().size(); ++i) {
        const AAX_CChunkDataParser::ChunkEntry& a = parser.GetEntries()[i];
        const AAX_CChunkDataParser::ChunkEntry& b = again.GetEntries()[i];
        if (a.m_Type != b.m_Type || a.m_Name != b.m_Name || a.m_Value != b.m_Value || a.m_Text != b.m_Text)
            abort();
    }
    return 0;
}
