#include "Veltis/Serialization/CNamedAttributesSerializer.h"

#include "Veltis/Containers/CNamedAttributes.h"
#include "Veltis/Serialization/CMemDataObject.h"
#include "Veltis/Serialization/CNamedAttributesDeSerializer.h"
#include "Veltis/Serialization/CSerializableNamedAttributes.h"
#include "Veltis/Serialization/CXmlDataObject.h"

#include <gtest/gtest.h>

#include <string>

using namespace Veltis::Serialization;
using Veltis::Containers::CNamedAttributes;

namespace {

TEST(CNamedAttributesSerializer, SetRoundTripsThroughAnXmlDocument)
{
    CNamedAttributes written;
    written.SetValue("skin", "dark");
    written.SetValue("size", "");
    written.SetValue("path", "a<b&c");
    CXmlDataObject document("R", 0);
    ASSERT_TRUE(document.WriteObject("vars", CSerializableNamedAttributes(&written)));
    char* text = nullptr;
    document.GetText(text);
    const std::string compact = text;
    delete[] text;
    EXPECT_NE(compact.find("<count>3</count><_x30_><name>"), std::string::npos) << compact;

    CMemDataObject memory;
    ASSERT_TRUE(CNamedAttributesSerializer(&written).Serialize(memory));
    for (const IReadDataStream* stream : {static_cast<const IReadDataStream*>(&document),
                                          static_cast<const IReadDataStream*>(&memory)}) {
        CNamedAttributes read;
        read.SetValue("stale", "x");
        CSerializableNamedAttributes reader(&read);
        if (stream == &document)
            EXPECT_TRUE(document.ReadObject("vars", reader));
        else
            EXPECT_TRUE(reader.DeSerialize(memory));
        EXPECT_EQ(read.GetValue("stale"), nullptr);
        EXPECT_STREQ(read.GetValue("skin"), "dark");
        EXPECT_STREQ(read.GetValue("size"), "");
        EXPECT_STREQ(read.GetValue("path"), "a<b&c");
    }
}

TEST(CNamedAttributesDeSerializer, CountRules)
{
    struct Case { const char* label; int count; bool writeCount; bool result; int items; };
    const Case kCases[] = {
        {"no count: empty and true", 0, false, true, 0},
        {"negative", -1, true, false, 0},
        {"larger than the stream", 100000, true, false, 0},
        {"item missing: empty pair set", 2, true, false, 2},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.label);
        CMemDataObject stream;
        if (c.writeCount)
            stream.WriteInt("count", c.count);
        stream.WriteInt("filler", 0);
        stream.WriteInt("filler2", 0);
        CNamedAttributes read;
        read.SetValue("stale", "x");
        EXPECT_EQ(CNamedAttributesDeSerializer(&read).DeSerialize(stream), c.result);
        EXPECT_EQ(read.GetValue("stale"), nullptr);
        if (c.items) {
            EXPECT_STREQ(read.GetValue(""), "") << "an absent item sets an empty name";
        }
    }
}

} // namespace
