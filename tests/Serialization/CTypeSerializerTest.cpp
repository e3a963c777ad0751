#include "Veltis/Serialization/CTypeSerializer.h"

#include "Veltis/Runtime/CObjectsFactory.h"
#include "Veltis/Serialization/CMemDataObject.h"
#include "Veltis/Serialization/CXmlDataObject.h"
#include "Veltis/Serialization/TRuntimeDeSerializer.h"
#include "Veltis/Serialization/TSerializableNamedTypedPointer.h"

#include "TestFunction.h"
#include "TestSerializable.h"
#include "support/XmlDocuments.h"

#include <gtest/gtest.h>

#include <string>

using namespace Veltis::Serialization;
using VeltisTest::CTestAnonymous;
using VeltisTest::CTestGain;
using VeltisTest::CTestUnlisted;
using VeltisTest::ITestFunction;
using VeltisTest::CompactText;

namespace {

class TypeSerializer : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(VeltisTest::kTestFunctionsRegistered);
        m_AliveBefore = CTestGain::s_Alive;
    }
    void TearDown() override { EXPECT_EQ(CTestGain::s_Alive, m_AliveBefore) << "re-created objects leaked"; }

    int m_AliveBefore = 0;
};

TEST_F(TypeSerializer, MemberPrintsAsIsNullTypeAndContent)
{
    CXmlDataObject document("R", 0);
    CTestAnonymous member("{7D162F87-5903-4052-9DE6-1A40211A5812}");
    document.WriteObject("curve", CTypeSerializer(&member));
    document.WriteObject("none", CTypeSerializer(nullptr));
    EXPECT_EQ(CompactText(document), "<?xml version=\"1.0\" encoding=\"utf-8\" ?><R><curve><isNull>0</isNull>"
                                 "<type>{7D162F87-5903-4052-9DE6-1A40211A5812}</type><content /></curve>"
                                 "<none><isNull>1</isNull></none></R>");
}

TEST_F(TypeSerializer, RegisteredClassIsRecreatedThroughItsInterface)
{
    CXmlDataObject document("R", 0);
    CTestGain gain(0.75f);
    ASSERT_TRUE(document.WriteObject("curve", CTypeSerializer(&gain)));

    CXmlDataObject copy("R", 0);
    const std::string text = CompactText(document);
    ASSERT_TRUE(copy.LoadFromMemory(text.c_str(), static_cast<int>(text.size())));
    TRuntimeDeSerializer<ITestFunction> reader;
    ASSERT_TRUE(copy.ReadObject("curve", reader));
    ASSERT_NE(reader.GetObject(), nullptr);
    EXPECT_STREQ(reader.GetObject()->GetTypeId(), CTestGain::kClassId);
    EXPECT_EQ(reader.GetObject()->GetGain(), 0.75f);
    delete reader.GetObject();
}

TEST_F(TypeSerializer, MembersThatCannotBeRecreatedReadAsNoObject)
{
    struct Case { const char* label; std::string stored; bool result; };
    const Case kCases[] = {
        {"null member", "<m><isNull>1</isNull></m>", true},
        {"no isNull", "<m><type>{A3E1C9B0-77D2-4f3e-8B15-0D9C6E4F2A71}</type><content /></m>", false},
        {"no type", "<m><isNull>0</isNull></m>", false},
        {"unknown class", "<m><isNull>0</isNull><type>{00000000-0000-0000-0000-000000000000}</type><content /></m>", false},
        {"class not registered for the interface",
         "<m><isNull>0</isNull><type>{0F4D2B6C-9E13-4a57-B8C0-5E7A1D3F9B24}</type><content /></m>", false},
        {"content missing", "<m><isNull>0</isNull><type>{A3E1C9B0-77D2-4f3e-8B15-0D9C6E4F2A71}</type></m>", false},
        {"content unreadable",
         "<m><isNull>0</isNull><type>{A3E1C9B0-77D2-4f3e-8B15-0D9C6E4F2A71}</type><content /></m>", false},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.label);
        CXmlDataObject document("R", 0);
        const std::string text = "<R>" + c.stored + "</R>";
        ASSERT_TRUE(document.LoadFromMemory(text.c_str(), static_cast<int>(text.size())));
        TRuntimeDeSerializer<ITestFunction> reader;
        EXPECT_EQ(document.ReadObject("m", reader), c.result);
        EXPECT_EQ(reader.GetObject(), nullptr);
    }
}

TEST_F(TypeSerializer, ObjectWithoutTypeIdWritesOnlyIsNullAndFailsToRead)
{
    CMemDataObject stream;
    CTestAnonymous member(nullptr);
    ASSERT_TRUE(CTypeSerializer(&member).Serialize(stream));
    EXPECT_EQ(stream.GetValueCount(), 1);
    bool isNull = true;
    EXPECT_TRUE(stream.ReadBool("isNull", isNull));
    EXPECT_FALSE(isNull);
    TRuntimeDeSerializer<ITestFunction> reader;
    EXPECT_FALSE(reader.DeSerialize(stream));
}

TEST_F(TypeSerializer, NamedTypedPointerRoundTripsAndReplacesItsObject)
{
    CTestGain gain(2.0f);
    const TSerializableNamedTypedPointer<ITestFunction> written("drive", &gain);
    CMemDataObject stream;
    ASSERT_TRUE(stream.WriteObject("item", written));

    TSerializableNamedTypedPointer<ITestFunction> read("old", new CTestGain(9.0f));
    ASSERT_TRUE(stream.ReadObject("item", read));
    EXPECT_STREQ(read.GetName(), "drive");
    ASSERT_NE(read.GetObject(), nullptr);
    EXPECT_EQ(read.GetObject()->GetGain(), 2.0f);

    CMemDataObject nameless;
    nameless.WriteObject("value", CTypeSerializer(&gain));
    EXPECT_FALSE(read.DeSerialize(nameless)) << "the name is missing";
    EXPECT_STREQ(read.GetName(), "drive");
    read.DeleteObject();
}

} // namespace
