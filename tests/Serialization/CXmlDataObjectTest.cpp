#include "Veltis/Serialization/CXmlDataObject.h"

#include "Veltis/Containers/CNamedAttributes.h"
#include "Veltis/Core/TDynamicVector.h"
#include "Veltis/Serialization/CMemDataObject.h"
#include "Veltis/Serialization/CSerializableNamedAttributes.h"
#include "Veltis/Serialization/CTypeSerializer.h"
#include "Veltis/Serialization/CXmlTextGuard.h"
#include "Veltis/Serialization/TDynamicVectorDeSerializer.h"
#include "Veltis/Serialization/TRuntimeDeSerializer.h"
#include "Veltis/Serialization/TSerializableNamedValue.h"
#include "Veltis/Serialization/TStdContainerDeSerializer.h"
#include "Veltis/Serialization/TStdContainerSerializer.h"
#include "Veltis/Serialization/TVectorSerializer.h"

#include "support/DecimalCommaLocale.h"
#include "support/XmlDocuments.h"
#include "TestFunction.h"
#include "TestSerializable.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>
#include <fstream>
#include <list>
#include <memory>
#include <sstream>
#include <string>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using Veltis::Serialization::CXmlDataObject;
using Veltis::Serialization::IReadDataStream;
using Veltis::Serialization::IWriteDataStream;
using VeltisTest::CTestSerializable;
using VeltisTest::CompactText;
using VeltisTest::LoadText;

namespace {

class CTempFile {
public:
    CTempFile()
    {
        char path[] = "/tmp/veltis-xml-XXXXXX";
        const int fd = mkstemp(path);
        if (fd >= 0)
            close(fd);
        m_Path = path;
    }
    ~CTempFile() { std::remove(m_Path.c_str()); }
    const char* Path() const { return m_Path.c_str(); }

    std::string Read() const
    {
        std::ifstream in(m_Path, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    void Write(const std::string& text) const
    {
        std::ofstream out(m_Path, std::ios::binary);
        out << text;
    }

private:
    std::string m_Path;
};

std::string FileText(const CXmlDataObject& document)
{
    CTempFile file;
    EXPECT_TRUE(document.SaveFile(file.Path()));
    return file.Read();
}

std::string ReadString(const IReadDataStream& stream, const char* name, bool* found = nullptr)
{
    char* text = nullptr;
    const bool read = stream.ReadString(name, text);
    if (found)
        *found = read;
    const std::string result = text ? text : "<null>";
    delete[] text;
    return read ? result : "<absent>";
}

void WritePreset(CXmlDataObject& document)
{
    const unsigned char blob[] = {1, 2, 3};
    document.WriteInt("version", 2);
    document.WriteString("name", "A & B");
    document.WriteFloat("gain", 0.5f);
    document.WriteData("blob", blob, 3);
    CTestSerializable sub([](IWriteDataStream& stream) {
        return stream.WriteBool("on", true) && stream.WriteDouble("x", 0.25);
    });
    document.WriteObject("sub", sub);
}

TEST(CXmlDataObject, PresetExampleSavesByteForByteInBothForms)
{
    CXmlDataObject document("Preset", 0);
    WritePreset(document);
    const std::string lines[] = {
        "<?xml version=\"1.0\" encoding=\"utf-8\" ?>", "<Preset>", "    <version>2</version>",
        "    <name>A &amp; B</name>", "    <gain>0.5</gain>", "    <blob>AQID</blob>", "    <sub>",
        "        <on>1</on>", "        <x>0.25</x>", "    </sub>", "</Preset>",
    };
    std::string file;
    std::string compact;
    for (const std::string& line : lines) {
        file += line + "\n";
        compact += line.substr(line.find_first_not_of(' '));
    }
    EXPECT_EQ(FileText(document), file);
    EXPECT_EQ(CompactText(document), compact);
}

TEST(CXmlDataObject, EmptyObjectPrintsAsEmptyElementAndRewrittenValueMovesToTheEnd)
{
    CXmlDataObject document("Preset", 0);
    document.WriteFloat("gain", 0.5f);
    CTestSerializable empty([](IWriteDataStream&) { return true; });
    document.WriteObject("sub", empty);
    document.WriteFloat("gain", 0.75f);
    EXPECT_EQ(FileText(document), "<?xml version=\"1.0\" encoding=\"utf-8\" ?>\n<Preset>\n    <sub />\n"
                                  "    <gain>0.75</gain>\n</Preset>\n");
}

TEST(CXmlDataObject, TextsAreEscapedAndReadBackUnchanged)
{
    struct Case { const char* text; const char* printed; };
    const Case kCases[] = {
        {"a<b>c", "a&lt;b&gt;c"},
        {"q\"u'o", "q&quot;u&apos;o"},
        {"line\nfeed\ttab\rcr", "line&#x0A;feed&#x09;tab&#x0D;cr"},
        {"&#x41;", "&amp;#x41;"},
        {"&amp; stays", "&amp;amp; stays"},
        {"\xC3\xA9t\xC3\xA9 \x7F", "\xC3\xA9t\xC3\xA9 \x7F"},
        {" a ", " a "},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.text);
        CXmlDataObject document("R", 0);
        document.WriteString("s", c.text);
        const std::string compact = CompactText(document);
        EXPECT_NE(compact.find(std::string("<s>") + c.printed + "</s>"), std::string::npos) << compact;

        CXmlDataObject compactCopy("R", 0);
        ASSERT_TRUE(LoadText(compactCopy, compact));
        EXPECT_EQ(ReadString(compactCopy, "s"), c.text);

        CTempFile file;
        ASSERT_TRUE(document.SaveFile(file.Path()));
        CXmlDataObject fileCopy("R", 0);
        ASSERT_TRUE(fileCopy.LoadFile(file.Path()));
        EXPECT_EQ(ReadString(fileCopy, "s"), c.text);
    }
}

// A string may reach a document without passing its reader (a name a host gave); its bytes that are
// not UTF-8 are written as U+FFFD, so that the saved document loads again in every layout.
TEST(CXmlDataObject, BytesThatAreNotUtf8AreWrittenAsReplacementCharacters)
{
    struct Case { const char* text; const char* repaired; };
    const Case kCases[] = {
        {"\x80", "\xEF\xBF\xBD"},
        {"ab\xC3", "ab\xEF\xBF\xBD"},
        {"\xFF\xFE<", "\xEF\xBF\xBD\xEF\xBF\xBD<"},
        {"\xC3\xA9 \xE2\x82 \xE2\x82\xAC", "\xC3\xA9 \xEF\xBF\xBD\xEF\xBF\xBD \xE2\x82\xAC"},
    };
    for (int layout = 0; layout < 3; ++layout) {
        for (const Case& c : kCases) {
            SCOPED_TRACE(testing::Message() << "layout " << layout << ": " << c.text);
            CXmlDataObject document("R", layout);
            document.WriteString("s", c.text);
            const std::string compact = CompactText(document);
            EXPECT_TRUE(Veltis::Serialization::CXmlTextGuard::IsWellFormedUtf8(compact)) << compact;
            CXmlDataObject copy("R", layout);
            ASSERT_TRUE(LoadText(copy, compact));
            EXPECT_EQ(ReadString(copy, "s"), c.repaired);

            CTempFile file;
            ASSERT_TRUE(document.SaveFile(file.Path()));
            CXmlDataObject fileCopy("R", layout);
            ASSERT_TRUE(fileCopy.LoadFile(file.Path()));
            EXPECT_EQ(ReadString(fileCopy, "s"), c.repaired);
        }
    }
}

TEST(CXmlDataObject, EmptyAndBlankStrings)
{
    CXmlDataObject document("R", 0);
    document.WriteString("empty", "");
    document.WriteString("blank", "   ");
    EXPECT_EQ(CompactText(document),
              "<?xml version=\"1.0\" encoding=\"utf-8\" ?><R><empty></empty><blank>   </blank></R>");
    EXPECT_NE(FileText(document).find("    <empty></empty>\n"), std::string::npos);

    CXmlDataObject copy("R", 0);
    ASSERT_TRUE(LoadText(copy, CompactText(document)));
    bool found = false;
    EXPECT_EQ(ReadString(copy, "empty", &found), "");
    EXPECT_TRUE(found);
    EXPECT_EQ(ReadString(copy, "blank"), "") << "whitespace-only text is dropped";
    int number = 5;
    EXPECT_FALSE(copy.ReadInt("empty", number));
    EXPECT_EQ(number, 5);
}

TEST(CXmlDataObject, ReadingRules)
{
    CXmlDataObject document("R", 0);
    ASSERT_TRUE(LoadText(document, "<R><n>12xyz</n><x>xyz</x><e></e><w>   </w><c><k>1</k></c><s> 7 </s>"
                               "<two>2</two><big>99999999999</big><f>0.5abc</f><nan>nan</nan><one>1</one></R>"));
    struct Case { const char* name; bool found; int intValue; float floatValue; bool boolValue; };
    const int kI = 77;
    const float kF = 7.5f;
    const bool kB = false;
    const Case kCases[] = {
        {"n", true, 12, 12.0f, kB},      {"x", true, kI, kF, kB},       {"e", false, kI, kF, kB},
        {"w", false, kI, kF, kB},        {"c", false, kI, kF, kB},      {"s", true, 7, 7.0f, kB},
        {"two", true, 2, 2.0f, kB},      {"big", true, kI, 99999999999.0f, kB},
        {"f", true, 0, 0.5f, false},     {"nan", true, kI, kF, kB},     {"one", true, 1, 1.0f, true},
        {"absent", false, kI, kF, kB},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        int i = kI;
        float f = kF;
        double d = kF;
        bool b = kB;
        EXPECT_EQ(document.ReadInt(c.name, i), c.found);
        EXPECT_EQ(document.ReadFloat(c.name, f), c.found);
        EXPECT_EQ(document.ReadDouble(c.name, d), c.found);
        EXPECT_EQ(document.ReadBool(c.name, b), c.found);
        EXPECT_EQ(i, c.intValue);
        EXPECT_EQ(f, c.floatValue);
        EXPECT_EQ(static_cast<float>(d), c.floatValue);
        EXPECT_EQ(b, c.boolValue);
    }
    bool found = false;
    EXPECT_EQ(ReadString(document, "c", &found), "");
    EXPECT_TRUE(found) << "an element with children but no text reads as an empty string";
    EXPECT_EQ(ReadString(document, "s"), " 7 ");
}

TEST(CXmlDataObject, BinaryBlocksRoundTripAndMalformedBase64ReadsAsNoData)
{
    CXmlDataObject document("R", 0);
    const unsigned char bytes[] = {0, 255, 128, 10, 13, 60};
    document.WriteData("block", bytes, sizeof bytes);
    document.WriteData("none", nullptr, 0);
    CXmlDataObject copy("R", 0);
    ASSERT_TRUE(LoadText(copy, CompactText(document)));

    void* data = nullptr;
    int size = -1;
    ASSERT_TRUE(copy.ReadData("block", data, size));
    ASSERT_EQ(size, static_cast<int>(sizeof bytes));
    EXPECT_EQ(std::string(static_cast<char*>(data), size), std::string(reinterpret_cast<const char*>(bytes), size));
    delete[] static_cast<unsigned char*>(data);

    ASSERT_TRUE(LoadText(copy, "<R><bad>abc</bad><empty></empty></R>"));
    for (const char* name : {"bad", "empty"}) {
        SCOPED_TRACE(name);
        data = &size;
        size = 99;
        EXPECT_TRUE(copy.ReadData(name, data, size));
        EXPECT_EQ(data, nullptr);
        EXPECT_EQ(size, 99);
    }
    EXPECT_FALSE(copy.ReadData("absent", data, size));
}

TEST(CXmlDataObject, DuplicateNamesReadTheFirstAndAWriteReplacesOnlyTheFirst)
{
    CXmlDataObject document("R", 0);
    ASSERT_TRUE(LoadText(document, "<R><v>1</v><v>2</v></R>"));
    int value = 0;
    ASSERT_TRUE(document.ReadInt("v", value));
    EXPECT_EQ(value, 1);
    document.WriteInt("v", 3);
    ASSERT_TRUE(document.ReadInt("v", value));
    EXPECT_EQ(value, 2);
    EXPECT_EQ(CompactText(document), "<R><v>2</v><v>3</v></R>") << "a loaded document without declaration keeps none";
}

TEST(CXmlDataObject, LoadingFromMemory)
{
    const std::string good = "<?xml version=\"1.0\" encoding=\"utf-8\" ?><Root><a>5</a></Root>";
    struct Case { std::string text; bool loads; };
    const Case kCases[] = {
        {good, true},
        {good + std::string(1, '\0'), true},
        {good + std::string(1, '\0') + "<junk", true},
        {"  \n" + good, true},
        {"<Root><a>5</a>", false},
        {"<Root><a>5</b></Root>", false},
        {"", false},
        {"just text", false},
        {"<!-- only a comment -->", false},
        {"<Root a='1' a='2'/>", false},
        {"<Root><a>5</a><n>\x80</n></Root>", false},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.text);
        CXmlDataObject document("Preset", 0);
        EXPECT_EQ(LoadText(document, c.text), c.loads);
        int value = 0;
        EXPECT_EQ(document.ReadInt("a", value), c.loads);
        EXPECT_EQ(document.WriteInt("b", 1), c.loads) << "no current element after a failed load";
        EXPECT_EQ(document.Exists("b"), c.loads);
    }
    CXmlDataObject document("Preset", 0);
    EXPECT_FALSE(document.LoadFromMemory(nullptr, 10));
    EXPECT_FALSE(document.LoadFromMemory(good.c_str(), -1));
    EXPECT_EQ(CompactText(document), "") << "a failed load leaves an empty document";
}

TEST(CXmlDataObject, DocumentsNestedTooDeeplyAreRefusedWithoutCrashing)
{
    struct Case { int depth; bool loads; };
    const Case kCases[] = {{200, true}, {256, true}, {257, false}, {5000, false}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.depth);
        std::string text;
        for (int i = 0; i < c.depth; ++i)
            text += "<a>";
        text += "1";
        for (int i = 0; i < c.depth; ++i)
            text += "</a>";
        CXmlDataObject document("a", 0);
        EXPECT_EQ(LoadText(document, text), c.loads);
    }
}

TEST(CXmlDataObject, RootOfAnotherNameIsReadAndKeptOnSave)
{
    CTempFile file;
    file.Write("\xEF\xBB\xBF<?xml version=\"1.0\"?>\r\n<!-- saved elsewhere -->\r<Other>\r\n  <v>4</v>\r\n</Other>\r\n");
    CXmlDataObject document("Preset", 0);
    ASSERT_TRUE(document.LoadFile(file.Path()));
    int value = 0;
    ASSERT_TRUE(document.ReadInt("v", value));
    EXPECT_EQ(value, 4);
    EXPECT_EQ(FileText(document), "\xEF\xBB\xBF<?xml version=\"1.0\" ?>\n<!-- saved elsewhere -->\n<Other>\n"
                                  "    <v>4</v>\n</Other>\n");
}

TEST(CXmlDataObject, CommentsAreIndentedAsElementsAndTheCompactFormEndsWithTheRoot)
{
    CXmlDataObject document("R", 0);
    ASSERT_TRUE(LoadText(document, "<?xml version=\"1.0\"?><R><!-- inner --><v>1</v><s><!-- deep --></s></R>"
                                   "<!-- after -->"));
    EXPECT_EQ(FileText(document), "<?xml version=\"1.0\" ?>\n<R>\n    <!-- inner -->\n    <v>1</v>\n    <s>\n"
                                  "        <!-- deep -->\n    </s>\n</R>\n<!-- after -->\n");
    EXPECT_EQ(CompactText(document), "<?xml version=\"1.0\" ?><R><!-- inner --><v>1</v><s><!-- deep --></s></R>");
}

TEST(CXmlDataObject, FileFailures)
{
    CXmlDataObject document("Preset", 0);
    document.WriteInt("v", 1);
    EXPECT_FALSE(document.SaveFile("/nonexistent-folder/preset.xml"));
    if (access("/dev/full", W_OK) == 0) {
        EXPECT_FALSE(document.SaveFile("/dev/full")) << "a write that cannot complete is reported";
    }
    EXPECT_FALSE(document.LoadFile("/nonexistent-folder/preset.xml"));
    int value = 0;
    EXPECT_FALSE(document.ReadInt("v", value));

    CTempFile malformed;
    malformed.Write("<Preset><v>1</v>");
    EXPECT_FALSE(document.LoadFile(malformed.Path()));
    EXPECT_FALSE(document.LoadFile(nullptr));
}

TEST(CXmlDataObject, AFailedSaveLeavesThePreviousDocument)
{
    CTempFile file;
    {
        CXmlDataObject previous("Preset", 0);
        previous.WriteInt("v", 1);
        ASSERT_TRUE(previous.SaveFile(file.Path()));
    }
    CXmlDataObject larger("Preset", 0);
    larger.WriteInt("v", 2);
    larger.WriteString("padding", std::string(1 << 16, 'p').c_str());
    // A file-size limit holds for the whole process, so the failing save runs in a child; there
    // the write fails part-way, as on a full disk.
    EXPECT_EXIT(
        {
            rlimit limit;
            limit.rlim_cur = limit.rlim_max = 4096;
            signal(SIGXFSZ, SIG_IGN);
            setrlimit(RLIMIT_FSIZE, &limit);
            std::_Exit(larger.SaveFile(file.Path()) ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "");
    CXmlDataObject reloaded("Preset", 0);
    ASSERT_TRUE(reloaded.LoadFile(file.Path()));
    int value = 0;
    EXPECT_TRUE(reloaded.ReadInt("v", value));
    EXPECT_EQ(value, 1);
}

TEST(CXmlDataObject, OtherLayoutsStoreValuesAsKindElementsOrAttributes)
{
    CTestSerializable sub([](IWriteDataStream& stream) { return stream.WriteInt("n", 3); });
    const auto fill = [&](CXmlDataObject& document) {
        document.WriteBool("b", true);
        document.WriteString("s", "say \"hi\"");
        document.WriteDouble("d", 0.5);
        document.WriteObject("o", sub);
        document.WriteInt("i", -4);
    };
    CXmlDataObject kinds("R", 1);
    fill(kinds);
    EXPECT_EQ(CompactText(kinds), "<?xml version=\"1.0\" encoding=\"utf-8\" ?><R><BOOL name=\"b\">1</BOOL>"
                                  "<STRING name=\"s\">say &quot;hi&quot;</STRING><DOUBLE name=\"d\">0.5</DOUBLE>"
                                  "<OBJECT name=\"o\"><INTEGER name=\"n\">3</INTEGER></OBJECT>"
                                  "<INTEGER name=\"i\">-4</INTEGER></R>");
    CXmlDataObject attributes("R", 2);
    fill(attributes);
    EXPECT_EQ(CompactText(attributes), "<?xml version=\"1.0\" encoding=\"utf-8\" ?><R b=\"1\" s='say &quot;hi&quot;'"
                                       " d=\"0.5\" i=\"-4\"><o n=\"3\" /></R>");
    for (CXmlDataObject* document : {&kinds, &attributes}) {
        SCOPED_TRACE(document->GetLayout());
        CXmlDataObject copy("R", document->GetLayout());
        ASSERT_TRUE(LoadText(copy, CompactText(*document)));
        int i = 0;
        int n = 0;
        EXPECT_TRUE(copy.ReadInt("i", i));
        EXPECT_EQ(i, -4);
        EXPECT_EQ(ReadString(copy, "s"), "say \"hi\"");
        CTestSerializable reader(nullptr, [&](const IReadDataStream& stream) { return stream.ReadInt("n", n); });
        EXPECT_TRUE(copy.ReadObject("o", reader));
        EXPECT_EQ(n, 3);
        EXPECT_TRUE(copy.Exists("b"));
        EXPECT_TRUE(copy.Remove("b"));
        EXPECT_FALSE(copy.Exists("b"));
        EXPECT_EQ(copy.GetValueCount(), 4);
        copy.Clear();
        EXPECT_EQ(copy.GetValueCount(), 0);
    }
}

// Keys that are not XML names, next to names that look like their escaped forms.
const char* const kAwkwardKeys[] = {"0", "", "a b", "x<y", "-1", ":a", "\x7F", "\xC3\xA9", "\xFF", "_x30_", "_x_",
                                    "_x41\x01", "_x00_", "plain"};

TEST(CXmlDataObject, EveryKeyRoundTripsThroughTheTextInEveryLayout)
{
    typedef Veltis::Core::TDynamicVector<float> FloatVector;
    typedef std::list<Veltis::Serialization::TSerializableNamedValue<char*>> TextList;
    using Veltis::Containers::CNamedAttributes;
    using Veltis::Serialization::CMemDataObject;
    using Veltis::Serialization::CSerializableNamedAttributes;

    CNamedAttributes attributes;
    attributes.SetValue("skin", "dark");
    attributes.SetValue("a b", "");
    FloatVector values(3);
    values[0] = 0.5f;
    values[2] = -2.0f;
    TextList texts;
    texts.emplace_back("first", "1");
    texts.emplace_back("", "2");
    CMemDataObject memory;
    memory.WriteInt("0", 7);
    memory.WriteString("a b", "c");
    const VeltisTest::CTestGain member(0.75f);

    for (int layout : {0, 1, 2}) {
        SCOPED_TRACE(testing::Message() << "layout " << layout);
        CXmlDataObject written("R", layout);
        int index = 0;
        for (const char* key : kAwkwardKeys)
            written.WriteInt(key, index++);
        CTestSerializable nested([](IWriteDataStream& stream) { return stream.WriteString("1", "one"); });
        written.WriteObject("1 object", nested);
        written.WriteObject("attributes", CSerializableNamedAttributes(&attributes));
        written.WriteObject("vector", Veltis::Serialization::TVectorSerializer<FloatVector>(&values, ""));
        written.WriteObject("list", Veltis::Serialization::TStdContainerSerializer<TextList>(&texts, ""));
        written.WriteObject("memory", memory);
        written.WriteObject("2", Veltis::Serialization::CTypeSerializer(&member));

        CXmlDataObject read("R", layout);
        const std::string text = CompactText(written);
        ASSERT_TRUE(LoadText(read, text)) << text;
        index = 0;
        for (const char* key : kAwkwardKeys) {
            SCOPED_TRACE(testing::Message() << "key '" << key << "'");
            int value = -1;
            EXPECT_TRUE(read.ReadInt(key, value));
            EXPECT_EQ(value, index++);
        }
        std::string one;
        CTestSerializable nestedReader(nullptr, [&one](const IReadDataStream& stream) {
            one = ReadString(stream, "1");
            return true;
        });
        EXPECT_TRUE(read.ReadObject("1 object", nestedReader));
        EXPECT_EQ(one, "one");

        CNamedAttributes attributesRead;
        CSerializableNamedAttributes attributesReader(&attributesRead);
        EXPECT_TRUE(read.ReadObject("attributes", attributesReader));
        EXPECT_STREQ(attributesRead.GetValue("skin"), "dark");
        EXPECT_STREQ(attributesRead.GetValue("a b"), "");

        FloatVector valuesRead;
        Veltis::Serialization::TDynamicVectorDeSerializer<FloatVector> valuesReader(&valuesRead, "");
        EXPECT_TRUE(read.ReadObject("vector", valuesReader));
        ASSERT_EQ(valuesRead.GetCount(), 3);
        EXPECT_EQ(valuesRead[0], 0.5f);
        EXPECT_EQ(valuesRead[2], -2.0f);

        TextList textsRead;
        Veltis::Serialization::TStdContainerDeSerializer<TextList::value_type, TextList> textsReader(&textsRead, "");
        EXPECT_TRUE(read.ReadObject("list", textsReader));
        ASSERT_EQ(textsRead.size(), 2u);
        EXPECT_STREQ(textsRead.back().GetValue(), "2");

        CMemDataObject memoryRead;
        EXPECT_TRUE(read.ReadObject("memory", memoryRead));
        int seven = 0;
        EXPECT_TRUE(memoryRead.ReadInt("0", seven));
        EXPECT_EQ(seven, 7);
        EXPECT_EQ(ReadString(memoryRead, "a b"), "c");

        Veltis::Serialization::TRuntimeDeSerializer<VeltisTest::ITestFunction> memberRead;
        EXPECT_TRUE(read.ReadObject("2", memberRead));
        std::unique_ptr<VeltisTest::ITestFunction> created(memberRead.GetObject());
        ASSERT_NE(created, nullptr);
        EXPECT_EQ(created->GetGain(), 0.75f);
    }
}

TEST(CXmlDataObject, XmlNamesAreStoredAsTheyAreAndOtherKeysEscaped)
{
    CXmlDataObject document("R", 2);
    document.WriteInt("gain", 1);
    document.WriteInt("x_x30_", 2);
    document.WriteInt("0", 3);
    document.WriteInt("_x30_", 4);
    EXPECT_EQ(CompactText(document),
              "<?xml version=\"1.0\" encoding=\"utf-8\" ?><R gain=\"1\" x_x5F_x30_=\"2\" _x30_=\"3\" _x5F_x30_=\"4\" />");
}

TEST(CXmlDataObject, ObjectReadsSeeOnlyTheirOwnElement)
{
    CXmlDataObject document("R", 0);
    ASSERT_TRUE(LoadText(document, "<R><v>1</v><o><w>2</w></o></R>"));
    int v = 0;
    int w = 0;
    CTestSerializable reader(nullptr, [&](const IReadDataStream& stream) {
        return !stream.ReadInt("v", v) && stream.ReadInt("w", w);
    });
    EXPECT_TRUE(document.ReadObject("o", reader));
    EXPECT_EQ(w, 2);
    EXPECT_EQ(v, 0);
    EXPECT_FALSE(document.ReadObject("missing", reader));
}

TEST(CXmlDataObject, NumbersPrintInTheClassicFormUnderADecimalCommaLocale)
{
    VeltisTest::CDecimalCommaLocale locale;
    if (!locale.IsActive())
        GTEST_SKIP() << "no locale with a decimal comma could be installed or compiled on this machine";
    CXmlDataObject document("R", 0);
    document.WriteFloat("f", 0.1f);
    document.WriteDouble("d", 0.1);
    EXPECT_EQ(CompactText(document), "<?xml version=\"1.0\" encoding=\"utf-8\" ?>"
                                     "<R><f>0.10000000149</f><d>0.10000000000000000555</d></R>");
}

TEST(CXmlDataObject, NumbersRoundTripThroughTheDocumentUnderADecimalCommaLocale)
{
    VeltisTest::CDecimalCommaLocale locale;
    if (!locale.IsActive())
        GTEST_SKIP() << "no locale with a decimal comma could be installed or compiled on this machine";
    std::mt19937_64 random(7);
    std::vector<float> floats = {-0.0f, 1e-45f, 3.4028235e38f, 0.1f};
    std::vector<double> doubles = {-0.0, 4.9e-324, 1.7976931348623157e308, 0.1};
    while (floats.size() < 2000) {
        const uint32_t bits = static_cast<uint32_t>(random());
        float value;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value))
            floats.push_back(value);
    }
    while (doubles.size() < 2000) {
        const uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value))
            doubles.push_back(value);
    }
    CXmlDataObject document("R", 0);
    for (size_t i = 0; i < floats.size(); ++i) {
        document.WriteFloat(("f" + std::to_string(i)).c_str(), floats[i]);
        document.WriteDouble(("d" + std::to_string(i)).c_str(), doubles[i]);
    }
    const std::string text = CompactText(document);
    EXPECT_EQ(text.find(','), std::string::npos);
    CXmlDataObject copy("R", 0);
    ASSERT_TRUE(LoadText(copy, text));
    int mismatches = 0;
    for (size_t i = 0; i < floats.size(); ++i) {
        float f = 0;
        double d = 0;
        copy.ReadFloat(("f" + std::to_string(i)).c_str(), f);
        copy.ReadDouble(("d" + std::to_string(i)).c_str(), d);
        mismatches += std::memcmp(&f, &floats[i], sizeof f) != 0;
        mismatches += std::memcmp(&d, &doubles[i], sizeof d) != 0;
    }
    EXPECT_EQ(mismatches, 0);
}

// Lookups in long elements go through an index, built by the first long walk whether it ends in a
// match or not; it must answer as the walk in document order does.
TEST(CXmlDataObject, LongElementsFindTheFirstMatchAcrossWritesAndRemovals)
{
    std::string text = "<R>";
    for (int i = 0; i < 100; ++i)
        text += "<v" + std::to_string(i % 50) + ">" + std::to_string(i) + "</v" + std::to_string(i % 50) + ">";
    text += "</R>";
    struct Case { const char* firstLookup; bool found; int value; };
    const Case kCases[] = {{"absent", false, -1}, {"v45", true, 45}, {"v3", true, 3}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.firstLookup);
        CXmlDataObject document("R", 0);
        ASSERT_TRUE(LoadText(document, text));
        int value = -1;
        EXPECT_EQ(document.ReadInt(c.firstLookup, value), c.found);
        EXPECT_EQ(value, c.value);
        ASSERT_TRUE(document.ReadInt("v7", value));
        EXPECT_EQ(value, 7);
        EXPECT_TRUE(document.Remove("v7"));
        ASSERT_TRUE(document.ReadInt("v7", value));
        EXPECT_EQ(value, 57);
        document.WriteInt("v8", 1000);
        ASSERT_TRUE(document.ReadInt("v8", value));
        EXPECT_EQ(value, 58);
        document.WriteInt("new", 5);
        ASSERT_TRUE(document.ReadInt("new", value));
        EXPECT_EQ(value, 5);
        ASSERT_TRUE(document.ReadInt("v49", value));
        EXPECT_EQ(value, 49);
        EXPECT_EQ(document.GetValueCount(), 100);
        document.Clear();
        EXPECT_FALSE(document.ReadInt("v9", value));
    }
}

} // namespace
