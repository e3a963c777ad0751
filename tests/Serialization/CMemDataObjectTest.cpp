#include "Veltis/Serialization/CMemDataObject.h"

#include "Veltis/Runtime/CObjectsFactory.h"
#include "Veltis/Serialization/CDataBuffer.h"
#include "Veltis/Serialization/CIncrementalMemDataObject.h"
#include "Veltis/Serialization/CXmlDataObject.h"

#include "TestSerializable.h"
#include "support/CAllocationCounter.h"
#include "support/XmlDocuments.h"

#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <string>

using namespace Veltis::Serialization;
using VeltisTest::CTestSerializable;
using VeltisTest::CompactText;
using VeltisTest::LoadText;

namespace {

void FillAllKinds(IWriteDataStream& stream)
{
    const unsigned char block[] = {9, 8, 7, 0};
    stream.WriteBool("b", true);
    stream.WriteInt("i", -12);
    stream.WriteFloat("f", 0.1f);
    stream.WriteDouble("d", 1e-300);
    stream.WriteString("s", "text");
    stream.WriteData("block", block, sizeof block);
    stream.WriteObject("sub", CTestSerializable([](IWriteDataStream& inner) {
        return inner.WriteFloat("g", 2.5f) && inner.WriteString("t", "");
    }));
}

void ExpectAllKinds(const IReadDataStream& stream)
{
    bool b = false;
    int i = 0;
    float f = 0;
    double d = 0;
    char* s = nullptr;
    void* block = nullptr;
    int size = 0;
    EXPECT_TRUE(stream.ReadBool("b", b));
    EXPECT_TRUE(b);
    EXPECT_TRUE(stream.ReadInt("i", i));
    EXPECT_EQ(i, -12);
    EXPECT_TRUE(stream.ReadFloat("f", f));
    EXPECT_EQ(f, 0.1f);
    EXPECT_TRUE(stream.ReadDouble("d", d));
    EXPECT_EQ(d, 1e-300);
    ASSERT_TRUE(stream.ReadString("s", s));
    EXPECT_STREQ(s, "text");
    delete[] s;
    ASSERT_TRUE(stream.ReadData("block", block, size));
    ASSERT_EQ(size, 4);
    EXPECT_EQ(std::memcmp(block, "\x09\x08\x07\x00", 4), 0);
    delete[] static_cast<unsigned char*>(block);
    float g = 0;
    char* t = nullptr;
    CTestSerializable reader(nullptr, [&](const IReadDataStream& inner) {
        return inner.ReadFloat("g", g) && inner.ReadString("t", t);
    });
    EXPECT_TRUE(stream.ReadObject("sub", reader));
    EXPECT_EQ(g, 2.5f);
    EXPECT_STREQ(t, "");
    delete[] t;
}

TEST(CMemDataObject, EveryKindRoundTripsInMemoryAndThroughAnXmlDocument)
{
    CMemDataObject memory;
    FillAllKinds(memory);
    ExpectAllKinds(memory);

    CXmlDataObject document("Preset", 0);
    ASSERT_TRUE(document.WriteObject("state", memory));
    CXmlDataObject loaded("Preset", 0);
    ASSERT_TRUE(LoadText(loaded, CompactText(document)));
    CMemDataObject copy;
    ASSERT_TRUE(loaded.ReadObject("state", copy));
    EXPECT_EQ(copy.GetValueCount(), 7);
    ExpectAllKinds(copy);
    EXPECT_EQ(copy.GetCell("sub")->GetType(), 0);
    EXPECT_EQ(copy.GetCell("f")->GetType(), 3);
}

TEST(CMemDataObject, SerializedFormOfTheStateExample)
{
    CMemDataObject state;
    state.WriteInt("size", 1);
    state.WriteString("skin", "ab");
    CXmlDataObject document("Preset", 0);
    document.WriteObject("state", state);
    const std::string size = "<ItemName%>size</ItemName%><Item%><type>2</type><value>AQAAAA==</value></Item%>";
    const std::string skin = "<ItemName%>skin</ItemName%><Item%><type>5</type><value>YWIA</value></Item%>";
    const auto numbered = [](std::string text, char index) {
        for (size_t at = text.find('%'); at != std::string::npos; at = text.find('%'))
            text[at] = index;
        return text;
    };
    const std::string head = "<?xml version=\"1.0\" encoding=\"utf-8\" ?><Preset><state><ItemsCount>2</ItemsCount>";
    const std::string tail = "</state></Preset>";
    const std::string text = CompactText(document);
    EXPECT_TRUE(text == head + numbered(size, '0') + numbered(skin, '1') + tail ||
                text == head + numbered(skin, '0') + numbered(size, '1') + tail)
        << text;
}

TEST(CMemDataObject, ReadsOfAbsentNamesOrOtherKindsLeaveTheOutput)
{
    CMemDataObject memory;
    memory.WriteString("v", "text");
    memory.WriteInt("v", 3);
    memory.WriteFloat("f", 1.0f);
    char* text = nullptr;
    EXPECT_FALSE(memory.ReadString("v", text)) << "the int replaced the string";
    int i = 7;
    EXPECT_FALSE(memory.ReadInt("f", i)) << "a float is not an int although both are four bytes";
    EXPECT_FALSE(memory.ReadInt("absent", i));
    EXPECT_EQ(i, 7);
    double d = 0;
    EXPECT_FALSE(memory.ReadDouble("f", d));
    EXPECT_FALSE(memory.WriteData("neg", "x", -1)) << "a negative size cannot be stored";
    EXPECT_FALSE(memory.Exists("neg"));
    EXPECT_TRUE(memory.Remove("absent"));
    memory.Clear();
    EXPECT_EQ(memory.GetValueCount(), 0);
}

TEST(CMemDataObject, NullStringAndEmptyBlockReadAsNull)
{
    CMemDataObject memory;
    memory.WriteString("s", nullptr);
    memory.WriteData("d", nullptr, 0);
    char* text = reinterpret_cast<char*>(1);
    EXPECT_TRUE(memory.ReadString("s", text));
    EXPECT_EQ(text, nullptr);
    void* data = &text;
    int size = 5;
    EXPECT_TRUE(memory.ReadData("d", data, size));
    EXPECT_EQ(data, nullptr);
    EXPECT_EQ(size, 0);
}

TEST(CMemDataObject, UntrustedSerializedFormsFailCleanly)
{
    struct Case { const char* label; std::string state; bool result; int cells; };
    const Case kCases[] = {
        {"no count", "<ItemName0>a</ItemName0>", false, 0},
        {"negative count", "<ItemsCount>-1</ItemsCount>", false, 0},
        {"huge count", "<ItemsCount>2000000000</ItemsCount><ItemName0>a</ItemName0>", false, 0},
        {"duplicate names keep the first",
         "<ItemsCount>2</ItemsCount><ItemName0>a</ItemName0><Item0><type>2</type><value>AQAAAA==</value></Item0>"
         "<ItemName1>a</ItemName1><Item1><type>2</type><value>AgAAAA==</value></Item1>", true, 1},
        {"item without name", "<ItemsCount>1</ItemsCount><Item0><type>2</type><value>AQAAAA==</value></Item0>", false, 0},
        {"cell without type reads as empty block",
         "<ItemsCount>1</ItemsCount><ItemName0>a</ItemName0><Item0><value>AQAAAA==</value></Item0>", false, 0},
        {"string without terminator", "<ItemsCount>1</ItemsCount><ItemName0>a</ItemName0>"
                                      "<Item0><type>5</type><value>YWJj</value></Item0>", true, 1},
        {"wrong size for an int", "<ItemsCount>1</ItemsCount><ItemName0>a</ItemName0>"
                                  "<Item0><type>2</type><value>AQAA</value></Item0>", true, 1},
        {"unknown type", "<ItemsCount>1</ItemsCount><ItemName0>a</ItemName0>"
                         "<Item0><type>77</type><value>AQAA</value></Item0>", true, 1},
        {"object cell without object", "<ItemsCount>1</ItemsCount><ItemName0>a</ItemName0>"
                                       "<Item0><type>0</type></Item0>", false, 0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.label);
        CXmlDataObject document("R", 0);
        ASSERT_TRUE(LoadText(document, "<R><state>" + c.state + "</state></R>"));
        CMemDataObject memory;
        memory.WriteInt("stale", 1);
        bool read = !c.result;
        bool limitHit = false;
        {
            // A count beyond what the stream holds must fail before building items: the limit stops a
            // read that tries to build them all at once, instead of letting it run for ever.
            VeltisTest::CAllocationCounter counter(1000);
            try {
                read = document.ReadObject("state", memory);
            } catch (const std::bad_alloc&) {
            }
            limitHit = counter.IsLimitHit();
        }
        EXPECT_FALSE(limitHit) << "the read kept allocating";
        EXPECT_EQ(read, c.result);
        EXPECT_EQ(memory.GetValueCount(), c.cells);
        int i = 0;
        char* text = nullptr;
        if (memory.ReadString("a", text)) {
            EXPECT_STREQ(text, "abc") << "strings come back terminated";
            delete[] text;
        }
        if (memory.ReadInt("a", i)) {
            EXPECT_EQ(i, 1);
        }
    }
}

// A sub-object whose own write fails makes the object write fail in every kind of stream, nested or
// not: a state saved incompletely must not be reported as saved.
TEST(CMemDataObject, ObjectWhoseWriteFailsFailsTheWrite)
{
    const CTestSerializable failing([](IWriteDataStream& inner) {
        inner.WriteInt("partial", 1);
        return false;
    });
    const CTestSerializable holdsFailing(
        [&](IWriteDataStream& inner) { return inner.WriteObject("inner", failing); });
    CMemDataObject memory;
    CIncrementalMemDataObject snapshot;
    CXmlDataObject document("R", 0);
    IWriteDataStream* const streams[] = {&memory, &snapshot, &document};
    for (IWriteDataStream* stream : streams) {
        SCOPED_TRACE(stream == &memory ? "memory" : stream == &snapshot ? "snapshot" : "document");
        EXPECT_FALSE(stream->WriteObject("o", failing));
        EXPECT_FALSE(stream->WriteObject("nested", holdsFailing));
        EXPECT_TRUE(stream->WriteObject("fine", CTestSerializable([](IWriteDataStream& inner) {
            return inner.WriteInt("v", 1);
        })));
    }
}

TEST(CDataBuffer, IsCreatedByTheRegistryUnderItsClassIdentifier)
{
    void* created = Veltis::Runtime::CObjectsFactory::GetInstance()->CreateObject(CDataBuffer::kClassId);
    ASSERT_NE(created, nullptr);
    CDataBuffer* cell = static_cast<CDataBuffer*>(created);
    EXPECT_EQ(cell->GetType(), -1);
    EXPECT_STREQ(cell->GetTypeId(), "{E39EF26D-BED5-40a7-8E3F-F563B4FC5CCE}");
    delete cell;
}

TEST(CDataBuffer, EqualityOfEachKind)
{
    CDataBuffer cell;
    cell.SetFloat(0.5f);
    EXPECT_TRUE(cell.IsEqual(0.5f));
    EXPECT_FALSE(cell.IsEqual(0.25f));
    EXPECT_FALSE(cell.IsEqual(0.5)) << "a double is another kind";
    cell.SetString("ab");
    EXPECT_TRUE(cell.IsEqual("ab"));
    EXPECT_FALSE(cell.IsEqual("abc"));
    EXPECT_FALSE(cell.IsEqual(static_cast<const char*>(nullptr)));
    cell.SetString(nullptr);
    EXPECT_TRUE(cell.IsEqual(static_cast<const char*>(nullptr)));
    const unsigned char bytes[] = {1, 2};
    cell.SetData(bytes, 2);
    EXPECT_TRUE(cell.IsEqual(bytes, 2));
    EXPECT_FALSE(cell.IsEqual(bytes, 1));
    cell.SetBool(true);
    EXPECT_TRUE(cell.IsEqual(true));
    EXPECT_FALSE(cell.IsEqual(1));
    EXPECT_EQ(cell.GetSize(), 1);
}

} // namespace
