#include <gtest/gtest.h>

#include <string.h>

#include <vector>

#include "aax/AAX_CChunkDataParser.h"
#include "platform/aax/AAXResult.h"

namespace {

// A chunk record with room for data bytes after the 56-byte header.
struct CChunkBuffer {
    explicit CChunkBuffer(size_t dataBytes) : m_Bytes(kAAXChunkHeaderSize + dataBytes, 0xEE) {}
    AAXChunkRecord* Get() { return reinterpret_cast<AAXChunkRecord*>(m_Bytes.data()); }
    std::vector<unsigned char> Data() { return std::vector<unsigned char>(AAXChunkData(Get()), AAXChunkData(Get()) + Get()->m_Size); }
    std::vector<unsigned char> m_Bytes;
};

CChunkBuffer Write(const AAX_CChunkDataParser& parser)
{
    CChunkBuffer buffer(static_cast<size_t>(parser.GetChunkDataSize()));
    EXPECT_EQ(parser.WriteChunk(buffer.Get()), AAXResult::kSuccess);
    return buffer;
}

// A record whose declared size is exactly the given data.
CChunkBuffer WithData(const std::vector<unsigned char>& data, int32_t version = 0)
{
    CChunkBuffer buffer(data.size());
    buffer.Get()->m_Size = static_cast<int32_t>(data.size());
    buffer.Get()->m_Version = version;
    if (!data.empty())
        memcpy(AAXChunkData(buffer.Get()), data.data(), data.size());
    return buffer;
}

typedef std::vector<unsigned char> Bytes;

} // namespace

TEST(AAX_CChunkDataParserTest, WritesTheDocumentedBytes)
{
    struct Case {
        const char* what;
        void (*fill)(AAX_CChunkDataParser&);
        Bytes data;
    };
    const Case kCases[] = {
        {"empty", [](AAX_CChunkDataParser&) {}, {1, 1, 1, 1}},
        {"int32", [](AAX_CChunkDataParser& p) { p.AddInt32("ab", 1); },
         {1, 1, 1, 1, 0x6C, 0x5F, 0x61, 0x62, 0, 0, 0, 0, 0, 0, 0, 1}},
        {"double", [](AAX_CChunkDataParser& p) { p.AddDouble("a", 1.0); },
         {1, 1, 1, 1, 0x64, 0x5F, 0x61, 0, 0x3F, 0xF0, 0, 0, 0, 0, 0, 0}},
        {"short string", [](AAX_CChunkDataParser& p) { p.AddString("a", AAX_CString("xyz")); },
         {1, 1, 1, 1, 0x72, 0x5F, 0x61, 0, 0x78, 0x79, 0x7A, 0}},
        {"four-character string", [](AAX_CChunkDataParser& p) { p.AddString("a", AAX_CString("xyzw")); },
         {1, 1, 1, 1, 0x72, 0x5F, 0x61, 0, 0x78, 0x79, 0x7A, 0x77, 0, 0, 0, 0}},
        {"negative int32", [](AAX_CChunkDataParser& p) { p.AddInt32("", -2); },
         {1, 1, 1, 1, 0x6C, 0x5F, 0, 0, 0xFF, 0xFF, 0xFF, 0xFE}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        AAX_CChunkDataParser parser;
        c.fill(parser);
        EXPECT_EQ(parser.GetChunkDataSize(), static_cast<int32_t>(c.data.size()));
        CChunkBuffer buffer = Write(parser);
        EXPECT_EQ(buffer.Data(), c.data);
    }
}

TEST(AAX_CChunkDataParserTest, ReadsBackWhatItWroteWithTheChunkVersion)
{
    AAX_CChunkDataParser writer;
    writer.AddInt32("gain", -7);
    writer.AddDouble("freq", 1234.5);
    writer.AddString("name", AAX_CString("Flat"));
    writer.AddString("empty", AAX_CString(""));
    CChunkBuffer buffer = Write(writer);
    buffer.Get()->m_Version = 3;

    AAX_CChunkDataParser reader;
    reader.ReadChunk(buffer.Get());
    EXPECT_EQ(reader.GetVersion(), 3);
    ASSERT_EQ(reader.GetEntries().size(), 4u);
    int32_t gain = 0;
    double freq = 0;
    AAX_CString name, empty("x");
    EXPECT_TRUE(reader.FindInt32("gain", &gain));
    EXPECT_TRUE(reader.FindDouble("freq", &freq));
    EXPECT_TRUE(reader.FindString("name", &name));
    EXPECT_TRUE(reader.FindString("empty", &empty));
    EXPECT_EQ(gain, -7);
    EXPECT_EQ(freq, 1234.5);
    EXPECT_STREQ(name.Get(), "Flat");
    EXPECT_STREQ(empty.Get(), "");
    EXPECT_EQ(Write(reader).Data(), buffer.Data());

    reader.Clear();
    EXPECT_EQ(reader.GetVersion(), -1);
    EXPECT_FALSE(reader.FindInt32("gain", &gain));
}

TEST(AAX_CChunkDataParserTest, FindersAnswerOnlyForTheirTypeAndKeepTheOutput)
{
    AAX_CChunkDataParser parser;
    parser.AddInt32("i", 5);
    parser.AddDouble("d", 2.5);
    double d = -1;
    int32_t i = -1;
    AAX_CString s("kept");
    EXPECT_FALSE(parser.FindDouble("i", &d));
    EXPECT_FALSE(parser.FindInt32("d", &i));
    EXPECT_FALSE(parser.FindString("i", &s));
    EXPECT_FALSE(parser.FindInt32("missing", &i));
    EXPECT_FALSE(parser.FindInt32(nullptr, &i));
    EXPECT_EQ(d, -1);
    EXPECT_EQ(i, -1);
    EXPECT_STREQ(s.Get(), "kept");
}

TEST(AAX_CChunkDataParserTest, LookupStartsAfterTheLastFoundEntryAndWrapsAround)
{
    AAX_CChunkDataParser parser;
    parser.AddInt32("a", 1);
    parser.AddInt32("b", 2);
    parser.AddInt32("a", 3);
    const int32_t kExpected[] = {1, 3, 1, 3};
    for (int32_t expected : kExpected) {
        int32_t value = 0;
        EXPECT_TRUE(parser.FindInt32("a", &value));
        EXPECT_EQ(value, expected);
    }
    int32_t value = 0;
    EXPECT_TRUE(parser.FindInt32("b", &value));
    EXPECT_EQ(value, 2);
    // After the middle entry, the search goes on from the third one.
    EXPECT_TRUE(parser.FindInt32("a", &value));
    EXPECT_EQ(value, 3);
}

TEST(AAX_CChunkDataParserTest, ReadsTypesItCannotAddAndSkipsUnknownLetters)
{
    const Bytes data = {1, 1, 1, 1,
                        'f', '_', 'x', 0, 0x3F, 0x80, 0, 0,   // float 1.0
                        's', '_', 'y', 0, 0x12, 0x34, 0, 0,   // 16-bit 0x1234
                        'q', '_', 'z', 0,                     // unknown: no value
                        'l', '_', 'w', 0, 0, 0, 0, 9};
    AAX_CChunkDataParser parser;
    parser.ReadChunk(WithData(data).Get());
    const std::vector<AAX_CChunkDataParser::ChunkEntry>& entries = parser.GetEntries();
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].m_Type, AAX_CChunkDataParser::kFloat);
    EXPECT_EQ(entries[0].m_Value, 0x3F800000u);
    EXPECT_EQ(entries[1].m_Type, AAX_CChunkDataParser::kInt16);
    EXPECT_EQ(entries[1].m_Value, 0x1234u);
    EXPECT_EQ(entries[2].m_Type, AAX_CChunkDataParser::kUnknownType);
    EXPECT_STREQ(entries[2].m_Name.Get(), "z");
    int32_t w = 0;
    EXPECT_TRUE(parser.FindInt32("w", &w));
    EXPECT_EQ(w, 9);
}

TEST(AAX_CChunkDataParserTest, DamagedDataYieldsWhatFitsAndNeverReadsPastTheSize)
{
    struct Case {
        const char* what;
        Bytes data;
        size_t entries;
    };
    const Case kCases[] = {
        {"size 0", {}, 0},
        {"marker only", {1, 1, 1, 1}, 0},
        {"no marker", {1, 1, 1, 2, 'l', '_', 'a', 0, 0, 0, 0, 1}, 0},
        {"int cut off", {1, 1, 1, 1, 'l', '_', 'a', 0, 0, 0, 0}, 0},
        {"double cut off", {1, 1, 1, 1, 'd', '_', 'a', 0, 0x3F, 0xF0, 0, 0}, 0},
        {"text without NUL", {1, 1, 1, 1, 'r', '_', 'a', 0, 'x', 'y', 'z'}, 0},
        {"header without NUL", {1, 1, 1, 1, 'l', '_', 'a', 'b'}, 0},
        {"entry then cut", {1, 1, 1, 1, 'l', '_', 'a', 0, 0, 0, 0, 1, 'd', '_', 'b', 0, 1}, 1},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        // The bytes after the declared data would continue every cut value: they must not be read.
        Bytes padded = c.data;
        padded.insert(padded.end(), 16, 0);
        CChunkBuffer buffer = WithData(padded);
        buffer.Get()->m_Size = static_cast<int32_t>(c.data.size());
        AAX_CChunkDataParser parser;
        parser.AddInt32("stale", 1);
        parser.ReadChunk(buffer.Get());
        EXPECT_EQ(parser.GetEntries().size(), c.entries);
    }
}

TEST(AAX_CChunkDataParserTest, NegativeSizeReadsAsEmpty)
{
    CChunkBuffer buffer(4);
    buffer.Get()->m_Size = -100;
    AAX_CChunkDataParser parser;
    parser.ReadChunk(buffer.Get());
    EXPECT_TRUE(parser.GetEntries().empty());
}

TEST(AAX_CChunkDataParserTest, LongNamesAreCutAt255Bytes)
{
    Bytes data = {1, 1, 1, 1, 'l', '_'};
    data.insert(data.end(), 300, 'n');
    data.push_back(0);
    while (data.size() % 4)
        data.push_back(0);
    data.insert(data.end(), {0, 0, 0, 7});
    AAX_CChunkDataParser parser;
    parser.ReadChunk(WithData(data).Get());
    ASSERT_FALSE(parser.GetEntries().empty());
    EXPECT_EQ(parser.GetEntries()[0].m_Name.Length(), 253u);
}
